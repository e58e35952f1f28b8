// The look shared by every menu and HUD picture: bevelled stone and gold, glowing lettering, painted skies.
#include "interface/ui_kit.h"
#include "paint/noise.h"
#include <cmath>

void draw_plaque(Image& img, float x, float y, float w, float h, const PlaqueStyle& st, uint32_t seed)
{
    float cx = x + w * 0.5f, cy = y + h * 0.5f, hx = w * 0.5f, hy = h * 0.5f;
    auto outer = [&](float px, float py) { return sd_round_box(px, py, cx, cy, hx, hy, st.radius); };
    float rim = st.rim_width;
    auto inner = [&](float px, float py) { return sd_round_box(px, py, cx, cy, hx - rim - 1, hy - rim - 1, std::max(1.0f, st.radius - rim)); };
    paint_region(img, int(x) - 1, int(y) - 1, int(x + w) + 2, int(y + h) + 2, false, [&](float px, float py) {
        float d = outer(px, py);
        float cov = coverage(d);
        if (cov <= 0) return Rgba{};
        if (d > -1.0f) return with_alpha(st.edge, cov);
        float di = inner(px, py);
        Rgba c;
        if (di > 0) {
            // Gold trim, lit on its upper-left run, with a bright line.
            float k = bevel_light(outer, px, py, rim + 1, 1.8f);
            float band = clamp01((-d - 1) / std::max(1.0f, rim));
            c = scale_rgb(st.rim, clamp01(0.55f + 0.45f * k) * (1.0f + 0.25f * std::sin(band * 3.14159f)));
            if (di < 0.8f && di > 0) c = scale_rgb(c, 0.55f);  // dark groove between trim and face
        } else {
            float t = clamp01((py - y) / h);
            c = mix(st.top, st.bottom, t);
            float n = fbm(px * 0.18f, py * 0.18f, seed, 3), n2 = fbm(px * 0.6f, py * 0.6f, seed + 3, 2);
            c = scale_rgb(c, 1.0f + (n - 0.5f) * st.texture * 2.0f + (n2 - 0.5f) * st.texture);
            float k = bevel_light(inner, px, py, st.bevel, 1.4f);
            c = scale_rgb(c, k);
            if (st.glow.a > 0) {
                float g = smoothstep(std::min(hx, hy), 0.0f, -di) * 0.6f + 0.4f;
                c = mix(c, with_alpha(st.glow, 1.0f), st.glow.a * g * (1.0f - t * 0.3f));
            }
        }
        return with_alpha(c, cov);
    });
}

PlaqueStyle button_style(ButtonState s)
{
    PlaqueStyle st;
    switch (s) {
    case ButtonState::Normal:
        st.top = hex(0x4A4E62), st.bottom = hex(0x23242E), st.rim = hex(0xC89A40);
        break;
    case ButtonState::Pressed:
        st.top = hex(0x7A5A2E), st.bottom = hex(0x3A2412), st.rim = hex(0xFFE08A);
        st.glow = hex(0xFFB040, 0.45f);
        break;
    case ButtonState::Locked:
        st.top = hex(0x2A2C34), st.bottom = hex(0x16171C), st.rim = hex(0x5A5048), st.texture = 0.2f;
        break;
    }
    return st;
}

TextStyle button_text(ButtonState s, int size, Face face)
{
    TextStyle t;
    t.face = face;
    t.size = size;
    t.outline = hex(0x0A0806);
    t.outline_width = 1.0f;
    switch (s) {
    case ButtonState::Normal:
        t.top = hex(0xFFF0B8), t.bottom = hex(0xD8A040);
        t.shadow = hex(0x000000, 0.6f);
        break;
    case ButtonState::Pressed:
        t.top = hex(0xFFFFFF), t.bottom = hex(0xFFD870);
        t.glow = hex(0xFFA020, 0.9f), t.glow_radius = 3;
        break;
    case ButtonState::Locked:
        t.top = hex(0x6A6460), t.bottom = hex(0x4A4440);
        break;
    }
    return t;
}

void draw_button(Image& img, float x, float y, float w, float h, const std::string& label, ButtonState s, int size, uint32_t seed)
{
    draw_plaque(img, x, y, w, h, button_style(s), seed);
    TextStyle t = button_text(s, size);
    int tw, th;
    text_size(label, t, tw, th);
    draw_text(img, x + w * 0.5f, y + (h - float(th)) * 0.5f - 0.5f, label, t, true);
}

TextStyle title_text(int size)
{
    TextStyle t;
    t.face = Face::SerifBold;
    t.size = size;
    t.spacing = 1;
    t.top = hex(0xFFF6D0), t.bottom = hex(0xC07A20);
    t.outline = hex(0x1A0C04), t.outline_width = 1.5f;
    t.glow = hex(0xFF9A30, 0.85f), t.glow_radius = 6;
    t.bevel = 0.35f;
    return t;
}

void menu_sky(Image& img, Rgba top, Rgba mid, Rgba low, int stars, uint32_t seed)
{
    fill_vertical_gradient(img, 0, img.h, {{0.0f, top}, {0.55f, mid}, {1.0f, low}});
    Rng rng(seed);
    for (int i = 0; i < stars; i++) {
        int x = rng.below(img.w), y = rng.below(img.h * 2 / 3);
        float b = rng.unit();
        img.blend(x, y, hex(0xFFF8E8), (0.3f + 0.7f * b * b) * (1.0f - float(y) / float(img.h)));
    }
}

void gilded_frame(Image& img, float inset, float width)
{
    float W = float(img.w), H = float(img.h);
    auto d_out = [&](float px, float py) { return sd_round_box(px, py, W * 0.5f, H * 0.5f, W * 0.5f - inset, H * 0.5f - inset, 4); };
    paint_region(img, 0, 0, img.w, img.h, false, [&](float px, float py) {
        float d = d_out(px, py);
        float band = -d;
        if (band < -0.5f || band > width + 0.5f) return Rgba{};
        float k = bevel_light(d_out, px, py, width, 1.5f);
        Rgba c = scale_rgb(hex(0xD0A048), clamp01(0.6f + 0.4f * k) * (0.9f + 0.3f * std::sin(band / width * 3.14159f)));
        float cov = clamp01(band + 0.5f) * clamp01(width + 0.5f - band);
        return with_alpha(c, cov);
    });
}

Image button_cut(const Image& src, int x, int y, int w, int h)
{
    return cropped(src, x, y, w, h);
}
