// Hollow Graves: a moonlit churchyard behind an iron fence, ground mist between the stones.
#include "backgrounds/props.h"
#include "backgrounds/settings.h"
#include <cmath>

Image paint_graveyard(const LevelPlan& p)
{
    Backdrop b(p);
    float hz = b.horizon;
    paint_sky(b, {{0.0f, hex(0x0A0C24)}, {0.6f, hex(0x28305A)}, {1.0f, hex(0x5A5C80)}}, hz + 20);
    paint_stars(b, 260, hz, 201);
    paint_moon(b, 470, 46, 18, hex(0xF4F0DA), hex(0x8A8C9C));
    paint_clouds(b, 30, 80, hex(0x8A90B8, 0.55f), hex(0x2A2E50), 0.45f, 5, 202);
    RidgeStyle hills{.base = hz + 8, .amplitude = 24, .cycles = 3, .sharpness = 0.2f, .top = hex(0x1C2238),
                     .bottom = hex(0x262C48)};
    paint_ridge(b, hills, 203);
    // The chapel on the hill, a dark shape with one lit window.
    float cx = 150, cy = hz + 6;
    paint_region(b.img, int(cx - 40), int(cy - 90), int(cx + 40), int(cy + 4), true, [&](float x, float y) {
        float nave = sd_round_box(x, y, cx + 8, cy - 14, 22, 14, 0);
        float roof = sd_polygon(x, y, {{cx - 16, cy - 28}, {cx + 8, cy - 44}, {cx + 32, cy - 28}});
        float tower = sd_round_box(x, y, cx - 16, cy - 30, 8, 30, 0);
        float spire = sd_polygon(x, y, {{cx - 25, cy - 60}, {cx - 16, cy - 88}, {cx - 7, cy - 60}});
        float d = std::min({nave, roof, tower, spire});
        if (d > 0.5f) return Rgba{};
        Rgba c = hex(0x10121E);
        if (sd_round_box(x, y, cx + 8, cy - 16, 3, 5, 2) < 0) c = hex(0xF0B860);
        if (sd_round_box(x, y, cx - 16, cy - 44, 2, 4, 1.5f) < 0) c = hex(0xC89040);
        return with_alpha(c, coverage(d));
    });
    scatter(b, hz + 4, hz + 18, 10, 204, [&](float x, float y, float sc, Rng& r) {
        paint_dead_tree(b.img, x, y, sc * 1.6f, hex(0x141620), hex(0x3A4060), r.next(), true);
    });
    paint_haze(b, hz + 14, 8, hex(0x7A80A8, 0.35f));
    float ground_top = hz + 10;
    paint_ground(b, ground_top, {{0.0f, hex(0x3A4A5A)}, {0.4f, hex(0x2E4A44)}, {1.0f, hex(0x1E3A2E)}}, [&](float x, float y, Rgba base) {
        Rgba c = grass_texture(b, x, y, base, 211);
        float path = path_cover(b, x, y, (b.far_line + b.near_line) * 0.5f + 10, 20, 1, 30, 212);
        c = mix(c, scale_rgb(hex(0x5A5648), 0.8f + b.ground_noise(x, y, 30, 213, 2) * 0.4f), path * 0.8f);
        return c;
    });
    // Rows of old graves beyond the fence.
    scatter(b, hz + 18, b.far_line - 12, 60, 214, [&](float x, float y, float sc, Rng& r) {
        GraveStyle st = r.unit() < 0.5f ? GraveStyle::Slab : (r.unit() < 0.6f ? GraveStyle::Cross : GraveStyle::Obelisk);
        paint_grave(b.img, x, y, sc, st, hex(0x6A7088), r.next(), true);
    });
    // Iron fence along the back of the walkable ground.
    float fy = b.far_line - 2, fh = 30 * b.scale(fy);
    paint_region(b.img, 0, int(fy - fh - 6), b.w, int(fy + 2), false, [&](float x, float y) {
        float pitch = 9.0f;
        float fx = std::fmod(x, pitch);
        float bar = std::fabs(fx - pitch * 0.5f) - 0.8f;
        float tip = sd_polygon(fx, y, {{pitch * 0.5f - 2.2f, fy - fh + 1}, {pitch * 0.5f, fy - fh - 5}, {pitch * 0.5f + 2.2f, fy - fh + 1}});
        float rails = std::min(std::fabs(y - (fy - fh * 0.8f)) - 0.9f, std::fabs(y - (fy - fh * 0.2f)) - 0.9f);
        float d = std::min({std::max(bar, std::fabs(y - (fy - fh * 0.5f)) - fh * 0.5f), tip, rails});
        if (y > fy) return Rgba{};
        return with_alpha(hex(0x0C0E16), coverage(d));
    });
    // The graves that block the way, and a few small ones along the paths.
    const GraveStyle styles[] = {GraveStyle::Slab, GraveStyle::Cross, GraveStyle::Slab, GraveStyle::Obelisk, GraveStyle::Cross, GraveStyle::Slab};
    for (size_t i = 0; i < p.boxes.size(); i++) {
        const HardBox& h = p.boxes[i];
        float x = (h.left + h.right) * 0.5f, y = float(h.bottom) - 2;
        if (p.sprites.size() && std::abs(p.sprites[0].x - int(x)) < 20) {
            paint_shadow(b.img, x + 10, y, 26, 6, 0.5f, true);  // the dead tree's own foot
            continue;
        }
        paint_grave(b.img, x, y, b.scale(y) * 1.5f, styles[i % 6], hex(0x8A90A0), 220u + uint32_t(i), true);
    }
    scatter(b, b.far_line, float(b.h), 260, 230, [&](float x, float y, float sc, Rng& r) {
        if (!p.walkable(int(x), int(y)) && y < b.near_line) return;
        if (r.unit() < 0.7f) paint_grass_tuft(b.img, x, y, sc, hex(0x1A2E26), hex(0x5A7A6A), r.next(), true);
        else if (r.unit() < 0.08f) paint_bones(b.img, x, y, sc * 0.7f, r.next(), true);
    });
    // Ground mist, thicker far away.
    paint_region(b.img, 0, int(hz), b.w, b.h, false, [&](float x, float y) {
        float n = b.tile_noise(x, y * 3.0f, 5, 240, 4);
        float depth = 1.0f - b.scale(y);
        return with_alpha(hex(0xA8B4D0), smoothstep(0.4f, 0.75f, n) * (0.15f + 0.3f * depth));
    });
    near_fringe(b, hex(0x10201A), hex(0x4A6A5A), 250, true);
    shade_band_edges(b, 0.1f);
    grade(b, hex(0xC8D4FF), 0.2f, 1.1f);
    return b.img;
}
