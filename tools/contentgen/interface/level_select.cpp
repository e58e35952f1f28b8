// The level select: an engraved map of the journey with twelve sockets; each unlocked level shows its plaque.
#include "backgrounds/props.h"
#include "interface/interface_parts.h"
#include "interface/layout.h"
#include "interface/ui_kit.h"
#include "paint/noise.h"
#include "levels/level_plan.h"

static const char* const kShortNames[12] = {"Meadowbrook", "Whisperwood", "Hollow Graves", "Mirefen", "Sunscar", "Frostveil",
                                            "Ravenhold", "Thornmaw", "Emberfall", "Starfall", "Causeway", "The Spire"};

static void level_plaque(Image& img, int n, ButtonState state)
{
    Box b = level_box(n);
    PlaqueStyle st = button_style(state);
    st.radius = 5;
    draw_plaque(img, float(b.x), float(b.y), float(b.w), float(b.h), st, 1400u + uint32_t(n));
    // The number on a round gem at the left end.
    float gx = float(b.x) + 13, gy = float(b.y) + b.h * 0.5f;
    Rgba gem = state == ButtonState::Locked ? hex(0x3A3A44) : hex(0x8A2A1A);
    paint_region(img, int(gx - 11), int(gy - 11), int(gx + 12), int(gy + 12), false, [&](float px, float py) {
        float d = std::hypot(px - gx, py - gy) - 9.5f;
        float cov = coverage(d);
        if (cov <= 0) return Rgba{};
        if (d > -1.5f) return with_alpha(state == ButtonState::Locked ? hex(0x4A4038) : hex(0xE8C060), cov);
        float ny = (py - gy) / 9.5f, nx = (px - gx) / 9.5f;
        Rgba c = mix(scale_rgb(gem, 1.6f), scale_rgb(gem, 0.5f), clamp01(0.4f + ny * 0.5f + nx * 0.2f));
        return with_alpha(c, cov);
    });
    TextStyle num = button_text(state, 12, Face::SansBold);
    if (state != ButtonState::Locked) num.top = hex(0xFFFFFF), num.bottom = hex(0xFFE0A0);
    int tw, th;
    text_size(std::to_string(n), num, tw, th);
    draw_text(img, gx, gy - float(th) * 0.5f - 0.5f, std::to_string(n), num, true);
    if (state == ButtonState::Locked) {
        // A small padlock where the name will be.
        float lx = float(b.x) + 60, ly = gy + 1;
        paint_region(img, int(lx - 8), int(ly - 10), int(lx + 8), int(ly + 8), false, [&](float px, float py) {
            float shackle = std::fabs(std::hypot(px - lx, py - (ly - 3)) - 3.5f) - 1.0f;
            shackle = std::max(shackle, py - (ly - 2));
            float body = sd_round_box(px, py, lx, ly + 2, 5, 4, 1);
            return with_alpha(hex(0x5A5048), coverage(std::min(shackle, body)));
        });
        return;
    }
    // The largest lettering that fits between the gem and the right rim.
    float name_cx = float(b.x) + 26 + float(b.w - 28) * 0.5f;
    TextStyle name = button_text(state, 11, Face::SansBold);
    for (int size = 11; size >= 8; size--) {
        name = button_text(state, size, Face::SansBold);
        text_size(kShortNames[n - 1], name, tw, th);
        if (tw <= b.w - 32) break;
    }
    draw_text(img, name_cx, gy - float(th) * 0.5f - 0.5f, kShortNames[n - 1], name, true);
}

static Image level_select_picture()
{
    Image img(240, 320);
    menu_sky(img, hex(0x0C1028), hex(0x2A3050), hex(0x5A3A48), 90, 1410);
    // Distant mountains and the path drawn as a dotted line between the sockets.
    paint_region(img, 0, 40, 240, 120, false, [&](float x, float y) {
        float crest = 96 - 26 * fbm(x * 0.025f, 2, 1411, 4);
        return with_alpha(mix(hex(0x3A3A5A), hex(0x1A1A2A), clamp01((y - crest) / 40)), coverage(crest - y));
    });
    PlaqueStyle panel;
    panel.top = hex(0x2E2C38), panel.bottom = hex(0x1A1920), panel.rim = hex(0xA07A34), panel.rim_width = 2, panel.radius = 8;
    panel.texture = 0.16f;
    draw_plaque(img, 6, 96, 228, 188, panel, 1412);
    draw_text(img, 120, 14, "Choose Your Path", title_text(24), true);
    TextStyle sub;
    sub.face = Face::SerifItalic, sub.size = 12, sub.top = hex(0xE8D0A0), sub.bottom = hex(0xC0A070);
    sub.outline = hex(0x0A0604), sub.outline_width = 1;
    draw_text(img, 120, 48, "Twelve gates stand between you and Torvessa", sub, true);
    for (int n = 1; n <= 12; n++) level_plaque(img, n, ButtonState::Locked);
    draw_button(img, kLevelBack.x, kLevelBack.y, kLevelBack.w, kLevelBack.h, "Back", ButtonState::Normal, 15, 1420);
    return img;
}

bool write_level_select(const std::string& out, Image* preview)
{
    Image bg = level_select_picture();
    bool ok = save_png(data_path(out, "graphics\\interface\\level_main.png"), bg);
    Image all = bg;
    for (int n = 1; n <= 12; n++) {
        Image lit = bg;
        level_plaque(lit, n, ButtonState::Normal);
        level_plaque(all, n, ButtonState::Normal);
        Box b = level_box(n);
        Image cut = cropped(lit, b.x, b.y, b.w, b.h);
        for (int y = 0; y < cut.h; y++)
            for (int x = 0; x < cut.w; x++)
                if (sd_round_box(float(x) + 0.5f, float(y) + 0.5f, b.w * 0.5f, b.h * 0.5f, b.w * 0.5f, b.h * 0.5f, 5) > -0.5f) cut.at(x, y).a = 0;
        ok = save_png_keyed(data_path(out, "graphics\\interface\\level_" + std::to_string(n) + ".png"), cut) && ok;
    }
    Image back = bg;
    draw_button(back, kLevelBack.x, kLevelBack.y, kLevelBack.w, kLevelBack.h, "Back", ButtonState::Pressed, 15, 1420);
    Image cut = cropped(back, kLevelBack.x, kLevelBack.y, kLevelBack.w, kLevelBack.h);
    for (int y = 0; y < cut.h; y++)
        for (int x = 0; x < cut.w; x++)
            if (sd_round_box(float(x) + 0.5f, float(y) + 0.5f, cut.w * 0.5f, cut.h * 0.5f, cut.w * 0.5f, cut.h * 0.5f, 6) > -0.5f) cut.at(x, y).a = 0;
    ok = save_png_keyed(data_path(out, "graphics\\interface\\level_back.png"), cut) && ok;
    if (preview) {
        *preview = bg;
        for (int n = 1; n <= 7; n++) level_plaque(*preview, n, ButtonState::Normal);
    }
    return ok;
}
