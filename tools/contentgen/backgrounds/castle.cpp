// Ravenhold Walls: a courtyard under the curtain wall at dusk; the keep behind, cannon bastions on the wall.
#include "backgrounds/props.h"
#include "backgrounds/settings.h"
#include <cmath>

// A square bastion whose flat top carries a cannon at (x, top).
void paint_bastion(Image& img, float x, float top, float bottom, float half, Rgba stone, uint32_t seed, bool wrap)
{
    paint_region(img, int(x - half - 2), int(top - 10), int(x + half + 3), int(bottom + 1), wrap, [&](float px, float py) {
        float merlon = std::fmod(std::fabs(px - x + 100.0f), 12.0f) < 6.0f ? 7.0f : 0.0f;
        float crest = top - 3 - merlon;
        float d = std::max(std::fabs(px - x) - half, crest - py);
        if (py > bottom) return Rgba{};
        float cov = coverage(d);
        if (cov <= 0) return Rgba{};
        float row = std::floor((py - crest) / 7.0f);
        float off = std::fmod(row, 2.0f) * 7.0f;
        float fx = std::fmod(px - x + 200.0f + off, 14.0f), fy = std::fmod(py - crest, 7.0f);
        uint32_t h = hash3(int((px - x + 200.0f + off) / 14.0f), int(row), seed);
        Rgba c = scale_rgb(stone, 0.8f + float(h & 255) / 255.0f * 0.3f);
        if (fx < 1.0f || fy < 1.0f) c = scale_rgb(stone, 0.45f);
        c = scale_rgb(c, 1.12f - (px - x + half) / (2 * half) * 0.45f);
        if (py - crest < 2.5f) c = mix(c, hex(0xE8C898), 0.4f);
        return with_alpha(c, cov);
    });
}

