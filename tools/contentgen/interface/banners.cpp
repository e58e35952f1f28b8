// Banners: the game-over ribbon, the time-gate banner and the first-start unpacking screen.
#include "backgrounds/props.h"
#include "interface/interface_parts.h"
#include "interface/layout.h"
#include "interface/ui_kit.h"
#include "paint/noise.h"
#include <cmath>

// A ribbon banner with swallow-tail ends, filling the picture.
static void ribbon(Image& img, Rgba top, Rgba bottom, Rgba trim)
{
    float w = float(img.w), h = float(img.h);
    float m = 8;
    std::vector<Vec2> shape = {{0, m}, {22, m}, {22, 4}, {w - 22, 4}, {w - 22, m}, {w, m}, {w - 12, h * 0.5f + 4}, {w, h - 4},
                               {w - 26, h - 4}, {w - 26, h - 8}, {26, h - 8}, {26, h - 4}, {0, h - 4}, {12, h * 0.5f + 4}};
    auto dist = [&](float x, float y) { return sd_polygon(x, y, shape); };
    paint_region(img, 0, 0, img.w, img.h, false, [&](float x, float y) {
        float d = dist(x, y);
        float cov = coverage(d);
        if (cov <= 0) return Rgba{};
        if (d > -1.2f) return with_alpha(hex(0x140404), cov);
        bool tail = x < 24 || x > w - 24;
        Rgba c = mix(top, bottom, y / h);
        if (tail) c = scale_rgb(c, 0.65f);
        float cloth = fbm(x * 0.05f, y * 0.3f, 1801, 3);
        c = scale_rgb(c, 0.85f + cloth * 0.3f);
        if (!tail && (std::fabs(y - 8.5f) < 1.2f || std::fabs(y - (h - 12.5f)) < 1.2f)) c = trim;
        return with_alpha(c, cov);
    });
}

static Image game_over()
{
    Image img(kGameOver.w, kGameOver.h);
    ribbon(img, hex(0x8A1010), hex(0x3A0404), hex(0xE8B048));
    TextStyle t = title_text(30);
    t.top = hex(0xFFF0D0), t.bottom = hex(0xE8A040);
    t.glow = hex(0xFF3010, 0.7f), t.glow_radius = 4;
    int tw, th;
    text_size("Game Over", t, tw, th);
    draw_text(img, img.w * 0.5f, (img.h - 4 - float(th)) * 0.5f, "Game Over", t, true);
    return img;
}

static Image gate_banner()
{
    Image img(kGateW, kGateH);
    float w = float(img.w), h = float(img.h);
    // A round-ended tablet with a swirling portal on each side.
    PlaqueStyle st;
    st.top = hex(0x3A2A5A), st.bottom = hex(0x140A24), st.rim = hex(0xE8C060), st.rim_width = 3, st.radius = 16;
    st.glow = hex(0x8A60FF, 0.25f);
    draw_plaque(img, 0, 0, w, h, st, 1811);
    for (int side = 0; side < 2; side++) {
        float cx = side ? w - 24 : 24, cy = h * 0.5f;
        paint_region(img, int(cx - 16), int(cy - 16), int(cx + 16), int(cy + 16), false, [&](float x, float y) {
            float r = std::hypot(x - cx, y - cy), a = std::atan2(y - cy, x - cx);
            if (r > 13) return Rgba{};
            float swirl = 0.5f + 0.5f * std::sin(a * 3 + r * 0.7f * (side ? -1.0f : 1.0f));
            Rgba c = mix(hex(0x4A2A9A), hex(0xC8B0FF), swirl * (1.0f - r / 13.0f) + (1.0f - r / 13.0f) * 0.5f);
            return with_alpha(c, coverage(r - 12.5f));
        });
    }
    TextStyle t = title_text(19);
    t.glow = hex(0xA070FF, 0.8f);
    draw_text(img, w * 0.5f, 12, "Level Complete", t, true);
    TextStyle s;
    s.face = Face::SerifItalic, s.size = 12, s.top = hex(0xE8D8FF), s.bottom = hex(0xB8A8E0);
    s.outline = hex(0x0A0414), s.outline_width = 1;
    draw_text(img, w * 0.5f, 42, "The time gate carries you on", s, true);
    return img;
}

