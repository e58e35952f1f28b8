// A floating-point RGBA painting surface and the small colour helpers every painter uses.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

inline Rgba rgb(float r, float g, float b, float a = 1.0f) { return {r, g, b, a}; }
// 0xRRGGBB written the way artists pick colours.
inline Rgba hex(uint32_t c, float a = 1.0f)
{
    return {float((c >> 16) & 255) / 255.0f, float((c >> 8) & 255) / 255.0f, float(c & 255) / 255.0f, a};
}
inline float clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
inline float lerpf(float a, float b, float t) { return a + (b - a) * t; }
inline Rgba mix(Rgba a, Rgba b, float t)
{
    return {lerpf(a.r, b.r, t), lerpf(a.g, b.g, t), lerpf(a.b, b.b, t), lerpf(a.a, b.a, t)};
}
inline Rgba scale_rgb(Rgba c, float k) { return {c.r * k, c.g * k, c.b * k, c.a}; }
inline Rgba with_alpha(Rgba c, float a) { return {c.r, c.g, c.b, a}; }
inline float smoothstep(float e0, float e1, float x)
{
    float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

class Image {
public:
    Image() = default;
    Image(int width, int height, Rgba fill = {}) : w(width), h(height), px(size_t(width) * size_t(height), fill) {}

    Rgba& at(int x, int y) { return px[size_t(y) * size_t(w) + size_t(x)]; }
    const Rgba& at(int x, int y) const { return px[size_t(y) * size_t(w) + size_t(x)]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    // Horizontal wrap for pictures that tile around the playfield.
    Rgba& wrap_at(int x, int y) { return at(((x % w) + w) % w, y); }
    // Bilinear sample with horizontal wrap (used when rescaling backdrops).
    Rgba sample(float x, float y, bool wrap_x) const;

    // Paints src over this picture with straight alpha.
    void blend(int x, int y, Rgba src, float coverage = 1.0f);
    void blend_wrapped(int x, int y, Rgba src, float coverage = 1.0f);
    void draw(const Image& src, int x, int y);

    int w = 0, h = 0;
    std::vector<Rgba> px;
};

// Box-filters a picture down or up to a new size (nearest for growth, area for shrink).
Image resized(const Image& src, int width, int height);
Image cropped(const Image& src, int x, int y, int width, int height);