Image paint_castle_walls(const LevelPlan& p)
{
    Backdrop b(p);
    float hz = b.horizon;
    paint_sky(b, {{0.0f, hex(0x2A1E48)}, {0.45f, hex(0x7A4A6A)}, {0.8f, hex(0xE0885A)}, {1.0f, hex(0xF4C07A)}}, hz + 30);
    paint_sun(b, 560, hz + 4, 16, hex(0xFFE8B0), hex(0xFF9A50, 0.8f), 150);
    paint_clouds(b, 10, 70, hex(0xE8A080, 0.9f), hex(0x4A2E50), 0.55f, 5, 601);
    // The keep far behind the wall.
    float kx = 360;
    paint_region(b.img, int(kx - 130), 0, int(kx + 130), int(hz + 20), true, [&](float x, float y) {
        float d = sd_round_box(x, y, kx, hz - 10, 70, 40, 0);
        for (int t = -2; t <= 2; t++) {
            float tx = kx + float(t) * 48, th = (t == 0 ? 95.0f : 70.0f - float(std::abs(t)) * 8.0f);
            d = std::min(d, sd_round_box(x, y, tx, hz - th * 0.5f + 10, 11, th * 0.5f, 0));
            d = std::min(d, sd_polygon(x, y, {{tx - 15, hz - th + 10}, {tx, hz - th - 22}, {tx + 15, hz - th + 10}}));
        }
        if (d > 0.5f) return Rgba{};
        Rgba c = mix(hex(0x2E2440), hex(0x4A3050), clamp01((y - 20) / (hz)));
        float win = std::fmod(x + 3.0f, 16.0f);
        if (win < 3 && std::fmod(y, 22.0f) < 6 && y < hz - 4 && hash3(int(x / 16), int(y / 22), 602) % 3 == 0) c = hex(0xF0A848);
        return with_alpha(c, coverage(d));
    });
    paint_haze(b, hz + 4, 12, hex(0xE8A078, 0.5f));
    // The curtain wall, with bastions for the cannons.
    WallStyle wall;
    wall.top = 118, wall.bottom = b.far_line + 2, wall.merlon_w = 10, wall.merlon_h = 9, wall.tower_every = 360;
    wall.stone = hex(0x8A7A6A), wall.mortar = hex(0x3A3028), wall.light = hex(0xF0C890), wall.windows_lit = true;
    paint_wall(b.img, wall, 603, true);
    for (const ScenerySprite& sp : p.sprites) {
        if (sp.cannon) {
            paint_bastion(b.img, float(sp.x), float(sp.y), b.far_line + 2, 30, hex(0x9A8A78), 604, true);
            paint_bastion(b.img, float(sp.cannon_x), float(sp.cannon_y), b.far_line + 2, 30, hex(0x9A8A78), 605, true);
        } else {
            // Torch sconce: an iron bracket and warm light on the stones.
            float tx = float(sp.x), ty = float(sp.y);
            paint_region(b.img, int(tx - 40), int(ty - 50), int(tx + 40), int(ty + 30), true, [&](float x, float y) {
                float d = std::hypot(x - tx, (y - ty + 14) * 1.2f);
                return with_alpha(hex(0xFFA040), std::exp(-d * d / 600.0f) * 0.5f);
            });
            paint_region(b.img, int(tx - 5), int(ty - 2), int(tx + 6), int(ty + 10), true, [&](float x, float y) {
                float d = std::min(sd_round_box(x, y, tx, ty + 1, 4, 1.2f, 0.5f), sd_round_box(x, y, tx, ty + 5, 1.2f, 4, 0.5f));
                return with_alpha(hex(0x1A1410), coverage(d));
            });
        }
    }
    paint_ground(b, b.far_line + 2, {{0.0f, hex(0x8A7A68)}, {1.0f, hex(0x6A5A4A)}}, [&](float x, float y, Rgba base) {
        Rgba c = flagstones(b, x, y, b.far_line + 2, base, hex(0x3A3028), 26, 611);
        float dirt = b.ground_noise(x, y, 8, 612, 4);
        c = mix(c, hex(0x5A4A36), smoothstep(0.55f, 0.75f, dirt) * 0.5f);
        return c;
    });
    // Shadow of the wall across the near courtyard edge.
    paint_region(b.img, 0, int(b.far_line), b.w, int(b.far_line + 16), false, [&](float, float y) {
        return Rgba{0.05f, 0.03f, 0.06f, (1.0f - (y - b.far_line) / 16.0f) * 0.45f};
    });
    // The well.
    const HardBox& w0 = p.boxes[0];
    float wx = (w0.left + w0.right) * 0.5f, wy = float(w0.bottom) - 2, ws = b.scale(wy) * 1.3f;
    paint_shadow(b.img, wx + 10, wy + 2, 30 * ws, 7 * ws, 0.5f, true);
    paint_region(b.img, int(wx - 30 * ws), int(wy - 60 * ws), int(wx + 30 * ws), int(wy + 4), true, [&](float x, float y) {
        float rx = 18 * ws, ry = 6 * ws, h = 14 * ws;
        float top = sd_ellipse(x, y, wx, wy - h, rx, ry);
        float side = std::max(std::fabs(x - wx) - rx, std::max(wy - h - y, y - wy - ry * std::sqrt(std::max(0.0f, 1 - std::pow((x - wx) / rx, 2.0f)))));
        float posts = std::min(sd_round_box(x, y, wx - rx + 2 * ws, wy - h - 18 * ws, 1.8f * ws, 18 * ws, 0.5f),
                               sd_round_box(x, y, wx + rx - 2 * ws, wy - h - 18 * ws, 1.8f * ws, 18 * ws, 0.5f));
        float roof = sd_polygon(x, y, {{wx - rx - 5 * ws, wy - h - 32 * ws}, {wx, wy - h - 46 * ws}, {wx + rx + 5 * ws, wy - h - 32 * ws}});
        if (roof < 0.5f) return with_alpha(scale_rgb(hex(0x6A3A2A), x < wx ? 1.1f : 0.75f), coverage(roof));
        if (posts < 0.5f) return with_alpha(hex(0x4A3020), coverage(posts));
        if (top < 0) {
            float inner = sd_ellipse(x, y, wx, wy - h, rx - 3 * ws, ry - 1.5f * ws);
            return inner < 0 ? hex(0x0A0C10) : with_alpha(hex(0xB0A08A), 1.0f);
        }
        if (side < 0.5f) {
            float row = std::fmod(y, 5.0f * ws + 1);
            Rgba c = scale_rgb(hex(0x8A7A68), 1.1f - (x - wx + rx) / (2 * rx) * 0.5f);
            if (row < 1.0f) c = scale_rgb(c, 0.6f);
            return with_alpha(c, coverage(side));
        }
        return Rgba{};
    });
    // Barrels and crates by the second box.
    const HardBox& w1 = p.boxes[1];
    for (int k = 0; k < 3; k++) {
        float bx = float(w1.left) + 8 + float(k) * 12, by = float(w1.bottom) - float(k % 2) * 5;
        float sc = b.scale(by) * 1.2f;
        paint_shadow(b.img, bx + 6, by, 12 * sc, 3 * sc, 0.5f, true);
        paint_region(b.img, int(bx - 10 * sc), int(by - 24 * sc), int(bx + 10 * sc), int(by + 2), true, [&](float x, float y) {
            float bulge = 1.0f + 0.12f * std::sin((y - by) / (20 * sc) * 3.14159f);
            float d = std::max(std::fabs(x - bx) - 7 * sc * bulge, std::max(by - 20 * sc - y, y - by));
            if (d > 0.5f) return Rgba{};
            float u = (x - bx) / (7 * sc);
            Rgba c = scale_rgb(hex(0x8A5A32), 1.15f - u * 0.45f);
            float band = std::fmod(y - by + 40 * sc, 7 * sc);
            if (band < 1.2f * sc) c = hex(0x3A3430);
            return with_alpha(c, coverage(d));
        });
    }
    scatter(b, b.far_line + 4, float(b.h), 90, 620, [&](float x, float y, float sc, Rng& r) {
        if (!p.walkable(int(x), int(y)) && y < b.near_line) return;
        if (r.unit() < 0.6f) paint_grass_tuft(b.img, x, y, sc * 0.6f, hex(0x4A5A2A), hex(0x9AA868), r.next(), true);
        else paint_rock(b.img, x, y, sc * 0.22f, 1.4f, hex(0x5A4E44), hex(0xC8B8A0), r.next(), true);
    });
    near_fringe(b, hex(0x4A3E34), hex(0xB8A890), 630, false);
    shade_band_edges(b, 0.06f);
    grade(b, hex(0xFFD8C0), 0.2f, 1.06f);
    return b.img;
}
