// Starfall Crater: a crater under a blazing night sky, blue dust, fallen crystals, two moons.
#include "backgrounds/props.h"
#include "backgrounds/settings.h"
#include <cmath>

Image paint_crater(const LevelPlan& p)
{
    Backdrop b(p);
    float hz = b.horizon;
    paint_sky(b, {{0.0f, hex(0x05061A)}, {0.6f, hex(0x141A44)}, {1.0f, hex(0x3A3A70)}}, hz + 20);
    // Nebula clouds in teal and violet.
    paint_region(b.img, 0, 0, b.w, int(hz + 10), false, [&](float x, float y) {
        float n = b.tile_noise(x, y * 1.3f, 4, 901, 6);
        float m = b.tile_noise(x + 200, y * 1.3f, 5, 902, 5);
        Rgba c = mix(hex(0x2A8AA8), hex(0xA04AC8), m);
        return with_alpha(c, smoothstep(0.5f, 0.8f, n) * 0.45f);
    });
    paint_stars(b, 520, hz + 6, 903);
    paint_moon(b, 130, 40, 14, hex(0xE8F0FF), hex(0x7A86A8));
    paint_moon(b, 172, 26, 6, hex(0xFFE0C0), hex(0xA07A60));
    // A falling star's trail.
    paint_region(b.img, 380, 10, 560, 70, true, [&](float x, float y) {
        float t = (x - 380) / 180.0f;
        float cy = 20 + t * 36;
        float d = std::fabs(y - cy);
        return with_alpha(hex(0xE0F4FF), clamp01(1.0f - d / (0.5f + t * 1.5f)) * t * 0.9f);
    });
    paint_sun(b, 560, 56, 3, hex(0xFFFFFF), hex(0xA0E0FF, 0.9f), 20);
    PeakStyle rim{.base = hz + 12, .count = 8, .min_height = 14, .max_height = 34, .lit = hex(0x4A5880),
                  .shadow = hex(0x262C4A), .haze = hex(0x5A6A9A, 0.4f)};
    paint_peaks(b, rim, 904);
    paint_ground(b, hz + 10, {{0.0f, hex(0x4A5478)}, {0.4f, hex(0x3A4466)}, {1.0f, hex(0x2A3250)}}, [&](float x, float y, Rgba base) {
        float n = b.ground_noise(x, y, 5, 911, 4);
        Rgba c = scale_rgb(base, 0.8f + n * 0.4f);
        // Small impact craters: rings in the ground noise.
        float pits = b.ground_noise(x, y, 14, 912, 2);
        float ring = std::fabs(pits - 0.72f);
        c = scale_rgb(c, 1.0f - smoothstep(0.72f, 0.8f, pits) * 0.25f + smoothstep(0.03f, 0.0f, ring) * 0.25f);
        return c;
    });
    // Glow of the crystals on the dust.
    for (const ScenerySprite& sp : p.sprites) {
        if (sp.file != SCENERY_CRYSTAL) {
            paint_shadow(b.img, float(sp.x) + 14, float(sp.y) + 1, 24, 5, 0.5f, true);
            continue;
        }
        float cx = float(sp.x), cy = float(sp.y);
        paint_region(b.img, int(cx - 60), int(cy - 30), int(cx + 60), int(cy + 30), true, [&](float x, float y) {
            float d = std::hypot((x - cx) / 55.0f, (y - cy) / 22.0f);
            return with_alpha(hex(0x60E0FF), clamp01(1.0f - d) * 0.45f);
        });
    }
    Rng rng(920);
    for (int i = 0; i < 12; i++) {
        float x = rng.range(0, float(b.w)), y = b.far_line - rng.range(0, 6);
        paint_rock(b.img, x, y, b.scale(y) * rng.range(1.0f, 1.7f), rng.range(1.0f, 2.0f), hex(0x1A1E34), hex(0x7A88B8), rng.next(), true);
        if (i % 3 == 0) paint_crystal(b.img, x + 14, y, b.scale(y) * 0.8f, hex(0x70D8F0), hex(0x40A0E0), rng.next(), true);
    }
    const HardBox& pit = p.boxes[2];
    paint_pool(b.img, float(pit.left), float(pit.top), float(pit.right), float(pit.bottom), hex(0x10142A), hex(0x3A4A7A), hex(0x6A78A8), 930, true);
    scatter(b, b.far_line, float(b.h), 150, 940, [&](float x, float y, float sc, Rng& r) {
        if (!p.walkable(int(x), int(y)) && y < b.near_line) return;
        float pick = r.unit();
        if (pick < 0.5f) paint_rock(b.img, x, y, sc * 0.25f, 1.3f, hex(0x1E2440), hex(0x8A98C8), r.next(), true);
        else if (pick < 0.6f) paint_crystal(b.img, x, y, sc * 0.3f, hex(0x80E8FF), hex(0x40A0E0), r.next(), true);
    });
    near_fringe(b, hex(0x1A1E34), hex(0x7A88B8), 950, false);
    shade_band_edges(b, 0.08f);
    grade(b, hex(0xD0DCFF), 0.15f, 1.08f);
    return b.img;
}
