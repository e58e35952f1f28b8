// Emberfall: the age of fire; black rock, glowing cracks, lava pools and ash under a burning sky.
#include "backgrounds/props.h"
#include "backgrounds/settings.h"
#include <cmath>

Image paint_volcanic(const LevelPlan& p)
{
    Backdrop b(p);
    float hz = b.horizon;
    paint_sky(b, {{0.0f, hex(0x140808)}, {0.5f, hex(0x4A1810)}, {0.85f, hex(0xB0401A)}, {1.0f, hex(0xF08A30)}}, hz + 20);
    paint_clouds(b, 0, 80, hex(0x8A3A2A, 0.9f), hex(0x1A0E0E), 0.6f, 4, 801);
    // The volcano, its lava rivers and its plume.
    float vx = 480;
    paint_region(b.img, int(vx - 200), 0, int(vx + 200), int(hz + 10), true, [&](float x, float y) {
        float top = hz - 66;
        float half = 22 + (y - top) * 1.6f;
        float d = std::max(std::fabs(x - vx) - half, top - y) + (b.tile_noise(x, y, 40, 802, 3) - 0.5f) * 8;
        if (d > 0.5f) {
            float plume = std::hypot((x - vx - (top - y) * 0.4f) / (30 + (top - y) * 0.8f), (y - top + 30) / 40.0f);
            float n = b.tile_noise(x, y * 1.5f, 12, 803, 4);
            return with_alpha(mix(hex(0x2A1A18), hex(0x8A3A20), clamp01((y - 10) / (top))), clamp01(1.2f - plume) * smoothstep(0.35f, 0.6f, n) * (y < top + 5 ? 1.0f : 0.0f));
        }
        Rgba c = mix(hex(0x1E1412), hex(0x3A2018), clamp01((y - top) / (hz - top)));
        float river = std::fabs(std::fmod(x - vx + 300.0f + std::sin(y * 0.15f) * 6, 38.0f) - 19.0f);
        if (river < 1.6f + (y - top) * 0.02f && y > top + 4) c = mix(hex(0xFFD060), hex(0xFF5010), clamp01((y - top) / 60));
        if (std::fabs(x - vx) < 16 && y < top + 6) c = hex(0xFFB040);
        return with_alpha(c, coverage(d));
    });
    paint_sun(b, vx, hz - 70, 6, hex(0xFFE8A0), hex(0xFF7020, 0.9f), 90);
    PeakStyle crags{.base = hz + 14, .count = 9, .min_height = 16, .max_height = 44, .lit = hex(0x4A2A22),
                    .shadow = hex(0x1E1212), .haze = hex(0xB04A20, 0.45f)};
    paint_peaks(b, crags, 804);
    paint_haze(b, hz + 10, 10, hex(0xF07A30, 0.45f));
    paint_ground(b, hz + 10, {{0.0f, hex(0x5A3028)}, {0.35f, hex(0x3A2220)}, {1.0f, hex(0x2A1A18)}}, [&](float x, float y, Rgba base) {
        float n = b.ground_noise(x, y, 6, 811, 4);
        Rgba c = scale_rgb(base, 0.75f + n * 0.5f);
        float crack = 1.0f - std::fabs(b.ground_noise(x, y, 9, 812, 4) * 2 - 1);
        float glow = smoothstep(0.93f, 0.985f, crack);
        c = mix(c, mix(hex(0xFF4A10), hex(0xFFD060), glow), glow * 0.9f);
        c = mix(c, hex(0x6A2A18), smoothstep(0.85f, 0.93f, crack) * 0.6f);
        return c;
    });
    Rng rng(820);
    for (int i = 0; i < 10; i++) {
        float x = rng.range(0, float(b.w)), y = b.far_line - rng.range(0, 6);
        paint_rock(b.img, x, y, b.scale(y) * rng.range(1.2f, 2.0f), rng.range(0.8f, 1.6f), hex(0x140C0C), hex(0x6A3A2A), rng.next(), true);
    }
    for (size_t i = 0; i < p.boxes.size(); i++) {
        const HardBox& h = p.boxes[i];
        if (i < 2) paint_pool(b.img, float(h.left), float(h.top), float(h.right), float(h.bottom), hex(0xFF5010), hex(0xFFD060), hex(0x1A0E0C), 830u + uint32_t(i), true, true);
        else paint_rock(b.img, (h.left + h.right) * 0.5f, float(h.bottom) + 1, b.scale(float(h.bottom)) * 1.2f, 1.5f, hex(0x1A100E), hex(0x7A4A38), 835, true);
    }
    scatter(b, b.far_line, float(b.h), 120, 840, [&](float x, float y, float sc, Rng& r) {
        if (!p.walkable(int(x), int(y)) && y < b.near_line) return;
        if (r.unit() < 0.9f) paint_rock(b.img, x, y, sc * 0.3f, 1.3f, hex(0x1A100E), hex(0x6A4032), r.next(), true);
        else paint_bones(b.img, x, y, sc * 0.8f, r.next(), true);
    });
    Rng ash(850);
    for (int i = 0; i < b.w * b.h / 250; i++) {
        float x = ash.range(0, float(b.w)), y = ash.range(0, float(b.h));
        b.img.blend_wrapped(int(x), int(y), ash.unit() < 0.2f ? hex(0xFFA040) : hex(0xB0A098), 0.5f);
    }
    near_fringe(b, hex(0x140C0C), hex(0x5A3228), 860, false);
    shade_band_edges(b, 0.06f);
    grade(b, hex(0xFFD0B0), 0.15f, 1.08f);
    return b.img;
}
