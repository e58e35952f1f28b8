// Ground dressing shared by the settings: paths, grass texture, flagstones and the near fringe.
#include "backgrounds/props.h"
#include "backgrounds/settings.h"
#include <cmath>

float path_cover(const Backdrop& b, float x, float y, float centre, float amplitude, int waves, float width, uint32_t s)
{
    float u = x / float(b.w);
    float wobble = std::sin(6.2832f * (u * float(waves)) + float(s % 100) * 0.1f) * amplitude +
                   std::sin(6.2832f * (u * float(waves * 2 + 1)) + 1.3f) * amplitude * 0.3f;
    float cy = centre + wobble;
    float sc = b.scale(y);
    float half = width * 0.5f * sc;
    float edge = b.tile_noise(x, y * 3, 40, s, 3);
    float d = std::fabs(y - cy) / std::max(0.5f, half) + (edge - 0.5f) * 0.6f;
    return smoothstep(1.1f, 0.8f, d);
}

Rgba grass_texture(const Backdrop& b, float x, float y, Rgba base, uint32_t s)
{
    float patches = b.ground_noise(x, y, 6, s, 4);
    float blades = b.ground_noise(x, y, 70, s + 1, 2);
    float streak = b.tile_noise(x, y * 4.0f, 160, s + 2, 2);
    float k = 0.72f + patches * 0.5f + (blades - 0.5f) * 0.32f + (streak - 0.5f) * 0.18f;
    Rgba c = scale_rgb(base, k);
    // Sun-bleached tips in the lighter patches.
    c = mix(c, hex(0xD8D890), smoothstep(0.62f, 0.8f, patches) * 0.18f);
    return c;
}

Rgba flagstones(const Backdrop& b, float x, float y, float top, Rgba stone, Rgba joint, float stones_near, uint32_t s)
{
    if (y < top) return {};
    float rows_per_unit = (b.near_line - b.far_line) / (b.scale_mod * 15.0f);
    auto row_of = [&](float yy) { return std::floor(rows_per_unit / std::max(0.03f, b.scale(yy))); };
    float r = row_of(y);
    bool joint_y = row_of(y - 1.0f) != r;
    float sc_mid = b.scale(y);
    float count = std::max(4.0f, std::round(stones_near / sc_mid));
    uint32_t rh = hash3(int(r), 7, s);
    float off = float(rh & 1023) / 1023.0f;
    float fx = x / float(b.w) * count + off;
    float col = std::floor(fx);
    float col_prev = std::floor((x - 1.0f) / float(b.w) * count + off);
    bool joint_x = col_prev != col;
    if (joint_x || joint_y) return joint;
    uint32_t h = hash3(int(col) % int(count), int(r), s);
    float var = float(h & 255) / 255.0f;
    float frac = fx - col;
    float n = b.ground_noise(x, y, 30, s + 5, 2);
    Rgba c = scale_rgb(stone, 0.8f + var * 0.35f + (n - 0.5f) * 0.25f);
    c = scale_rgb(c, 1.0f + (frac < 0.12f ? 0.12f : 0.0f) - (frac > 0.9f ? 0.15f : 0.0f));
    return c;
}

void near_fringe(Backdrop& b, Rgba dark, Rgba light, uint32_t s, bool grass)
{
    Rng rng(s);
    int n = b.w / 6;
    for (int i = 0; i < n; i++) {
        float x = rng.range(0, float(b.w)), y = rng.range(b.near_line + 4, float(b.h) + 8);
        if (grass) paint_grass_tuft(b.img, x, y, rng.range(1.1f, 1.7f), dark, light, rng.next(), b.wrap);
        else paint_rock(b.img, x, y, rng.range(0.4f, 0.8f), rng.range(0.8f, 1.6f), dark, light, rng.next(), b.wrap);
    }
}
