// In-game pictures: quit and pause buttons, the meter bar, the spell icons and their border, the loading strip.
#include "interface/interface_parts.h"
#include "interface/layout.h"
#include "interface/ui_kit.h"
#include "paint/noise.h"
#include <cmath>

static Image small_button(int w, int h, const std::string& label)
{
    Image img(w, h);
    PlaqueStyle st = button_style(ButtonState::Normal);
    st.radius = 5, st.rim_width = 1.5f, st.bevel = 2;
    draw_plaque(img, 0, 0, float(w), float(h), st, 1601);
    TextStyle t = button_text(ButtonState::Normal, 11, Face::SansBold);
    int tw, th;
    text_size(label, t, tw, th);
    draw_text(img, float(w) * 0.5f, (float(h) - float(th)) * 0.5f, label, t, true);
    return img;
}

static Image meter_bar()
{
    Image img(kHeroMeter.w, kHeroMeter.h);
    float h = float(img.h), w = float(img.w);
    paint_region(img, 0, 0, img.w, img.h, false, [&](float x, float y) {
        float d = sd_round_box(x, y, w * 0.5f, h * 0.5f, w * 0.5f, h * 0.5f, 4);
        float cov = coverage(d);
        if (cov <= 0) return Rgba{};
        if (d > -1.0f) return with_alpha(hex(0x1A0804), cov);
        float u = x / w, v = (y - 1) / (h - 2);
        Rgba c = mix(hex(0xB01010), hex(0xFFB020), u);
        c = scale_rgb(c, 1.25f - v * 0.6f);
        if (v < 0.28f) c = mix(c, hex(0xFFF0C0), 0.55f);  // glassy highlight
        // Segment ticks every tenth, so the amount reads at a glance.
        if (std::fmod(x, w / 10.0f) < 1.0f && x > 2 && x < w - 2) c = scale_rgb(c, 0.7f);
        return with_alpha(c, cov);
    });
    return img;
}

static Image icon_border()
{
    Image img(kBorderW, kBorderH);
    float w = float(img.w), h = float(img.h);
    auto outer = [&](float x, float y) { return sd_round_box(x, y, w * 0.5f, h * 0.5f, w * 0.5f, h * 0.5f, 6); };
    paint_region(img, 0, 0, img.w, img.h, false, [&](float x, float y) {
        float d = outer(x, y);
        float inner = sd_round_box(x, y, w * 0.5f, h * 0.5f, w * 0.5f - 3.0f, h * 0.5f - 3.0f, 4);
        if (inner < -0.5f) return Rgba{};
        float cov = coverage(d) * clamp01(inner + 0.5f);
        if (cov <= 0) return Rgba{};
        float k = bevel_light(outer, x, y, 3, 1.6f);
        Rgba c = scale_rgb(hex(0xFFD060), clamp01(0.6f + 0.4f * k));
        if (d > -0.8f || inner < 0.3f) c = hex(0x3A2004);
        // Gems at the corners.
        for (int cx = 0; cx < 2; cx++)
            for (int cy = 0; cy < 2; cy++) {
                float gx = cx ? w - 3.5f : 3.5f, gy = cy ? h - 3.5f : 3.5f;
                float g = std::hypot(x - gx, y - gy);
                if (g < 2.2f) c = mix(hex(0xFFFFFF), hex(0xE02020), clamp01(g / 2.2f));
            }
        return with_alpha(c, cov);
    });
    return img;
}

enum class Spell { Fire, BigFire, Lightning, Incinerate };

static float flame_shape(float x, float y, float cx, float base, float height, float width, float flicker, uint32_t seed)
{
    // A teardrop: round at the bottom, licking to a point, its edge shivering with the frame.
    float v = (base - y) / height;  // 0 at the bottom, 1 at the tip
    float wave = std::sin(v * 7.0f + flicker * 6.2832f) * 1.2f * v;
    float half = width * (v < 0.35f ? std::sqrt(std::max(0.0f, 1.0f - std::pow((0.35f - v) / 0.35f, 2.0f))) : std::pow(1.0f - (v - 0.35f) / 0.65f, 1.3f));
    float n = (fbm(x * 0.3f, y * 0.3f - flicker * 5, seed, 2) - 0.5f) * 2.0f;
    if (v < 0 || v > 1) return 1.0f + std::min(std::fabs(v), std::fabs(v - 1)) * height;
    return std::fabs(x - cx - wave) - half - n;
}

