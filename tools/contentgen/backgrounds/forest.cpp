// Whisperwood: a deep forest in late gold light, trunks fading into mist, a mossy floor.
#include "backgrounds/props.h"
#include "backgrounds/settings.h"
#include <cmath>

Image paint_forest(const LevelPlan& p)
{
    Backdrop b(p);
    float hz = b.horizon;
    paint_sky(b, {{0.0f, hex(0x3E5A3A)}, {0.5f, hex(0x9AAE78)}, {1.0f, hex(0xE8D89A)}}, hz + 40);
    paint_sun(b, 420, hz - 30, 10, hex(0xFFF4C8), hex(0xFFE79A, 0.8f), 140);
    // Misty depth behind the trees.
    paint_region(b.img, 0, int(hz - 40), b.w, int(b.far_line), false, [&](float, float y) {
        float t = clamp01((y - (hz - 40)) / (b.far_line - hz + 40));
        return gradient_at({{0.0f, hex(0xA8B080, 0.0f)}, {0.3f, hex(0x9AA878)}, {1.0f, hex(0x5E6A3A)}}, t);
    });
    // Rows of trunks, far ones pale in the mist, near ones dark, each row under its own veil of mist.
    for (int row = 0; row < 4; row++) {
        float depth = float(row) / 3.0f;
        Rgba col = mix(hex(0x7A8468), hex(0x2E261C), depth);
        float foot = hz + 6 + depth * (b.far_line - hz - 14);
        Rng rng(100u + uint32_t(row));
        int n = 30 - row * 5;
        for (int i = 0; i < n; i++) {
            float x = rng.range(0, float(b.w));
            float wdt = (2.0f + depth * 7.0f) * rng.range(0.7f, 1.3f);
            paint_region(b.img, int(x - wdt * 2 - 2), 0, int(x + wdt * 2 + 3), int(foot + 3), true, [&](float px, float py) {
                float d = std::fabs(px - x) - wdt * (1.0f + 0.6f * smoothstep(foot - 8, foot, py));
                if (py > foot + 1) return Rgba{};
                float u = (px - x) / wdt;
                float bark = b.tile_noise(px, py * 0.15f, 200, 110u + uint32_t(row), 3);
                Rgba c = scale_rgb(col, 1.15f - u * 0.3f + (bark - 0.5f) * 0.35f * depth);
                return with_alpha(c, coverage(d) * clamp01(foot + 1 - py));
            });
        }
        if (row < 3) paint_haze(b, foot - 4, 14, hex(0xA8B080, 0.22f));
    }
    // Dense canopy across the top: small clumps of leaves, a few specks of bright sky, a ragged hem.
    paint_region(b.img, 0, 0, b.w, int(hz + 30), false, [&](float x, float y) {
        float hem = hz - 30 + 34 * b.tile_noise(x, 0, 12, 122, 4);
        float n = b.tile_noise(x, y * 1.2f, 36, 120, 5);
        float depth = clamp01(y / hem);
        float edge = 0.22f + depth * depth * 0.35f;
        float cov = smoothstep(edge - 0.04f, edge + 0.02f, n) * smoothstep(hem + 6, hem - 6, y);
        if (cov <= 0) return Rgba{};
        float leaf = b.tile_noise(x, y, 140, 121, 3);
        float shade = b.tile_noise(x - 3, y * 1.2f - 4, 36, 120, 5);
        float lit = clamp01((n - shade) * 6.0f + 0.3f + (leaf - 0.5f) * 0.9f - depth * 0.25f);
        Rgba c = mix(hex(0x12200C), hex(0x7E9E40), lit);
        return with_alpha(c, cov);
    });
    float ground_top = b.far_line - 10;
    paint_ground(b, ground_top, {{0.0f, hex(0x7A7A48)}, {0.4f, hex(0x5E6A34)}, {1.0f, hex(0x3C4A22)}}, [&](float x, float y, Rgba base) {
        Rgba c = grass_texture(b, x, y, base, 131);
        float litter = b.ground_noise(x, y, 50, 132, 3);
        c = mix(c, hex(0x8A6A3A), smoothstep(0.55f, 0.75f, litter) * 0.5f);
        float path = path_cover(b, x, y, (b.far_line + b.near_line) * 0.5f, 26, 1, 40, 133);
        c = mix(c, scale_rgb(hex(0x8A7450), 0.8f + litter * 0.35f), path * 0.75f);
        return c;
    });
    // The forest edge at the back: big trunks and undergrowth.
    Rng rng(140);
    for (int i = 0; i < 12; i++) {
        float x = float(i) * float(b.w) / 12.0f + rng.range(-15, 15), y = b.far_line - rng.range(0, 6);
        paint_bush(b.img, x, y + 2, b.scale(y) * 1.8f, hex(0x1E3418), hex(0x3E5E2A), hex(0x7E9E4A), rng.next(), true);
    }
    scatter(b, b.far_line, float(b.h), 300, 141, [&](float x, float y, float sc, Rng& r) {
        if (!p.walkable(int(x), int(y)) && y < b.near_line) return;
        float pick = r.unit();
        if (pick < 0.45f) paint_grass_tuft(b.img, x, y, sc, hex(0x2E4A1C), hex(0x8AA850), r.next(), true);
        else if (pick < 0.6f) paint_bush(b.img, x, y, sc * 0.45f, hex(0x24401A), hex(0x4A7030), hex(0x9AB860), r.next(), true);
        else if (pick < 0.7f) paint_mushroom(b.img, x, y, sc, r.unit() < 0.5f ? hex(0xC83A2A) : hex(0xC8A060), r.next(), true);
        else if (pick < 0.76f) paint_rock(b.img, x, y, sc * 0.3f, 1.3f, hex(0x4E5248), hex(0x9AA088), r.next(), true);
    });
    const HardBox& b0 = p.boxes[0];
    paint_rock(b.img, (b0.left + b0.right) * 0.5f, float(b0.bottom) + 2, b.scale(float(b0.bottom)) * 1.5f, 1.4f, hex(0x3E4438), hex(0xA8AE94), 150, true);
    paint_bush(b.img, float(b0.right) - 2, float(b0.bottom) + 3, b.scale(float(b0.bottom)) * 0.5f, hex(0x24401A), hex(0x4A7030), hex(0x9AB860), 151, true);
    const HardBox& b1 = p.boxes[1];
    paint_log(b.img, (b1.left + b1.right) * 0.5f, float(b1.bottom) + 1, b.scale(float(b1.bottom)), 42, hex(0x5A4430), 152, true);
    const HardBox& b2 = p.boxes[2];
    paint_stump(b.img, (b2.left + b2.right) * 0.5f, float(b2.bottom) + 1, b.scale(float(b2.bottom)) * 1.2f, hex(0x5A4430), 153, true);
    // Shafts of light through the canopy.
    for (int k = 0; k < 5; k++) {
        float x0 = float(k) * float(b.w) / 5.0f + 40;
        paint_region(b.img, 0, 0, b.w, int(b.near_line), false, [&](float x, float y) {
            float along = x - x0 - y * 0.45f;
            float beam = std::exp(-along * along / 180.0f);
            return with_alpha(hex(0xFFF0B0), beam * 0.12f * (1.0f - y / b.near_line));
        });
    }
    near_fringe(b, hex(0x22381A), hex(0x7A9A48), 160, true);
    shade_band_edges(b, 0.08f);
    grade(b, hex(0xFFE8C0), 0.25f, 1.08f);
    return b.img;
}
