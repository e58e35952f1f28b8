// Mirefen: a misty fen under a sickly sky, black pools, a boardwalk, reeds and drowned trees.
#include "backgrounds/props.h"
#include "backgrounds/settings.h"
#include <cmath>

Image paint_swamp(const LevelPlan& p)
{
    Backdrop b(p);
    float hz = b.horizon;
    paint_sky(b, {{0.0f, hex(0x2E3A30)}, {0.5f, hex(0x7A8A62)}, {1.0f, hex(0xC8C89A)}}, hz + 20);
    paint_sun(b, 560, hz - 40, 12, hex(0xF2EAC0), hex(0xE0D890, 0.6f), 90);
    paint_clouds(b, 10, 80, hex(0x9AA080, 0.8f), hex(0x4A5440), 0.6f, 5, 301);
    scatter(b, hz - 2, hz + 20, 22, 302, [&](float x, float y, float sc, Rng& r) {
        paint_dead_tree(b.img, x, y, sc * 1.1f, hex(0x5A6048), hex(0x8A9070), r.next(), true);
    });
    paint_haze(b, hz + 6, 14, hex(0xB8BC94, 0.6f));
    paint_ground(b, hz + 4, {{0.0f, hex(0x6A7050)}, {0.4f, hex(0x4E5A34)}, {1.0f, hex(0x34401E)}}, [&](float x, float y, Rgba base) {
        Rgba c = grass_texture(b, x, y, base, 311);
        float mud = b.ground_noise(x, y, 8, 312, 4);
        c = mix(c, hex(0x3A3020), smoothstep(0.55f, 0.7f, mud) * 0.6f);
        // Standing water in the low spots beyond the walkable band.
        if (y < b.far_line + 2) {
            float wet = smoothstep(0.5f, 0.56f, b.ground_noise(x, y, 5, 313, 4));
            c = mix(c, mix(hex(0x8A9478), hex(0x2A3424), clamp01((y - hz) / (b.far_line - hz))), wet * 0.85f);
        }
        return c;
    });
    // Willows and reeds along the back.
    Rng rng(320);
    for (int i = 0; i < 10; i++) {
        float x = float(i) * float(b.w) / 10.0f + rng.range(-20, 20), y = b.far_line - rng.range(0, 8);
        if (i % 3 == 0) paint_dead_tree(b.img, x, y, b.scale(y) * 1.6f, hex(0x2A2E22), hex(0x8A9070), rng.next(), true);
        else paint_bush(b.img, x, y + 3, b.scale(y) * 1.7f, hex(0x1E2A14), hex(0x44582A), hex(0x8A9A58), rng.next(), true);
        paint_reeds(b.img, x + 20, y + 4, b.scale(y) * 1.1f, hex(0x2E3A1A), hex(0x9AA060), rng.next(), true);
    }
    // Pools, the boardwalk over the first, a fallen log.
    for (size_t i = 0; i < p.boxes.size(); i++) {
        const HardBox& h = p.boxes[i];
        if (h.value != 0) continue;
        if (i == 3) {
            paint_log(b.img, (h.left + h.right) * 0.5f, float(h.bottom) + 1, b.scale(float(h.bottom)) * 1.2f, 48, hex(0x4A3C2A), 330, true);
            continue;
        }
        paint_pool(b.img, float(h.left), float(h.top), float(h.right), float(h.bottom), hex(0x1E2A1A), hex(0x9AA480), hex(0x3A3020), 331u + uint32_t(i), true);
        Rng r(340u + uint32_t(i));
        for (int k = 0; k < 5; k++) {
            float lx = r.range(float(h.left) + 10, float(h.right) - 10), ly = r.range(float(h.top) + 6, float(h.bottom) - 4);
            float sc = b.scale(ly);
            paint_region(b.img, int(lx - 8), int(ly - 4), int(lx + 8), int(ly + 4), true, [&](float x, float y) {
                float d = sd_ellipse(x, y, lx, ly, 5 * sc, 2 * sc);
                float notch = std::fabs(std::atan2(y - ly, x - lx) - 0.3f) < 0.35f ? 1.0f : 0.0f;
                return with_alpha(mix(hex(0x4A7A2A), hex(0x8AB04A), clamp01((ly - y) / 3 + 0.5f)), coverage(d) * (1.0f - notch));
            });
        }
        paint_reeds(b.img, float(h.left) + 4, float(h.bottom) - 4, b.scale(float(h.bottom)) * 0.9f, hex(0x2E3A1A), hex(0x9AA060), 350u + uint32_t(i), true);
        paint_reeds(b.img, float(h.right) - 6, (h.top + h.bottom) * 0.5f, b.scale(float(h.bottom)) * 0.8f, hex(0x2E3A1A), hex(0x9AA060), 355u + uint32_t(i), true);
    }
    // The boardwalk: planks laid across, two rails of posts along it.
    const HardBox& walk = p.boxes[1];
    float wcx = (walk.left + walk.right) * 0.5f, whalf = float(walk.right - walk.left) * 0.5f - 2;
    paint_shadow(b.img, wcx + 4, float(walk.bottom) - 4, whalf + 4, float(walk.bottom - walk.top) * 0.5f, 0.4f, true);
    paint_region(b.img, walk.left - 2, walk.top - 8, walk.right + 3, walk.bottom + 3, true, [&](float x, float y) {
        float sc = b.scale(y);
        if (y < float(walk.top) + 1 || y > float(walk.bottom) - 1) return Rgba{};
        float dx = std::fabs(x - wcx);
        float edge = whalf * (0.85f + 0.15f * sc);
        Rgba c;
        float cov = coverage(dx - edge);
        if (cov <= 0) return Rgba{};
        float plank_h = 3.0f * sc + 1.5f;
        float row = std::floor(y / plank_h);
        float frac = y / plank_h - row;
        uint32_t hsh = hash3(int(row), 0, 361);
        float grain = fbm(x * 0.25f, row * 3.0f, 360, 2);
        c = scale_rgb(hex(0x8A6A44), 0.75f + float(hsh & 63) / 255.0f + grain * 0.25f);
        if (frac < 0.25f) c = scale_rgb(hex(0x2A1C10), 1.0f);
        if (dx > edge - 2.0f) c = scale_rgb(c, 0.6f);
        return with_alpha(c, cov);
    });
    for (int k = 0; k < 4; k++) {
        float py = float(walk.top) + 4 + float(k) * float(walk.bottom - walk.top - 6) / 3.0f, sc = b.scale(py);
        for (int side = -1; side <= 1; side += 2) {
            float px = wcx + float(side) * whalf;
            paint_region(b.img, int(px - 3), int(py - 10 * sc - 2), int(px + 4), int(py + 2), true, [&](float x, float y) {
                float d = sd_round_box(x, y, px, py - 4 * sc, 1.6f * sc + 0.4f, 5 * sc, 0.5f);
                return with_alpha(scale_rgb(hex(0x5A4028), x < px ? 1.2f : 0.8f), coverage(d));
            });
        }
    }
    scatter(b, b.far_line, float(b.h), 320, 370, [&](float x, float y, float sc, Rng& r) {
        if (!p.walkable(int(x), int(y)) && y < b.near_line) return;
        float pick = r.unit();
        if (pick < 0.45f) paint_grass_tuft(b.img, x, y, sc, hex(0x2A3A18), hex(0x9AA060), r.next(), true);
        else if (pick < 0.55f) paint_reeds(b.img, x, y, sc * 0.5f, hex(0x2E3A1A), hex(0x9AA060), r.next(), true);
        else if (pick < 0.63f) paint_mushroom(b.img, x, y, sc, hex(0xB8A878), r.next(), true);
    });
    paint_region(b.img, 0, int(hz), b.w, b.h, false, [&](float x, float y) {
        float n = b.tile_noise(x, y * 3.0f, 4, 380, 4);
        return with_alpha(hex(0xD0D4B0), smoothstep(0.45f, 0.8f, n) * (0.1f + 0.35f * (1.0f - b.scale(y))));
    });
    near_fringe(b, hex(0x202C12), hex(0x8A9A50), 390, true);
    shade_band_edges(b, 0.08f);
    grade(b, hex(0xE8F0C8), 0.2f, 1.06f);
    return b.img;
}
