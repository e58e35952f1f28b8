// Sunscar Dunes: a blazing desert of another age, mesas on the horizon, rippled sand and bleached bones.
#include "backgrounds/props.h"
#include "backgrounds/settings.h"
#include <cmath>

Image paint_desert(const LevelPlan& p)
{
    Backdrop b(p);
    float hz = b.horizon;
    paint_sky(b, {{0.0f, hex(0x3A7AC8)}, {0.6f, hex(0x9AC4E4)}, {0.92f, hex(0xF2E6C0)}, {1.0f, hex(0xFFE8B0)}}, hz + 16);
    paint_sun(b, 180, 30, 15, hex(0xFFFFF4), hex(0xFFF4C8, 0.95f), 160);
    paint_clouds(b, 20, 50, hex(0xFFFFFF, 0.5f), hex(0xC8D4E4), 0.3f, 4, 401);
    // Mesas: flat tops cut into a ridge.
    RidgeStyle mesas{.base = hz + 4, .amplitude = 40, .cycles = 4, .sharpness = 0.3f, .top = hex(0xC87A50),
                     .bottom = hex(0xE0A878), .light = hex(0xFFD8A8, 0.4f), .fill_to = hz + 12};
    Backdrop tmp = b;
    paint_ridge(tmp, mesas, 402);
    for (int y = 0; y < b.h; y++)
        for (int x = 0; x < b.w; x++) {
            float cut = hz - 20 - 8 * std::sin(float(x) / float(b.w) * 6.2832f * 3);
            if (float(y) < cut) continue;  // shave the peaks flat
            b.img.at(x, y) = tmp.img.at(x, y);
        }
    paint_haze(b, hz + 6, 10, hex(0xFFE8C0, 0.7f));
    RidgeStyle dunes{.base = hz + 22, .amplitude = 18, .cycles = 5, .sharpness = 0.0f, .top = hex(0xF0C888),
                     .bottom = hex(0xD8A868), .light = hex(0xFFF0C8, 0.6f), .fill_to = b.far_line};
    paint_ridge(b, dunes, 403);
    paint_ground(b, hz + 30, {{0.0f, hex(0xEAC58A)}, {0.5f, hex(0xDEB27A)}, {1.0f, hex(0xC8985E)}}, [&](float x, float y, Rgba base) {
        float n = b.ground_noise(x, y, 6, 411, 4);
        // Wind ripples: bands in depth that bend with the noise.
        float z = 1.0f / std::max(0.05f, b.scale(y));
        float ripple = std::sin(z * 55.0f + n * 9.0f + x * 0.02f);
        Rgba c = scale_rgb(base, 0.88f + n * 0.22f + ripple * 0.05f * b.scale(y));
        c = mix(c, hex(0xFFF0D0), smoothstep(0.85f, 1.0f, ripple) * 0.12f);
        return c;
    });
    Rng rng(420);
    for (int i = 0; i < 9; i++) {
        float x = rng.range(0, float(b.w)), y = b.far_line - rng.range(0, 6);
        paint_rock(b.img, x, y, b.scale(y) * rng.range(1.0f, 1.8f), rng.range(1.2f, 2.5f), hex(0x8A4A2A), hex(0xF0B888), rng.next(), true);
    }
    for (size_t i = 0; i < p.boxes.size(); i++) {
        const HardBox& h = p.boxes[i];
        float x = (h.left + h.right) * 0.5f, y = float(h.bottom);
        float wide = float(h.right - h.left) / (34.0f * b.scale(y) * 1.3f);
        paint_rock(b.img, x, y + 1, b.scale(y) * 1.3f, std::max(1.0f, wide), hex(0x7A3E22), hex(0xF4BC8A), 430u + uint32_t(i), true);
    }
    scatter(b, b.far_line, float(b.h), 140, 440, [&](float x, float y, float sc, Rng& r) {
        if (!p.walkable(int(x), int(y)) && y < b.near_line) return;
        float pick = r.unit();
        if (pick < 0.3f) paint_rock(b.img, x, y, sc * 0.3f, 1.4f, hex(0x8A5A3A), hex(0xF0C898), r.next(), true);
        else if (pick < 0.42f) paint_bones(b.img, x, y, sc * 0.9f, r.next(), true);
        else if (pick < 0.6f) paint_grass_tuft(b.img, x, y, sc * 0.8f, hex(0x8A7A3A), hex(0xD8C878), r.next(), true);
    });
    {
        Rng fr(450);
        for (int i = 0; i < b.w / 40; i++) {
            float x = fr.range(0, float(b.w)), y = fr.range(b.near_line + 6, float(b.h) + 6);
            if (fr.unit() < 0.5f) paint_rock(b.img, x, y, fr.range(0.5f, 0.9f), fr.range(1.0f, 2.0f), hex(0x7A4A2A), hex(0xF0C088), fr.next(), true);
            else paint_grass_tuft(b.img, x, y, 1.4f, hex(0x7A6A32), hex(0xD8C878), fr.next(), true);
        }
    }
    shade_band_edges(b, 0.05f);
    grade(b, hex(0xFFE8C8), 0.2f, 1.05f);
    return b.img;
}
