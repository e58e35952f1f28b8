// The Black Causeway: a stone bridge over an abyss in a storm, the spire waiting on the horizon.
#include "backgrounds/props.h"
#include "backgrounds/settings.h"
#include <cmath>

void paint_bastion(Image& img, float x, float top, float bottom, float half, Rgba stone, uint32_t seed, bool wrap);

Image paint_causeway(const LevelPlan& p)
{
    Backdrop b(p);
    float hz = b.horizon;
    paint_sky(b, {{0.0f, hex(0x0E0C18)}, {0.5f, hex(0x2A2438)}, {1.0f, hex(0x5A4A60)}}, hz + 40);
    paint_clouds(b, 0, 90, hex(0x6A5A78, 0.95f), hex(0x141020), 0.65f, 5, 1001);
    // Lightning glow inside the clouds and a bolt.
    paint_sun(b, 300, 40, 0, hex(0xFFFFFF), hex(0xC8C0FF, 0.45f), 120);
    paint_region(b.img, 280, 30, 340, int(hz + 10), true, [&](float x, float y) {
        float cx = 300 + std::sin(y * 0.21f) * 8 + std::sin(y * 0.07f + 1) * 12 + (y - 30) * 0.15f;
        float d = std::fabs(x - cx);
        return with_alpha(hex(0xF0ECFF), clamp01(1.6f - d) + std::exp(-d * d / 40.0f) * 0.3f);
    });
    // The spire far away.
    float sx = 640;
    paint_region(b.img, int(sx - 60), 0, int(sx + 60), int(hz + 10), true, [&](float x, float y) {
        float half = 6 + (y / (hz + 10)) * 26;
        float d = std::fabs(x - sx) - half;
        float horns = std::min(sd_segment(x, y, sx - 8, 20, sx - 16, 4) - 2, sd_segment(x, y, sx + 8, 20, sx + 16, 4) - 2);
        d = std::min(std::max(d, 16 - y), horns);
        if (d > 0.5f) return Rgba{};
        Rgba c = hex(0x0C0A12);
        if (y < 26 && std::fabs(x - sx) < 5) c = hex(0xC070FF);
        if (std::fmod(y, 14.0f) < 2 && std::fabs(x - sx) < 2) c = hex(0xA060E0);
        return with_alpha(c, coverage(d));
    });
    paint_sun(b, sx, 18, 2, hex(0xFFFFFF), hex(0xA050FF, 0.8f), 50);
    PeakStyle cliffs{.base = hz + 30, .count = 10, .min_height = 20, .max_height = 46, .lit = hex(0x3A3448),
                     .shadow = hex(0x1A1624), .haze = hex(0x4A4058, 0.6f)};
    paint_peaks(b, cliffs, 1002);
    // Cloud sea in the abyss below the bridge.
    paint_region(b.img, 0, int(hz + 20), b.w, b.h, false, [&](float x, float y) {
        float n = b.tile_noise(x, y * 3.0f, 6, 1003, 5);
        return with_alpha(mix(hex(0x2A2438), hex(0x8A7A98), n), 1.0f);
    });
    // The parapet on the far side with bastions for the cannons.
    WallStyle wall;
    wall.top = 150, wall.bottom = b.far_line + 2, wall.merlon_w = 9, wall.merlon_h = 8, wall.tower_every = 0;
    wall.stone = hex(0x4A4450), wall.mortar = hex(0x1A1820), wall.light = hex(0xA898C0);
    paint_wall(b.img, wall, 1004, true);
    for (const ScenerySprite& sp : p.sprites) {
        if (sp.cannon) {
            paint_bastion(b.img, float(sp.x), float(sp.y), b.far_line + 2, 30, hex(0x5A5260), 1005, true);
            paint_bastion(b.img, float(sp.cannon_x), float(sp.cannon_y), b.far_line + 2, 30, hex(0x5A5260), 1006, true);
        } else {
            float tx = float(sp.x), ty = float(sp.y);
            paint_region(b.img, int(tx - 40), int(ty - 50), int(tx + 40), int(ty + 30), true, [&](float x, float y) {
                float d = std::hypot(x - tx, (y - ty + 14) * 1.2f);
                return with_alpha(hex(0xFFA040), std::exp(-d * d / 600.0f) * 0.45f);
            });
        }
    }
    // The deck.
    paint_ground(b, b.far_line + 2, {{0.0f, hex(0x5A5462)}, {1.0f, hex(0x3E3A46)}}, [&](float x, float y, Rgba base) {
        if (y > b.near_line + 4) return Rgba{};
        Rgba c = flagstones(b, x, y, b.far_line + 2, base, hex(0x16141C), 30, 1011);
        float wet = b.ground_noise(x, y, 6, 1012, 4);
        c = mix(c, hex(0x8A86A8), smoothstep(0.62f, 0.8f, wet) * 0.25f);
        return c;
    });
    // The near parapet, low and dark.
    paint_region(b.img, 0, int(b.near_line), b.w, b.h, false, [&](float x, float y) {
        float merlon = std::fmod(x, 28.0f) < 16.0f ? 0.0f : 8.0f;
        float top = b.near_line + 6 + merlon;
        if (y < top) return Rgba{};
        float row = std::fmod(y - top, 8.0f);
        Rgba c = scale_rgb(hex(0x2A2630), 0.9f + b.tile_noise(x, y, 80, 1013, 2) * 0.3f);
        if (row < 1) c = hex(0x121016);
        if (y - top < 2) c = hex(0x6A6078);
        return c;
    });
    for (size_t i = 0; i < p.boxes.size(); i++) {
        const HardBox& h = p.boxes[i];
        Rng r(1020u + uint32_t(i));
        for (int k = 0; k < 6; k++) {
            float x = r.range(float(h.left) + 4, float(h.right) - 4), y = r.range(float(h.top) + 4, float(h.bottom));
            paint_rock(b.img, x, y, b.scale(y) * r.range(0.4f, 0.7f), 1.2f, hex(0x1E1A24), hex(0x8A80A0), r.next(), true);
        }
    }
    shade_band_edges(b, 0.08f);
    grade(b, hex(0xD8D0FF), 0.15f, 1.1f);
    return b.img;
}
