// Frostveil: high snowfields under pale peaks, snowy pines, an ice hole and frozen rocks. Taller than the screen.
#include "backgrounds/props.h"
#include "backgrounds/settings.h"
#include <cmath>

Image paint_snow(const LevelPlan& p)
{
    Backdrop b(p);
    float hz = b.horizon;
    paint_sky(b, {{0.0f, hex(0x4A6A9A)}, {0.6f, hex(0x9AB8D8)}, {1.0f, hex(0xE4ECF4)}}, hz + 20);
    paint_sun(b, 640, 60, 11, hex(0xFFFFFF), hex(0xE8F0FF, 0.6f), 100);
    paint_clouds(b, 20, 100, hex(0xF4F8FF, 0.85f), hex(0x8A9AB8), 0.5f, 4, 501);
    PeakStyle far{.base = hz + 6, .count = 6, .min_height = 50, .max_height = 80, .lit = hex(0x8A9CC0), .shadow = hex(0x6A7AA0),
                  .snow = hex(0xF4F8FF), .snow_line = 0.55f, .haze = hex(0xDCE6F2, 0.75f)};
    paint_peaks(b, far, 501);
    PeakStyle near_peaks{.base = hz + 10, .count = 5, .min_height = 40, .max_height = 95, .lit = hex(0x7A8AAA),
                         .shadow = hex(0x4E5A7E), .snow = hex(0xFFFFFF), .snow_line = 0.45f, .haze = hex(0xC8D4E8, 0.55f)};
    paint_peaks(b, near_peaks, 502);
    paint_haze(b, hz + 6, 14, hex(0xE8EEF6, 0.7f));
    RidgeStyle drifts{.base = hz + 26, .amplitude = 16, .cycles = 5, .sharpness = 0.0f, .top = hex(0xF4F8FF),
                      .bottom = hex(0xC8D4E8), .light = hex(0xFFFFFF, 0.4f), .fill_to = b.far_line};
    paint_ridge(b, drifts, 503);
    scatter(b, hz + 16, hz + 40, 34, 504, [&](float x, float y, float sc, Rng& r) {
        paint_pine(b.img, x, y, sc * 1.2f, hex(0x1E3A34), hex(0x4A7A6A), 1.0f, r.next(), true);
    });
    paint_ground(b, hz + 36, {{0.0f, hex(0xDCE6F2)}, {0.5f, hex(0xE8F0FA)}, {1.0f, hex(0xF4F8FF)}}, [&](float x, float y, Rgba base) {
        float n = b.ground_noise(x, y, 5, 511, 4);
        float fine = b.ground_noise(x, y, 60, 512, 2);
        Rgba c = mix(scale_rgb(hex(0x9AB0D0), 1.0f), base, 0.55f + n * 0.45f);
        c = scale_rgb(c, 0.95f + (fine - 0.5f) * 0.1f);
        float tracks = path_cover(b, x, y, (b.far_line + b.near_line) * 0.5f + 20, 30, 2, 22, 513);
        c = mix(c, hex(0xB4C4DC), tracks * 0.5f);
        if (hash3(int(x), int(y), 514) % 900 == 0) c = hex(0xFFFFFF);  // glints
        return c;
    });
    Rng rng(520);
    for (int i = 0; i < 12; i++) {
        float x = float(i) * float(b.w) / 12.0f + rng.range(-18, 18), y = b.far_line - rng.range(0, 8);
        paint_pine(b.img, x, y, b.scale(y) * rng.range(0.9f, 1.3f), hex(0x183430), hex(0x4A7A6A), 1.0f, rng.next(), true);
    }
    const HardBox& lake = p.boxes[0];
    paint_pool(b.img, float(lake.left), float(lake.top), float(lake.right), float(lake.bottom), hex(0x1A3A5A), hex(0x8AB0D8), hex(0xE8F4FF), 530, true);
    for (size_t i = 1; i < p.boxes.size(); i++) {
        const HardBox& h = p.boxes[i];
        float x = (h.left + h.right) * 0.5f, y = float(h.bottom);
        paint_rock(b.img, x, y + 1, b.scale(y) * 1.3f, 1.5f, hex(0x5A6A88), hex(0xE8F0FF), 540u + uint32_t(i), true);
        paint_region(b.img, int(x - 30), int(y - 30), int(x + 30), int(y), true, [&](float px, float py) {
            // Snow caps on the rocks.
            float d = sd_ellipse(px, py, x - 3, y - 15 * b.scale(y) * 1.3f, 16 * b.scale(y) * 1.3f, 5 * b.scale(y));
            return with_alpha(hex(0xF8FBFF), coverage(d) * 0.95f);
        });
    }
    scatter(b, b.far_line, float(b.h), 90, 550, [&](float x, float y, float sc, Rng& r) {
        if (!p.walkable(int(x), int(y)) && y < b.near_line) return;
        if (r.unit() < 0.5f) paint_rock(b.img, x, y, sc * 0.25f, 1.5f, hex(0x6A7A98), hex(0xF0F4FF), r.next(), true);
        else paint_grass_tuft(b.img, x, y, sc * 0.6f, hex(0x6A6A5A), hex(0xB8B09A), r.next(), true);
    });
    // Falling snow.
    Rng flakes(560);
    for (int i = 0; i < b.w * b.h / 300; i++) {
        float x = flakes.range(0, float(b.w)), y = flakes.range(0, float(b.h));
        b.img.blend_wrapped(int(x), int(y), hex(0xFFFFFF), 0.6f + flakes.unit() * 0.4f);
    }
    near_fringe(b, hex(0x8A9AB8), hex(0xFFFFFF), 570, false);
    shade_band_edges(b, 0.05f);
    grade(b, hex(0xE0ECFF), 0.15f, 1.05f);
    return b.img;
}