static Image spell_icon(Spell s, int frame)
{
    Image img(kIconW, kIconH);
    float w = float(img.w), h = float(img.h);
    float pulse = 0.85f + 0.15f * std::sin(float(frame) / 4.0f * 6.2832f);
    Rgba field_top, field_bottom, glow;
    switch (s) {
    case Spell::Fire: field_top = hex(0x8A2A0A), field_bottom = hex(0x3A0A04), glow = hex(0xFF8A20); break;
    case Spell::BigFire: field_top = hex(0x6A0A1A), field_bottom = hex(0x2A0408), glow = hex(0xFF4A20); break;
    case Spell::Lightning: field_top = hex(0x1A3A8A), field_bottom = hex(0x08143A), glow = hex(0x80C8FF); break;
    case Spell::Incinerate: field_top = hex(0x4A1A6A), field_bottom = hex(0x14061E), glow = hex(0xFFD040); break;
    }
    auto outer = [&](float x, float y) { return sd_round_box(x, y, w * 0.5f, h * 0.5f, w * 0.5f - 1.5f, h * 0.5f - 1.5f, 6); };
    float cx = w * 0.5f, cy = h * 0.5f;
    paint_region(img, 0, 0, img.w, img.h, false, [&](float x, float y) {
        float d = outer(x, y);
        float cov = coverage(d);
        if (cov <= 0) return Rgba{};
        if (d > -1.0f) return with_alpha(hex(0x1A0E04), cov);
        if (d > -2.6f) return with_alpha(scale_rgb(hex(0xE8B050), bevel_light(outer, x, y, 2.6f, 1.5f)), cov);
        Rgba c = mix(field_top, field_bottom, y / h);
        float r = std::hypot(x - cx, y - cy);
        c = mix(c, glow, std::exp(-r * r / 90.0f) * 0.5f * pulse);
        uint32_t fs = 1700u + uint32_t(frame) * 13u;
        float f = float(frame) / 4.0f;
        float sym = 1e9f;
        Rgba ink = hex(0xFFF4C0);
        switch (s) {
        case Spell::Fire: {
            sym = flame_shape(x, y, cx, h - 5, 19, 6.5f, f, fs);
            float core = flame_shape(x, y, cx, h - 5, 11, 3.0f, f, fs + 1);
            if (core < 0) ink = hex(0xFFFFFF);
            else ink = mix(hex(0xFFE040), hex(0xFF6010), clamp01((y - 8) / 16));
            break;
        }
        case Spell::BigFire: {
            float ball = std::hypot(x - cx, y - cy - 3) - 7.5f + (fbm(x * 0.5f, y * 0.5f + f * 4, fs, 2) - 0.5f) * 2;
            float tongue = flame_shape(x, y, cx, cy + 2, 17, 6.0f, f, fs + 2);
            sym = std::min(ball, tongue);
            float ring = std::fabs(std::hypot((x - cx) / 1.4f, y - cy - 3) - 9.0f) - 0.8f;
            if (ring < 0 && ball > 0) return with_alpha(mix(c, hex(0xFFC040), 0.9f), cov);
            ink = mix(hex(0xFFFFE0), hex(0xFF5010), clamp01(std::hypot(x - cx, y - cy - 3) / 9.0f));
            break;
        }
        case Spell::Lightning: {
            std::vector<Vec2> bolt = {{cx + 4, 3}, {cx - 6, cy + 1}, {cx - 0.5f, cy + 1}, {cx - 4, h - 3}, {cx + 7, cy - 3}, {cx + 1.5f, cy - 3}, {cx + 6, 3}};
            sym = sd_polygon(x, y, bolt);
            ink = mix(hex(0xFFFFFF), hex(0xFFE860), clamp01(-sym / 2.0f));
            break;
        }
        case Spell::Incinerate: {
            float a = std::atan2(y - cy, x - cx);
            float rays = 6.0f + 3.5f * std::pow(std::fabs(std::cos(a * 4 + f * 1.57f)), 6.0f);
            sym = r - rays;
            ink = mix(hex(0xFFFFFF), hex(0xFF9020), clamp01(r / 9.0f));
            break;
        }
        }
        float sc = coverage(sym);
        c = mix(c, ink, sc);
        // A dark outline around the symbol keeps it legible at small sizes.
        if (sym > 0 && sym < 1.2f) c = scale_rgb(c, 0.55f);
        return with_alpha(c, cov);
    });
    return img;
}