static Image decompress_screen()
{
    Image img(240, 320);
    menu_sky(img, hex(0x06060E), hex(0x1A1430), hex(0x2A1A2A), 120, 1821);
    // A great hourglass, its sand glowing.
    float cx = 120, cy = 150;
    paint_region(img, 40, 50, 200, 250, false, [&](float x, float y) {
        float dy = y - cy, ax = std::fabs(x - cx);
        float bulb = std::fabs(dy) < 78 ? 6 + 50 * std::pow(std::sin(std::fabs(dy) / 78.0f * 3.14159f * 0.5f), 0.8f) : 0;
        float glass = ax - bulb;
        float frame = std::min(sd_round_box(x, y, cx, cy - 84, 62, 6, 3), sd_round_box(x, y, cx, cy + 84, 62, 6, 3));
        float posts = std::min(sd_round_box(x, y, cx - 56, cy, 3.5f, 80, 2), sd_round_box(x, y, cx + 56, cy, 3.5f, 80, 2));
        float wood = std::min(frame, posts);
        if (wood < 0.5f) {
            float k = x < cx ? 1.15f : 0.8f;
            return with_alpha(scale_rgb(hex(0x8A5A2A), k * (0.85f + fbm(x * 0.2f, y * 0.05f, 1822, 2) * 0.3f)), coverage(wood));
        }
        if (glass > 0.5f || std::fabs(dy) > 78) return Rgba{};
        Rgba c = with_alpha(hex(0x8AA8D8), 0.25f);
        bool sand = (dy > 40 && ax < bulb - 2) || (dy < 0 && dy > -30 && ax < bulb - 2) || (ax < 1.5f && dy > -2 && dy < 78);
        if (sand) c = mix(hex(0xFFE090), hex(0xE08020), clamp01(std::fabs(dy) / 78.0f));
        if (glass > -1.2f) c = with_alpha(hex(0xD8E8FF), 0.8f);
        return with_alpha(c, c.a * coverage(glass));
    });
    paint_region(img, 0, 0, 240, 320, false, [&](float x, float y) {
        float d = std::hypot(x - cx, (y - cy - 50) * 1.2f);
        return with_alpha(hex(0xFFB040), std::exp(-d * d / 1200.0f) * 0.35f);
    });
    draw_text(img, 120, 8, "VORLAINE", title_text(30), true);
    TextStyle t = button_text(ButtonState::Normal, 15);
    draw_text(img, 120, 252, "Preparing the realm...", t, true);
    TextStyle s;
    s.face = Face::SansItalic, s.size = 11, s.top = hex(0xC8B8A8), s.bottom = hex(0xA89888);
    draw_text(img, 120, 276, "Unpacking the creatures of every age.", s, true);
    draw_text(img, 120, 292, "This happens only once.", s, true);
    return img;
}

bool write_banners(const std::string& out, Image* preview)
{
    Image over = game_over(), gate = gate_banner(), unpack = decompress_screen();
    bool ok = save_png_keyed(data_path(out, "graphics\\interface\\GameOver.png"), over);
    ok = save_tga(data_path(out, "graphics\\interface\\gate.tga"), gate, true, false) && ok;
    // Lives only inside its own archive ("decompress.zip"); the packer moves it there.
    ok = save_png(data_path(out, "graphics\\interface\\decompress.png"), unpack) && ok;
    if (preview) {
        Image left(240, 320, hex(0x3A5A2A));
        left.draw(over, kGameOver.x, kGameOver.y);
        left.draw(gate, 120 - kGateW / 2, 160 + 40 - kGateH / 2);
        *preview = contact_sheet({left, unpack}, 2, 0, hex(0x000000));
    }
    return ok;
}
