// Thornmaw Garden: an overgrown palace garden at twilight, ruined arches, hungry hedges and an old paved walk.
#include "backgrounds/props.h"
#include "backgrounds/settings.h"
#include <cmath>

Image paint_thorn_garden(const LevelPlan& p)
{
    Backdrop b(p);
    float hz = b.horizon;
    paint_sky(b, {{0.0f, hex(0x1A1238)}, {0.55f, hex(0x5A2E6A)}, {0.9f, hex(0xC8688A)}, {1.0f, hex(0xE8A08A)}}, hz + 20);
    paint_stars(b, 140, hz * 0.6f, 701);
    paint_moon(b, 250, 42, 22, hex(0xF0E0F0), hex(0x9A7AA0));
    paint_clouds(b, 40, 90, hex(0xD88AA0, 0.6f), hex(0x3A2050), 0.45f, 5, 702);
    // Ruined arcade along the horizon: pillars carrying round arches, broken in places.
    paint_region(b.img, 0, int(hz - 60), b.w, int(hz + 16), false, [&](float x, float y) {
        float pitch = 40.0f, fx = std::fmod(x, pitch);
        float ruin = b.tile_noise(x, 0, 20, 703, 2);
        float top = hz - 30 - ruin * 22;
        float arch_y = hz - 14;
        float opening = std::max(std::fabs(fx - pitch * 0.5f) - 13.0f, arch_y - y);
        opening = std::min(opening, std::hypot(fx - pitch * 0.5f, y - arch_y) - 13.0f);
        float wall = std::max(top - y, y - (hz + 14));
        float d = std::max(wall, -opening);
        if (d > 0.5f) return Rgba{};
        float shade = b.tile_noise(x, y, 120, 704, 2);
        Rgba c = mix(hex(0x3A2A48), hex(0x6A4A6A), clamp01((hz + 14 - y) / 50) * 0.7f + shade * 0.3f);
        return with_alpha(c, coverage(d));
    });
    paint_haze(b, hz + 8, 12, hex(0xC880A0, 0.4f));
    paint_ground(b, hz + 10, {{0.0f, hex(0x3A4A48)}, {0.4f, hex(0x2E4A3A)}, {1.0f, hex(0x22402A)}}, [&](float x, float y, Rgba base) {
        Rgba c = grass_texture(b, x, y, base, 711);
        float path = path_cover(b, x, y, (b.far_line + b.near_line) * 0.5f, 24, 2, 46, 712);
        if (path > 0.05f) {
            Rgba stone = flagstones(b, x, y, b.far_line - 20, hex(0x8A8090), hex(0x2A2430), 16, 713);
            float moss = b.ground_noise(x, y, 20, 714, 3);
            stone = mix(stone, hex(0x4A6A3A), smoothstep(0.5f, 0.7f, moss) * 0.7f);
            c = mix(c, stone, path);
        }
        return c;
    });
    // Hedge walls at the back, statues in them.
    Rng rng(720);
    for (int i = 0; i < 16; i++) {
        float x = float(i) * float(b.w) / 16.0f + rng.range(-10, 10), y = b.far_line - rng.range(0, 5);
        paint_thorns(b.img, x, y + 2, b.scale(y) * 1.4f, 60 * b.scale(y), hex(0x1A2A22), hex(0x5A7A4A), rng.next(), true);
    }
    for (int i = 0; i < 4; i++) {
        float x = float(i) * float(b.w) / 4.0f + 100, y = b.far_line - 6, sc = b.scale(y);
        paint_region(b.img, int(x - 20 * sc), int(y - 80 * sc), int(x + 20 * sc), int(y + 2), true, [&](float px, float py) {
            float plinth = sd_round_box(px, py, x, y - 8 * sc, 12 * sc, 8 * sc, 0);
            float body = sd_polygon(px, py, {{x - 8 * sc, y - 16 * sc}, {x - 5 * sc, y - 55 * sc}, {x + 5 * sc, y - 55 * sc}, {x + 9 * sc, y - 16 * sc}});
            float head = sd_circle(px, py, x, y - 62 * sc, 6 * sc);
            float wing = sd_ellipse(px, py, x - 10 * sc, y - 50 * sc, 6 * sc, 16 * sc);
            float d = std::min({plinth, body, head, wing});
            if (d > 0.5f) return Rgba{};
            Rgba c = scale_rgb(hex(0x9A92A8), px < x ? 1.1f : 0.7f);
            return with_alpha(c, coverage(d));
        });
    }
    // The hedge at the garden's side wall (across the seam), closing the walk.
    for (int k = 0; k < 7; k++) {
        float y = b.far_line + float(k) * (b.near_line - b.far_line + 20) / 6.0f;
        paint_thorns(b.img, 0, y, b.scale(y) * 1.3f, 50 * b.scale(y), hex(0x1A2A22), hex(0x5A7A4A), 730u + uint32_t(k), true);
    }
    for (size_t i = 0; i < p.boxes.size(); i++) {
        const HardBox& h = p.boxes[i];
        float y = float(h.bottom);
        paint_thorns(b.img, (h.left + h.right) * 0.5f, y, b.scale(y) * 1.2f, float(h.right - h.left), hex(0x2A1A2A), hex(0x7A4A6A), 740u + uint32_t(i), true);
    }
    scatter(b, b.far_line, float(b.h), 260, 750, [&](float x, float y, float sc, Rng& r) {
        if (!p.walkable(int(x), int(y)) && y < b.near_line) return;
        float pick = r.unit();
        if (pick < 0.5f) paint_grass_tuft(b.img, x, y, sc, hex(0x1A3020), hex(0x6A8A5A), r.next(), true);
        else if (pick < 0.7f) paint_flower(b.img, x, y, sc * 1.4f, r.unit() < 0.5f ? hex(0xB040C8) : hex(0xD83A5A), r.next(), true);
        else if (pick < 0.76f) paint_mushroom(b.img, x, y, sc, hex(0x8A4AC8), r.next(), true);
    });
    near_fringe(b, hex(0x142418), hex(0x5A7A4A), 760, true);
    shade_band_edges(b, 0.08f);
    grade(b, hex(0xE8D0FF), 0.2f, 1.08f);
    return b.img;
}
