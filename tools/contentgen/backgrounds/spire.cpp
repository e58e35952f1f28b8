// The Obsidian Spire: the tower top above a sea of clouds, under a vortex of every age's sky. Taller than the screen.
#include "backgrounds/props.h"
#include "backgrounds/settings.h"
#include <cmath>

Image paint_spire(const LevelPlan& p)
{
    Backdrop b(p);
    float hz = b.horizon;
    float vx = 320, vy = 70;
    // The vortex: a spiral of cloud bands coloured gold, violet and storm blue.
    paint_region(b.img, 0, 0, b.w, int(hz + 40), false, [&](float x, float y) {
        float dx = x - vx, dy = (y - vy) * 1.8f;
        float r = std::sqrt(dx * dx + dy * dy), a = std::atan2(dy, dx);
        float spiral = std::sin(a * 3.0f + r * 0.045f + fbm(x * 0.01f, y * 0.02f, 1101, 4) * 4.0f);
        float n = fbm(x * 0.012f, y * 0.025f, 1102, 5);
        Rgba c = mix(hex(0x12081E), hex(0x5A2A7A), clamp01(0.5f + spiral * 0.4f + (n - 0.5f)));
        c = mix(c, hex(0xF0B050), smoothstep(0.75f, 1.0f, spiral) * smoothstep(200, 40, r) * 0.7f);
        c = mix(c, hex(0xFFF0D0), smoothstep(40, 0, r));
        return c;
    });
    paint_stars(b, 120, hz * 0.8f, 1103);
    // Sea of clouds below.
    paint_region(b.img, 0, int(hz - 20), b.w, int(b.far_line), false, [&](float x, float y) {
        float n = b.tile_noise(x, y * 3.5f, 5, 1104, 5);
        float t = clamp01((y - hz + 20) / (b.far_line - hz + 20));
        Rgba c = mix(hex(0x6A4A8A), hex(0xE8C8E0), n * (1.0f - t * 0.4f));
        return with_alpha(c, smoothstep(0.0f, 0.25f, t + n * 0.2f));
    });
    // Far parapet.
    WallStyle wall;
    wall.top = b.far_line - 22, wall.bottom = b.far_line + 2, wall.merlon_w = 10, wall.merlon_h = 9, wall.tower_every = 0;
    wall.stone = hex(0x2A2432), wall.mortar = hex(0x0C0A10), wall.light = hex(0xB080E0);
    paint_wall(b.img, wall, 1105, true);
    for (const ScenerySprite& sp : p.sprites) {
        float tx = float(sp.x), ty = float(sp.y);
        paint_region(b.img, int(tx - 50), int(ty - 60), int(tx + 50), int(ty + 40), true, [&](float x, float y) {
            float d = std::hypot(x - tx, (y - ty + 14) * 1.2f);
            return with_alpha(hex(0xB060FF), std::exp(-d * d / 900.0f) * 0.45f);
        });
    }
    // Obsidian floor with a rune circle.
    float cx = 320, cy = 318;
    paint_ground(b, b.far_line + 2, {{0.0f, hex(0x2E2838)}, {1.0f, hex(0x1A1622)}}, [&](float x, float y, Rgba base) {
        Rgba c = flagstones(b, x, y, b.far_line + 2, base, hex(0x08060C), 22, 1111);
        float sheen = b.ground_noise(x, y, 4, 1112, 3);
        c = mix(c, hex(0x6A4A9A), smoothstep(0.55f, 0.8f, sheen) * 0.3f);
        float ex = (x - cx) / 150.0f, ey = (y - cy) / 52.0f;
        float r = std::sqrt(ex * ex + ey * ey);
        float ring = std::min(std::fabs(r - 1.0f), std::fabs(r - 0.82f));
        float a = std::atan2(ey, ex);
        float runes = (r > 0.84f && r < 0.98f && std::fmod(a * 12.0f + 20.0f, 1.0f) < 0.35f) ? 1.0f : 0.0f;
        float star = std::fabs(std::sin(a * 2.5f)) * r;
        float glow = clamp01(1.0f - ring * 40.0f) + runes * 0.7f + (r < 0.8f && star > 0.75f && star < 0.79f ? 0.8f : 0.0f);
        c = mix(c, hex(0xC880FF), clamp01(glow) * 0.8f);
        c = mix(c, hex(0x8A50D0), clamp01(1.0f - r) * 0.12f);
        return c;
    });
    // The great pillar across the seam, closing the roof at both ends.
    paint_region(b.img, -40, 0, 40, b.h, true, [&](float x, float y) {
        float half = 26 + (y > 150 ? (y - 150) * 0.06f : 0.0f);
        float d = std::fabs(x) - half;
        if (d > 0.5f) return Rgba{};
        float u = x / half;
        Rgba c = scale_rgb(hex(0x2A2434), 1.2f - (u + 1) * 0.45f);
        float band = std::fmod(y, 24.0f);
        if (band < 2) c = hex(0x8A60C0);
        return with_alpha(c, coverage(d));
    });
    // The altar with the hourglass shards, and the broken pillars.
    for (size_t i = 0; i < p.boxes.size(); i++) {
        const HardBox& h = p.boxes[i];
        float x = (h.left + h.right) * 0.5f, y = float(h.bottom), sc = b.scale(y);
        float height = i == 0 ? 22 * sc : 40 * sc;
        float half = float(h.right - h.left) * 0.5f;
        paint_shadow(b.img, x + 8, y, half * 1.4f, 5 * sc, 0.6f, true);
        paint_region(b.img, int(x - half - 2), int(y - height - 30 * sc), int(x + half + 2), int(y + 2), true, [&](float px, float py) {
            float broken = i == 0 ? 0.0f : (std::sin(px * 0.5f) * 4 + std::sin(px * 1.3f) * 3) * sc;
            float d = std::max(std::fabs(px - x) - half * 0.8f, std::max(y - height + broken - py, py - y));
            if (d > 0.5f) return Rgba{};
            float u = (px - x) / (half * 0.8f);
            Rgba c = scale_rgb(hex(0x3A3248), 1.2f - (u + 1) * 0.4f);
            if (i == 0 && py < y - height + 3) c = hex(0x9A80C0);
            return with_alpha(c, coverage(d));
        });
        if (i == 0) {
            float gx = x, gy = y - height;
            paint_sun(b, gx, gy - 10 * sc, 3 * sc, hex(0xFFF0C0), hex(0xF0B050, 0.8f), 30 * sc);
            paint_crystal(b.img, gx, gy, sc * 0.5f, hex(0xF0C860), hex(0xFFE8A0), 1120, true);
        }
    }
    // The near parapet.
    paint_region(b.img, 0, int(b.near_line), b.w, b.h, false, [&](float x, float y) {
        float merlon = std::fmod(x, 30.0f) < 18.0f ? 0.0f : 8.0f;
        float top = b.near_line + 6 + merlon;
        if (y < top) return Rgba{};
        Rgba c = scale_rgb(hex(0x1E1826), 0.9f + b.tile_noise(x, y, 80, 1121, 2) * 0.3f);
        if (y - top < 2) c = hex(0x7A58A8);
        return c;
    });
    shade_band_edges(b, 0.08f);
    grade(b, hex(0xE8D8FF), 0.1f, 1.08f);
    return b.img;
}
