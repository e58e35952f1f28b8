// Meadowbrook: a summer meadow under a bright sky, hills and far mountains, a pond and a winding path.
#include "backgrounds/props.h"
#include "backgrounds/settings.h"

Image paint_meadow(const LevelPlan& p)
{
    Backdrop b(p);
    float hz = b.horizon;
    paint_sky(b, {{0.0f, hex(0x2F63B8)}, {0.55f, hex(0x7FB2E6)}, {0.9f, hex(0xCFE3EE)}, {1.0f, hex(0xF3E9CF)}}, hz + 20);
    paint_sun(b, 70, 34, 13, hex(0xFFFBE8), hex(0xFFF2C0, 0.9f), 120);
    paint_clouds(b, 6, 70, hex(0xFFFFFF, 0.95f), hex(0x9FB0CC), 0.56f, 4, 11);
    paint_clouds(b, 56, 96, hex(0xFBF6EA, 0.85f), hex(0xB0BACC), 0.5f, 6, 12);
    PeakStyle mountains{.base = hz + 8, .count = 7, .min_height = 22, .max_height = 48, .lit = hex(0x9AAED0),
                        .shadow = hex(0x7A8CB0), .snow = hex(0xF6F9FF), .snow_line = 0.32f, .haze = hex(0xD8E4EE, 0.7f)};
    paint_peaks(b, mountains, 21);
    paint_haze(b, hz + 4, 10, hex(0xE6EEF0, 0.6f));
    RidgeStyle hills{.base = hz + 16, .amplitude = 20, .cycles = 4, .sharpness = 0.1f, .top = hex(0x7FA65A),
                     .bottom = hex(0x5E8A40), .light = hex(0xC8E090, 0.3f), .fill_to = b.far_line};
    paint_ridge(b, hills, 22);
    // Far trees dotting the hills.
    scatter(b, hz + 8, hz + 26, 26, 23, [&](float x, float y, float, Rng& rng) {
        paint_tree(b.img, x, y, 0.22f + rng.range(0, 0.08f), hex(0x3C5E34), hex(0x5D8448), hex(0x8DB06A), hex(0x4A3A2A), rng.next(), true);
    });
    float ground_top = hz + 22;
    paint_ground(b, ground_top, {{0.0f, hex(0x9CBB62)}, {0.35f, hex(0x7DAA48)}, {1.0f, hex(0x4E8A2C)}},
                 [&](float x, float y, Rgba base) {
                     Rgba c = grass_texture(b, x, y, base, 31);
                     float path = path_cover(b, x, y, (b.far_line + b.near_line) * 0.5f + 14, 34, 2, 34, 32);
                     if (path > 0) {
                         Rgba dirt = scale_rgb(hex(0xB89868), 0.85f + b.ground_noise(x, y, 40, 33, 3) * 0.3f);
                         c = mix(c, dirt, path * 0.9f);
                     }
                     return c;
                 });
    // The treeline and hedges that close the meadow at the back.
    Rng rng(41);
    for (int i = 0; i < 14; i++) {
        float x = float(i) * float(b.w) / 14.0f + rng.range(-12, 12);
        float y = b.far_line - rng.range(2, 10);
        paint_bush(b.img, x, y + 4, b.scale(y) * 1.6f, hex(0x2F4E28), hex(0x4E7A3A), hex(0x86B060), rng.next(), true);
    }
    for (int i = 0; i < 9; i++) {
        float x = float(i) * float(b.w) / 9.0f + rng.range(-20, 20);
        float y = b.far_line - rng.range(0, 6);
        paint_tree(b.img, x, y, b.scale(y) * rng.range(0.9f, 1.15f), hex(0x2C4A26), hex(0x4F7E38), hex(0x9CC46A), hex(0x4B3624), rng.next(), true);
    }
    // Ground cover, far to near.
    scatter(b, b.far_line, float(b.h), 420, 42, [&](float x, float y, float sc, Rng& r) {
        if (!p.walkable(int(x), int(y)) && y > b.far_line && y < b.near_line) return;
        float pick = r.unit();
        if (pick < 0.55f) paint_grass_tuft(b.img, x, y, sc, hex(0x3E6E24), hex(0xA8CC68), r.next(), true);
        else if (pick < 0.8f) {
            const Rgba cols[] = {hex(0xF4E04A), hex(0xFFFFFF), hex(0xB070D8), hex(0xE85A4A)};
            paint_flower(b.img, x, y, sc, cols[r.below(4)], r.next(), true);
        } else if (pick < 0.86f)
            paint_rock(b.img, x, y, sc * 0.35f, 1.2f, hex(0x6A6A62), hex(0xC8C4B4), r.next(), true);
    });
    // The pond and its reeds.
    const HardBox& pond = p.boxes[0];
    paint_pool(b.img, float(pond.left), float(pond.top), float(pond.right), float(pond.bottom), hex(0x2E5A6E), hex(0xA8CCE8), hex(0x5A4A32), 51, true);
    for (int i = 0; i < 7; i++) {
        float x = float(pond.left) + float(i) * float(pond.right - pond.left) / 6.0f;
        float y = i % 2 ? float(pond.top) + 2 : float(pond.bottom) + 3;
        if (i == 0 || i == 6) y = (pond.top + pond.bottom) * 0.5f + 3;
        paint_reeds(b.img, x, y, b.scale(y) * 0.8f, hex(0x3A5A22), hex(0x9AB860), 52u + uint32_t(i), true);
    }
    // Camp: a ring of stones and a log to sit on; the fire itself is a scenery strip.
    float fx = float(p.sprites[0].x), fy = float(p.sprites[0].y);
    paint_shadow(b.img, fx, fy, 16, 5, 0.6f, true);
    for (int i = 0; i < 9; i++) {
        float a = float(i) / 9.0f * 6.2832f;
        paint_rock(b.img, fx + std::cos(a) * 12, fy + std::sin(a) * 4 + 1, 0.18f, 1.0f, hex(0x55524C), hex(0xB8B2A4), 60u + uint32_t(i), true);
    }
    paint_log(b.img, fx - 34, fy + 10, b.scale(fy), 26, hex(0x6A4A30), 61, true);
    // Signpost foot: a worn patch.
    paint_shadow(b.img, float(p.sprites[1].x) + 6, float(p.sprites[1].y), 14, 4, 0.5f, true);
    near_fringe(b, hex(0x2E5A1C), hex(0x8CB850), 71, true);
    shade_band_edges(b, 0.06f);
    grade(b, hex(0xFFF4E0), 0.25f, 1.05f);
    return b.img;
}