static Image loading_frame(int frame, int frames)
{
    Image img(kLoaderSize, kLoaderSize);
    float c = kLoaderSize * 0.5f;
    float head = float(frame) / float(frames) * 6.2832f;
    paint_region(img, 0, 0, img.w, img.h, false, [&](float x, float y) {
        float r = std::hypot(x - c, y - c);
        float a = std::atan2(y - c, x - c);
        Rgba out{};
        // Dark disc behind, so the spinner reads on any picture.
        float disc = r - 18.5f;
        if (disc < 0.5f) out = with_alpha(hex(0x100C18), coverage(disc) * 0.9f);
        if (std::fabs(r - 18.5f) < 1.0f) out = with_alpha(hex(0xC89A40), 1.0f);
        // Twelve beads round the rim; the ones just behind the head glow.
        for (int k = 0; k < 12; k++) {
            float ba = float(k) / 12.0f * 6.2832f;
            float bx = c + std::cos(ba) * 13.5f, by = c + std::sin(ba) * 13.5f;
            float d = std::hypot(x - bx, y - by) - 2.2f;
            if (d < 0.5f) {
                float lag = std::fmod(head - ba + 6.2832f * 2, 6.2832f);
                float heat = std::exp(-lag * 1.3f);
                Rgba bead = mix(hex(0x3A3048), hex(0xFFE080), heat);
                out = mix(out, with_alpha(bead, 1.0f), coverage(d));
            }
        }
        // An hourglass in the middle, its sand running with the frames.
        float hx = std::fabs(x - c), hy = y - c;
        float glass = std::max(hx - (1.0f + std::fabs(hy) * 0.7f), std::fabs(hy) - 7.0f);
        if (glass < 0.5f) {
            float sand_level = float(frame) / float(frames);
            bool sand = (hy < 0 && hy > -7.0f + sand_level * 7.0f) || (hy > 0 && hy > 7.0f - sand_level * 7.0f) || (hx < 0.6f && hy > -1 && hy < 7);
            Rgba g = sand ? hex(0xF0C060) : hex(0x8AA8C8);
            out = mix(out, with_alpha(g, 1.0f), coverage(glass));
        }
        if (std::fabs(std::fabs(hy) - 7.5f) < 1.0f && hx < 5.5f) out = hex(0xC89A40);
        (void)a;
        return out;
    });
    return img;
}

bool write_hud(const std::string& out, Image* preview)
{
    Image quit = small_button(kQuit.w, kQuit.h, "Quit"), pause = small_button(kPause.w, kPause.h, "Pause");
    Image meter = meter_bar(), border = icon_border();
    bool ok = save_tga(data_path(out, "graphics\\interface\\quit.tga"), quit, true, false);
    ok = save_tga(data_path(out, "graphics\\interface\\pause.tga"), pause, true, false) && ok;
    ok = save_tga(data_path(out, "graphics\\misc\\time_meter.tga"), meter, true, false) && ok;
    ok = save_tga(data_path(out, "graphics\\misc\\icon_border.tga"), border, true, false) && ok;
    const struct {
        Spell s;
        const char* base;
    } icons[] = {{Spell::Fire, "graphics\\misc\\icon_fire"},
                 {Spell::BigFire, "graphics\\misc\\icon_big_fire"},
                 {Spell::Lightning, "graphics\\misc\\icon_lightning"},
                 {Spell::Incinerate, "graphics\\misc\\icon_abomb"}};
    std::vector<Image> first_frames;
    for (const auto& ic : icons) {
        std::vector<Image> frames;
        for (int f = 0; f < 4; f++) frames.push_back(spell_icon(ic.s, f));
        first_frames.push_back(frames[0]);
        ok = save_strip_tga(out, ic.base, frames) && ok;
    }
    std::vector<Image> loading;
    for (int f = 0; f < 12; f++) loading.push_back(loading_frame(f, 12));
    ok = save_strip_tga(out, "graphics\\misc\\loading_", loading) && ok;
    if (preview) {
        // The bottom and top of the game screen as they stand over a playfield.
        Image& p = *preview;
        p = Image(240, 320, hex(0x4A6A3A));
        for (int s = 0; s < 4; s++) {
            int sx = kSpellSlotX + kSpellSlotStep * s;
            p.draw(first_frames[size_t(s)], sx + kIconCx - kIconW / 2, kSpellSlotY + kIconCy - kIconH / 2);
            TextStyle t;
            t.face = Face::SansBold, t.size = 16, t.outline = hex(0x000000), t.outline_width = 1;
            draw_text(p, float(sx + kLabelCx), float(kSpellSlotY + kLabelCy - 9), std::to_string(15 - s * 4), t, true);
        }
        p.draw(border, kSpellSlotX, kSpellSlotY);
        p.draw(meter, kBossMeter.x, kBossMeter.y);
        for (int y = 0; y < meter.h; y++)
            for (int x = int(meter.w * 0.4f); x < meter.w; x++) meter.at(x, y).a = 0;
        p.draw(meter, kHeroMeter.x, kHeroMeter.y);
        p.draw(pause, kPause.x, kPause.y);
        p.draw(quit, kQuit.x, kQuit.y);
        for (int f = 0; f < 6; f++) p.draw(loading[size_t(f * 2)], 10 + f * 37, 140);
    }
    return ok;
}
