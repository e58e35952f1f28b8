// Painted props for the playfields and menus.
#include "backgrounds/props.h"
#include <algorithm>
#include <cmath>

namespace {
const float LX = -0.55f, LY = -0.65f, LZ = 0.52f;  // light from the upper left, toward the viewer

Rgba ramp3(Rgba dark, Rgba mid, Rgba light, float t)
{
    t = clamp01(t);
    return t < 0.5f ? mix(dark, mid, t * 2) : mix(mid, light, (t - 0.5f) * 2);
}

struct Seg {
    float ax, ay, bx, by, ra, rb;
};

float sd_taper(float px, float py, const Seg& s)
{
    float pax = px - s.ax, pay = py - s.ay, bax = s.bx - s.ax, bay = s.by - s.ay;
    float len2 = bax * bax + bay * bay;
    float h = len2 > 0 ? clamp01((pax * bax + pay * bay) / len2) : 0;
    return std::hypot(pax - bax * h, pay - bay * h) - lerpf(s.ra, s.rb, h);
}
}  // namespace

void paint_blobs(Image& img, const std::vector<Blob>& blobs, Rgba dark, Rgba mid, Rgba light, float leaf, uint32_t seed, bool wrap)
{
    for (size_t i = 0; i < blobs.size(); i++) {
        const Blob& b = blobs[i];
        uint32_t s = seed + uint32_t(i) * 31u;
        float m = b.r * 1.4f + 2;
        paint_region(img, int(b.x - m), int(b.y - m), int(b.x + m) + 1, int(b.y + m) + 1, wrap, [&](float px, float py) {
            float nx = (px - b.x) / b.r, ny = (py - b.y) / b.r;
            float edge = fbm(px * leaf, py * leaf, s, 3);
            float d = (std::hypot(nx, ny) - 1.0f + (edge - 0.5f) * 0.55f) * b.r;
            float cov = coverage(d);
            if (cov <= 0) return Rgba{};
            float nz = std::sqrt(std::max(0.0f, 1.0f - nx * nx - ny * ny));
            float lam = nx * LX + ny * LY + nz * LZ;
            float speck = fbm(px * leaf * 2.5f, py * leaf * 2.5f, s + 7, 2);
            float t = 0.35f + lam * 0.55f + (speck - 0.5f) * 0.7f - std::max(0.0f, ny) * 0.25f;
            return with_alpha(ramp3(dark, mid, light, t), cov);
        });
    }
}

void paint_shadow(Image& img, float x, float y, float rx, float ry, float strength, bool wrap)
{
    paint_region(img, int(x - rx - 2), int(y - ry - 2), int(x + rx + 3), int(y + ry + 3), wrap, [&](float px, float py) {
        float d = std::hypot((px - x) / rx, (py - y) / ry);
        float a = clamp01(1.0f - d) * strength;
        return Rgba{0.02f, 0.03f, 0.05f, std::sqrt(a) * strength};
    });
}

void paint_tree(Image& img, float x, float y, float s, Rgba dk, Rgba md, Rgba lt, Rgba bark, uint32_t seed, bool wrap)
{
    Rng rng(seed);
    float trunk_h = (70 + rng.range(-10, 15)) * s, trunk_w = 9 * s;
    float crown_r = (48 + rng.range(-8, 12)) * s;
    float cx = x + rng.range(-4, 4) * s, cy = y - trunk_h - crown_r * 0.55f;
    paint_shadow(img, x + 16 * s, y + 2 * s, crown_r * 1.1f, crown_r * 0.28f, 0.55f, wrap);
    // Trunk with roots, lit on its left.
    std::vector<Vec2> trunk = {{x - trunk_w * 1.8f, y + 1}, {x - trunk_w * 0.7f, y - 8 * s}, {x - trunk_w * 0.55f, y - trunk_h},
                               {x + trunk_w * 0.5f, y - trunk_h}, {x + trunk_w * 0.75f, y - 8 * s}, {x + trunk_w * 2.0f, y + 1}};
    paint_region(img, int(x - trunk_w * 2.5f), int(y - trunk_h - 2), int(x + trunk_w * 2.5f) + 1, int(y + 3), wrap, [&](float px, float py) {
        float d = sd_polygon(px, py, trunk);
        float cov = coverage(d);
        if (cov <= 0) return Rgba{};
        float u = clamp01((px - (x - trunk_w)) / (2 * trunk_w));
        float grain = fbm(px * 0.6f / s, py * 0.08f / s, seed + 3, 3);
        Rgba c = scale_rgb(bark, 1.25f - u * 0.7f + (grain - 0.5f) * 0.5f);
        return with_alpha(c, cov);
    });
    std::vector<Blob> blobs;
    int n = 9 + rng.below(4);
    for (int i = 0; i < n; i++) {
        float a = rng.range(0, 6.2832f), r = rng.range(0.1f, 0.75f);
        blobs.push_back({cx + std::cos(a) * r * crown_r, cy + std::sin(a) * r * crown_r * 0.72f, crown_r * rng.range(0.38f, 0.55f)});
    }
    std::stable_sort(blobs.begin(), blobs.end(), [](const Blob& a, const Blob& b) { return a.y < b.y; });
    blobs.insert(blobs.begin(), {cx, cy, crown_r * 0.8f});
    paint_blobs(img, blobs, dk, md, lt, 0.18f / std::max(0.3f, s), seed + 11, wrap);
}

void paint_pine(Image& img, float x, float y, float s, Rgba dark, Rgba light, float snow, uint32_t seed, bool wrap)
{
    Rng rng(seed);
    float h = (150 + rng.range(-25, 25)) * s, w = h * 0.36f;
    paint_shadow(img, x + 12 * s, y + 1, w * 0.9f, w * 0.22f, 0.5f, wrap);
    Seg trunk{x, y + 1, x, y - h * 0.3f, 5 * s, 3.5f * s};
    paint_region(img, int(x - 7 * s), int(y - h * 0.3f), int(x + 7 * s) + 1, int(y + 3), wrap, [&](float px, float py) {
        float cov = coverage(sd_taper(px, py, trunk));
        return with_alpha(scale_rgb(hex(0x3A2A1E), px < x ? 1.2f : 0.7f), cov);
    });
    int layers = 6;
    for (int i = 0; i < layers; i++) {
        float t0 = float(i) / float(layers);
        float top = y - h + h * t0 * 0.78f;
        float bottom = y - h * 0.12f - h * (1.0f - t0) * 0.13f - float(layers - 1 - i) * h * 0.075f;
        bottom = std::max(bottom, top + h * 0.16f);
        float half = w * (0.3f + 0.7f * (float(i) + 1) / float(layers));
        std::vector<Vec2> tri = {{x, top}, {x + half, bottom}, {x - half, bottom}};
        uint32_t ls = seed + uint32_t(i) * 17u;
        paint_region(img, int(x - half - 4), int(top - 2), int(x + half + 4) + 1, int(bottom + 5), wrap, [&](float px, float py) {
            float jag = fbm(px * 0.35f / s, py * 0.12f / s, ls, 3);
            float d = sd_polygon(px, py, tri) + (jag - 0.5f) * 7 * s;
            // Drooping tips along the bottom edge.
            d += (0.5f + 0.5f * std::sin(px * 0.9f / s)) * 2.5f * s * smoothstep(bottom - 6 * s, bottom, py);
            float cov = coverage(d);
            if (cov <= 0) return Rgba{};
            float u = (px - x) / half;
            float v = (py - top) / (bottom - top);
            float needles = fbm(px * 0.8f / s, py * 0.8f / s, ls + 3, 2);
            float lit = clamp01(0.55f - u * 0.45f - v * 0.35f + (needles - 0.5f) * 0.6f);
            Rgba c = mix(dark, light, lit);
            if (snow > 0) {
                float sn = smoothstep(0.25f, 0.05f, v) * smoothstep(0.3f, 0.55f, needles + (0.2f - u * 0.2f));
                c = mix(c, scale_rgb(hex(0xF4F8FF), 0.8f + 0.2f * lit), clamp01(sn * snow * 1.3f));
            }
            return with_alpha(c, cov);
        });
    }
}

static void branch(std::vector<Seg>& segs, float x, float y, float angle, float len, float width, int depth, Rng& rng)
{
    float ex = x + std::cos(angle) * len, ey = y + std::sin(angle) * len;
    segs.push_back({x, y, ex, ey, width, width * 0.62f});
    if (depth <= 0 || width < 0.7f) return;
    int kids = 2 + (rng.unit() < 0.35f ? 1 : 0);
    for (int k = 0; k < kids; k++) {
        float spread = rng.range(0.35f, 0.8f) * (k % 2 ? 1.0f : -1.0f);
        branch(segs, ex, ey, angle + spread + rng.range(-0.15f, 0.15f), len * rng.range(0.55f, 0.75f), width * 0.62f, depth - 1, rng);
    }
}

void paint_dead_tree(Image& img, float x, float y, float s, Rgba bark, Rgba rim, uint32_t seed, bool wrap)
{
    Rng rng(seed);
    std::vector<Seg> segs;
    branch(segs, x, y + 2, -1.5708f + rng.range(-0.12f, 0.12f), 62 * s, 7.5f * s, 5, rng);
    // Roots.
    segs.push_back({x, y, x - 14 * s, y + 3 * s, 5 * s, 1 * s});
    segs.push_back({x, y, x + 15 * s, y + 2 * s, 5 * s, 1 * s});
    float minx = x, maxx = x, miny = y;
    for (const Seg& sg : segs) {
        minx = std::min({minx, sg.ax, sg.bx});
        maxx = std::max({maxx, sg.ax, sg.bx});
        miny = std::min({miny, sg.ay, sg.by});
    }
    paint_shadow(img, x + 18 * s, y + 2, 30 * s, 6 * s, 0.45f, wrap);
    paint_region(img, int(minx - 10 * s), int(miny - 10 * s), int(maxx + 10 * s) + 1, int(y + 6 * s), wrap, [&](float px, float py) {
        float best = 1e9f, gx = 0;
        for (const Seg& sg : segs) {
            float d = sd_taper(px, py, sg);
            if (d < best) {
                best = d;
                float dx = sg.bx - sg.ax, dy = sg.by - sg.ay, l = std::hypot(dx, dy);
                gx = l > 0 ? ((px - sg.ax) * (-dy) + (py - sg.ay) * dx) / l : 0;  // signed offset across the branch
                gx = -gx / std::max(0.5f, lerpf(sg.ra, sg.rb, 0.5f));
            }
        }
        float cov = coverage(best);
        if (cov <= 0) return Rgba{};
        float grain = fbm(px * 0.5f / s, py * 0.5f / s, seed, 2);
        Rgba c = scale_rgb(bark, 0.85f + (grain - 0.5f) * 0.4f);
        c = mix(c, rim, clamp01(-gx * 0.8f) * 0.6f * smoothstep(-2.5f, -0.2f, best));
        return with_alpha(c, cov);
    });
}

void paint_bush(Image& img, float x, float y, float s, Rgba dark, Rgba mid, Rgba light, uint32_t seed, bool wrap)
{
    Rng rng(seed);
    float r = 16 * s;
    paint_shadow(img, x + 6 * s, y, r * 1.8f, r * 0.35f, 0.45f, wrap);
    std::vector<Blob> blobs;
    int n = 4 + rng.below(3);
    for (int i = 0; i < n; i++) blobs.push_back({x + rng.range(-1.2f, 1.2f) * r, y - r * rng.range(0.5f, 1.0f), r * rng.range(0.55f, 0.85f)});
    std::stable_sort(blobs.begin(), blobs.end(), [](const Blob& a, const Blob& b) { return a.y < b.y; });
    paint_blobs(img, blobs, dark, mid, light, 0.3f / std::max(0.3f, s), seed + 5, wrap);
}

void paint_rock(Image& img, float x, float y, float s, float wide, Rgba dark, Rgba light, uint32_t seed, bool wrap)
{
    float rx = 17 * s * wide, ry = 14 * s;
    float cy = y - ry * 0.55f;
    paint_shadow(img, x + rx * 0.35f, y, rx * 1.25f, ry * 0.35f, 0.55f, wrap);
    paint_region(img, int(x - rx * 1.4f), int(cy - ry * 1.4f), int(x + rx * 1.4f) + 1, int(y + 2), wrap, [&](float px, float py) {
        float nx = (px - x) / rx, ny = (py - cy) / ry;
        float edge = fbm(px * 0.12f / s, py * 0.12f / s, seed, 3);
        float d = (std::hypot(nx, ny) - 1.0f + (edge - 0.5f) * 0.5f) * std::min(rx, ry);
        if (py > y) d = std::max(d, py - y);  // flat where it sits on the ground
        float cov = coverage(d);
        if (cov <= 0) return Rgba{};
        float bump = fbm(px * 0.3f / s, py * 0.3f / s, seed + 5, 2) - 0.5f;
        float fx = nx + bump * 0.5f, fy = ny + bump * 0.3f;
        float nz = std::sqrt(std::max(0.05f, 1.0f - std::min(1.0f, fx * fx + fy * fy)));
        float lam = fx * LX + fy * LY + nz * LZ;
        float crack = ridged(px * 0.15f / s, py * 0.15f / s, seed + 9, 3);
        float t = 0.3f + lam * 0.7f - smoothstep(0.75f, 0.95f, crack) * 0.35f + (edge - 0.5f) * 0.3f;
        return with_alpha(mix(dark, light, clamp01(t)), cov);
    });
}

void paint_grass_tuft(Image& img, float x, float y, float s, Rgba dark, Rgba light, uint32_t seed, bool wrap)
{
    Rng rng(seed);
    int n = 5 + rng.below(5);
    for (int i = 0; i < n; i++) {
        float bx = x + rng.range(-5, 5) * s, len = rng.range(7, 15) * s, lean = rng.range(-0.6f, 0.6f);
        float tx = bx + lean * len, ty = y - len;
        float w = std::max(0.6f, 1.3f * s);
        paint_region(img, int(std::min(bx, tx) - w - 2), int(ty - 2), int(std::max(bx, tx) + w + 3), int(y + 2), wrap, [&](float px, float py) {
            float v = clamp01((y - py) / len);
            float cx = bx + (tx - bx) * v * v;  // curved blade
            float half = w * (1.0f - v);
            float d = std::fabs(px - cx) - half;
            if (py < ty || py > y + 0.5f) return Rgba{};
            float cov = coverage(d);
            return with_alpha(mix(dark, light, v), cov);
        });
    }
}

void paint_flower(Image& img, float x, float y, float s, Rgba petal, uint32_t seed, bool wrap)
{
    Rng rng(seed);
    float h = rng.range(6, 11) * s, r = std::max(1.0f, 2.3f * s);
    float hx = x + rng.range(-2, 2) * s, hy = y - h;
    paint_region(img, int(x - 3), int(hy), int(x + 4), int(y + 1), wrap, [&](float px, float py) {
        float d = sd_segment(px, py, x, y, hx, hy) - std::max(0.5f, 0.6f * s);
        return with_alpha(hex(0x3F6B2A), coverage(d));
    });
    paint_region(img, int(hx - r - 2), int(hy - r - 2), int(hx + r + 3), int(hy + r + 3), wrap, [&](float px, float py) {
        float a = std::atan2(py - hy, px - hx);
        float rr = r * (0.75f + 0.25f * std::cos(a * 5));
        float d = std::hypot(px - hx, py - hy) - rr;
        Rgba c = std::hypot(px - hx, py - hy) < r * 0.35f ? hex(0xFFE27A) : mix(petal, hex(0xFFFFFF), clamp01((hy - py) / r * 0.5f));
        return with_alpha(c, coverage(d));
    });
}

void paint_reeds(Image& img, float x, float y, float s, Rgba dark, Rgba light, uint32_t seed, bool wrap)
{
    Rng rng(seed);
    int n = 6 + rng.below(5);
    for (int i = 0; i < n; i++) {
        float bx = x + rng.range(-7, 7) * s, len = rng.range(24, 42) * s, lean = rng.range(-0.25f, 0.25f);
        float tx = bx + lean * len, ty = y - len;
        bool cattail = rng.unit() < 0.4f;
        float w = std::max(0.6f, 1.0f * s);
        paint_region(img, int(std::min(bx, tx) - 4 * s - 2), int(ty - 2), int(std::max(bx, tx) + 4 * s + 3), int(y + 2), wrap, [&](float px, float py) {
            float v = clamp01((y - py) / len);
            float cx = bx + (tx - bx) * v;
            float d = std::fabs(px - cx) - w * (1.0f - v * 0.7f);
            Rgba c = mix(dark, light, v * 0.8f + (px < cx ? 0.2f : 0.0f));
            if (cattail && v > 0.62f && v < 0.85f) {
                d = std::min(d, std::fabs(px - cx) - 2.2f * s);
                c = hex(0x5A3A22);
            }
            if (py < ty) return Rgba{};
            return with_alpha(c, coverage(d));
        });
    }
}

void paint_grave(Image& img, float x, float y, float s, GraveStyle style, Rgba stone, uint32_t seed, bool wrap)
{
    Rng rng(seed);
    float tilt = rng.range(-0.08f, 0.08f);
    float w = 9 * s, h = 26 * s;
    if (style == GraveStyle::Obelisk) h = 40 * s, w = 7 * s;
    paint_shadow(img, x + 9 * s, y + 1, w * 2.2f, 4 * s, 0.55f, wrap);
    auto shape = [&](float px, float py) {
        // Lean the stone by shearing x with height.
        float qx = px - x - tilt * (y - py), qy = py;
        switch (style) {
        case GraveStyle::Slab: {
            float body = sd_round_box(qx, qy, 0, y - h * 0.45f, w, h * 0.45f, 0.5f);
            float top = sd_circle(qx, qy, 0, y - h * 0.9f + w * 0.2f, w);
            return std::min(body, std::max(top, qy - (y - h * 0.7f) - 100));
        }
        case GraveStyle::Cross: {
            float post = sd_round_box(qx, qy, 0, y - h * 0.55f, w * 0.35f, h * 0.55f, 0.5f);
            float bar = sd_round_box(qx, qy, 0, y - h * 0.75f, w * 1.05f, w * 0.33f, 0.5f);
            float base = sd_round_box(qx, qy, 0, y - 2.5f * s, w * 0.9f, 2.5f * s, 0.5f);
            return std::min({post, bar, base});
        }
        case GraveStyle::Obelisk: {
            std::vector<Vec2> p = {{-w, y}, {-w * 0.6f, y - h * 0.85f}, {0, y - h}, {w * 0.6f, y - h * 0.85f}, {w, y}};
            return sd_polygon(qx, qy, p);
        }
        }
        return 1e9f;
    };
    float depth = 3.0f * s;
    // Side face first (a darker copy shifted right), then the front.
    paint_region(img, int(x - w * 2), int(y - h - 4), int(x + w * 2 + depth + 2), int(y + 2), wrap, [&](float px, float py) {
        float d = shape(px - depth, py + depth * 0.4f);
        return with_alpha(scale_rgb(stone, 0.45f), coverage(d));
    });
    paint_region(img, int(x - w * 2), int(y - h - 4), int(x + w * 2) + 1, int(y + 2), wrap, [&](float px, float py) {
        float d = shape(px, py);
        float cov = coverage(d);
        if (cov <= 0) return Rgba{};
        float n = fbm(px * 0.3f / s, py * 0.3f / s, seed, 3);
        float moss = smoothstep(0.55f, 0.75f, fbm(px * 0.2f / s, py * 0.2f / s, seed + 4, 3)) * smoothstep(y - h * 0.6f, y, py);
        Rgba c = scale_rgb(stone, 0.8f + (n - 0.5f) * 0.45f + (d > -1.5f && px < x ? 0.3f : 0.0f));
        c = mix(c, hex(0x4E6A3A), moss * 0.7f);
        // An engraved line on the slabs.
        if (style == GraveStyle::Slab && std::fabs(px - x - tilt * (y - py)) < 0.8f * s + 0.3f && py > y - h * 0.75f && py < y - h * 0.35f)
            c = scale_rgb(c, 0.55f);
        return with_alpha(c, cov);
    });
}

void paint_pool(Image& img, float l, float t, float r, float b, Rgba deep, Rgba sky, Rgba rim, uint32_t seed, bool wrap, bool glowing)
{
    float cx = (l + r) * 0.5f, cy = (t + b) * 0.5f, rx = (r - l) * 0.5f + 4, ry = (b - t) * 0.5f + 3;
    float m = 14;
    if (glowing) {
        paint_region(img, int(l - 40), int(t - 30), int(r + 40), int(b + 20), wrap, [&](float px, float py) {
            float d = std::hypot((px - cx) / (rx + 26), (py - cy) / (ry + 18));
            return with_alpha(hex(0xFF6A1A), clamp01(1.0f - d) * 0.55f);
        });
    }
    paint_region(img, int(l - m), int(t - m), int(r + m), int(b + m), wrap, [&](float px, float py) {
        float e = fbm(px * 0.06f, py * 0.12f, seed, 3);
        float d = (std::hypot((px - cx) / rx, (py - cy) / ry) - 1.0f + (e - 0.5f) * 0.35f) * std::min(rx, ry);
        if (d > 5) return Rgba{};
        if (d > 0) return with_alpha(rim, clamp01(1.0f - d / 5.0f) * 0.75f);
        float v = clamp01((py - (cy - ry)) / (2 * ry));
        float ripple = fbm(px * 0.05f, py * 0.6f, seed + 3, 3);
        Rgba c;
        if (glowing) {
            float crust = smoothstep(0.5f, 0.7f, fbm(px * 0.08f, py * 0.16f, seed + 5, 4));
            c = mix(mix(hex(0xFFE27A), hex(0xFF5A10), v * 0.8f + ripple * 0.3f), hex(0x2A0E08), crust * 0.85f);
        } else {
            c = mix(sky, deep, 0.35f + v * 0.55f);
            c = mix(c, scale_rgb(sky, 1.25f), smoothstep(0.62f, 0.8f, ripple) * (1.0f - v) * 0.8f);
        }
        // Wet dark lip just inside the edge.
        c = mix(c, scale_rgb(rim, 0.5f), smoothstep(-3.0f, 0.0f, d) * (glowing ? 0.6f : 0.5f));
        return with_alpha(c, coverage(d));
    });
}

void paint_stump(Image& img, float x, float y, float s, Rgba bark, uint32_t seed, bool wrap)
{
    float w = 13 * s, h = 16 * s, ey = 4 * s;
    paint_shadow(img, x + 8 * s, y + 1, w * 1.6f, 4 * s, 0.5f, wrap);
    paint_region(img, int(x - w - 6 * s), int(y - h - ey - 2), int(x + w + 6 * s), int(y + 2), wrap, [&](float px, float py) {
        float u = (px - x) / w;
        float flare = 1.0f + 0.35f * smoothstep(y - 6 * s, y, py);
        float side = std::fabs(px - x) - w * flare;
        float d = std::max(side, std::max(py - y, (y - h) - py));
        float top = sd_ellipse(px, py, x, y - h, w, ey);
        float cov = coverage(std::min(d, top));
        if (cov <= 0) return Rgba{};
        float grain = fbm(px * 0.8f / s, py * 0.1f / s, seed, 3);
        if (top < 0) {
            float rings = 0.5f + 0.5f * std::sin(std::hypot((px - x) / w, (py - y + h) / ey) * 18.0f);
            return with_alpha(mix(hex(0xB08A5A), hex(0x8A6840), rings * 0.6f + grain * 0.3f), cov);
        }
        return with_alpha(scale_rgb(bark, 1.2f - (u + 1) * 0.35f + (grain - 0.5f) * 0.5f), cov);
    });
}

void paint_log(Image& img, float x, float y, float s, float length, Rgba bark, uint32_t seed, bool wrap)
{
    float r = 7 * s, half = length * 0.5f * s;
    paint_shadow(img, x + 5 * s, y + 1, half + r, 4 * s, 0.5f, wrap);
    paint_region(img, int(x - half - r - 2), int(y - r * 2 - 2), int(x + half + r + 2), int(y + 2), wrap, [&](float px, float py) {
        float cy = y - r;
        float body = std::max(std::fabs(px - x) - half, std::fabs(py - cy) - r);
        float end = sd_ellipse(px, py, x + half, cy, r * 0.45f, r);
        float cov = coverage(std::min(body, end));
        if (cov <= 0) return Rgba{};
        if (end < 0) return with_alpha(hex(0xA88456), cov);
        float v = (py - cy) / r;
        float grain = fbm(px * 0.1f / s, py * 0.9f / s, seed, 3);
        return with_alpha(scale_rgb(bark, 1.15f - v * 0.45f + (grain - 0.5f) * 0.45f), cov);
    });
}

void paint_mushroom(Image& img, float x, float y, float s, Rgba cap, uint32_t seed, bool wrap)
{
    float h = 9 * s, r = 6 * s;
    paint_region(img, int(x - r - 2), int(y - h - r), int(x + r + 3), int(y + 2), wrap, [&](float px, float py) {
        float stem = sd_round_box(px, py, x, y - h * 0.45f, 1.6f * s, h * 0.45f, 0.5f);
        float dome = std::max(sd_ellipse(px, py, x, y - h, r, r * 0.75f), py - (y - h + 1 * s));
        if (dome < 0.5f) {
            float spots = value_noise(px * 0.7f / s, py * 0.7f / s, seed);
            Rgba c = mix(cap, hex(0xFFF4E0), smoothstep(0.7f, 0.75f, spots));
            c = scale_rgb(c, 1.15f - (px - x) / r * 0.3f);
            return with_alpha(c, coverage(dome));
        }
        return with_alpha(hex(0xE8DCC0), coverage(stem));
    });
}

void paint_crystal(Image& img, float x, float y, float s, Rgba core, Rgba edge, uint32_t seed, bool wrap)
{
    Rng rng(seed);
    paint_region(img, int(x - 40 * s), int(y - 60 * s), int(x + 40 * s), int(y + 10 * s), wrap, [&](float px, float py) {
        float d = std::hypot((px - x) / (34 * s), (py - y + 18 * s) / (40 * s));
        return with_alpha(edge, clamp01(1.0f - d) * 0.35f);
    });
    int n = 4 + rng.below(3);
    for (int i = 0; i < n; i++) {
        float ang = -1.5708f + rng.range(-0.6f, 0.6f);
        float len = rng.range(18, 38) * s, w = rng.range(4, 7) * s;
        float bx = x + rng.range(-8, 8) * s, by = y;
        float tx = bx + std::cos(ang) * len, ty = by + std::sin(ang) * len;
        float nx = -std::sin(ang), ny = std::cos(ang);
        std::vector<Vec2> p = {{bx + nx * w, by + ny * w}, {tx + nx * w * 0.8f - std::cos(ang) * w, ty + ny * w * 0.8f - std::sin(ang) * w},
                               {tx, ty}, {tx - nx * w * 0.8f - std::cos(ang) * w, ty - ny * w * 0.8f - std::sin(ang) * w}, {bx - nx * w, by - ny * w}};
        paint_region(img, int(std::min(bx, tx) - w - 3), int(ty - w - 3), int(std::max(bx, tx) + w + 3), int(by + w + 2), wrap, [&](float px, float py) {
            float d = sd_polygon(px, py, p);
            float cov = coverage(d);
            if (cov <= 0) return Rgba{};
            float side = (px - bx) * nx + (py - by) * ny;  // which facet
            Rgba c = side < 0 ? mix(core, hex(0xFFFFFF), 0.45f) : scale_rgb(core, 0.75f);
            c = mix(c, edge, smoothstep(-2.0f, 0.0f, d) * 0.7f);
            return with_alpha(c, cov);
        });
    }
}

void paint_thorns(Image& img, float x, float y, float s, float width, Rgba dark, Rgba light, uint32_t seed, bool wrap)
{
    Rng rng(seed);
    std::vector<Blob> blobs;
    int n = int(width / 14.0f) + 3;
    for (int i = 0; i < n; i++)
        blobs.push_back({x - width * 0.5f + width * float(i) / float(n - 1) + rng.range(-4, 4) * s, y - rng.range(10, 24) * s, rng.range(12, 18) * s});
    std::stable_sort(blobs.begin(), blobs.end(), [](const Blob& a, const Blob& b) { return a.y < b.y; });
    paint_shadow(img, x + 6 * s, y, width * 0.6f, 5 * s, 0.5f, wrap);
    paint_blobs(img, blobs, dark, mix(dark, light, 0.5f), light, 0.25f / std::max(0.3f, s), seed + 2, wrap);
    // Vines with spikes over the mass.
    for (int v = 0; v < 5; v++) {
        float ph = rng.range(0, 6.28f), amp = rng.range(6, 14) * s, yy = y - rng.range(8, 26) * s;
        paint_region(img, int(x - width * 0.5f - 4), int(yy - amp - 6), int(x + width * 0.5f + 4), int(yy + amp + 6), wrap, [&](float px, float py) {
            float cy = yy + std::sin((px - x) * 0.09f / s + ph) * amp;
            float d = std::fabs(py - cy) - 1.1f * s;
            float spike = std::fmod(std::fabs(px - x) + 100.0f * s, 7.0f * s);
            if (spike < 1.5f * s && py < cy) d = std::min(d, std::fabs(py - cy) - 3.5f * s * (1.0f - spike / (1.5f * s)));
            return with_alpha(hex(0x2A1A24), coverage(d) * 0.9f);
        });
    }
}

void paint_bones(Image& img, float x, float y, float s, uint32_t seed, bool wrap)
{
    Rng rng(seed);
    Rgba bone = hex(0xB8B09C);
    for (int i = 0; i < 2; i++) {
        float a = rng.range(-0.4f, 0.4f), len = rng.range(8, 12) * s;
        float bx = x + rng.range(-6, 6) * s, by = y - rng.range(0, 2) * s;
        float ex = bx + std::cos(a) * len, ey = by + std::sin(a) * len * 0.3f;
        paint_region(img, int(std::min(bx, ex) - 4), int(std::min(by, ey) - 4), int(std::max(bx, ex) + 5), int(std::max(by, ey) + 5), wrap, [&](float px, float py) {
            float d = std::min({sd_segment(px, py, bx, by, ex, ey) - 1.0f * s, sd_circle(px, py, bx, by, 1.8f * s), sd_circle(px, py, ex, ey, 1.8f * s)});
            return with_alpha(scale_rgb(bone, py < (by + ey) * 0.5f ? 1.0f : 0.75f), coverage(d));
        });
    }
    float sx = x + 4 * s, sy = y - 4 * s, r = 4 * s;
    paint_region(img, int(sx - r - 2), int(sy - r - 2), int(sx + r + 3), int(sy + r + 4), wrap, [&](float px, float py) {
        float d = std::min(sd_circle(px, py, sx, sy, r), sd_round_box(px, py, sx, sy + r * 0.8f, r * 0.55f, r * 0.45f, 0.5f));
        if (d > 0.5f) return Rgba{};
        Rgba c = scale_rgb(bone, 1.1f - (px - sx) / r * 0.3f);
        if (sd_circle(px, py, sx - r * 0.38f, sy + r * 0.1f, r * 0.25f) < 0 || sd_circle(px, py, sx + r * 0.38f, sy + r * 0.1f, r * 0.25f) < 0)
            c = hex(0x201810);
        return with_alpha(c, coverage(d));
    });
}

void paint_wall(Image& img, const WallStyle& st, uint32_t seed, bool wrap)
{
    int w = img.w;
    float brick_h = 7.0f, brick_w = 15.0f;
    auto tower_at = [&](float x, float& centre) {
        if (st.tower_every <= 0) return false;
        float k = std::round(x / st.tower_every);
        centre = k * st.tower_every + st.tower_every * 0.25f;
        float c2 = centre - st.tower_every;
        if (std::fabs(x - c2) < std::fabs(x - centre)) centre = c2;
        return std::fabs(x - centre) < 26.0f;
    };
    float tower_rise = 34.0f;
    paint_region(img, 0, int(st.top - tower_rise - st.merlon_h - 2), w, int(st.bottom) + 1, wrap, [&](float px, float py) {
        float tc = 0;
        bool tower = tower_at(px, tc);
        float top = tower ? st.top - tower_rise : st.top;
        float mw = st.merlon_w;
        float mx = std::fmod(px + (tower ? 1000.0f - tc : 0.0f), mw * 2);
        bool merlon = mx < mw;
        float edge_top = merlon ? top - st.merlon_h : top;
        if (py < edge_top - 1 || py > st.bottom) return Rgba{};
        float cov = clamp01(py - edge_top + 1.0f) * clamp01(st.bottom + 1.0f - py);
        // Brick pattern.
        float row = std::floor((py - edge_top) / brick_h);
        float off = std::fmod(row, 2.0f) * brick_w * 0.5f;
        float bx = std::floor((px + off) / brick_w);
        float fx = std::fmod(px + off, brick_w), fy = std::fmod(py - edge_top, brick_h);
        uint32_t h = hash3(int(bx), int(row) + (tower ? 500 : 0), seed);
        float var = float(h & 255) / 255.0f;
        Rgba c = scale_rgb(st.stone, 0.82f + var * 0.3f);
        float grime = fbm(px * 0.05f, py * 0.08f, seed + 3, 3);
        c = scale_rgb(c, 0.8f + grime * 0.4f);
        if (fx < 1.0f || fy < 1.0f) c = st.mortar;
        else if (fy < 2.0f) c = mix(c, st.light, 0.3f);
        // Shade the lower part and under the walkway, light the crest.
        float depth = (py - edge_top) / std::max(1.0f, st.bottom - edge_top);
        c = scale_rgb(c, 1.05f - depth * 0.35f);
        if (py - edge_top < 3) c = mix(c, st.light, 0.45f);
        if (tower) {
            float u = (px - tc) / 26.0f;
            c = scale_rgb(c, 1.1f - std::max(0.0f, u) * 0.5f);  // round tower: lit left, dark right
            float win = sd_round_box(px, py, tc, top + 22, 3, 8, 3);
            if (win < 0) c = st.windows_lit ? mix(hex(0xFFB040), hex(0xFFE8A0), clamp01(-win / 3)) : hex(0x14100C);
        } else if (merlon && std::fabs(std::fmod(px, mw * 8) - mw * 4.5f) < 1.2f && py > edge_top + 2 && py < top - 2) {
            c = hex(0x14100C);  // arrow slits
        }
        return with_alpha(c, cov);
    });
}

void paint_sorceress(Image& img, float x, float y, float H, Pose pose, Rgba body, Rgba rim, Rgba orb, bool facing_left)
{
    float f = facing_left ? -1.0f : 1.0f;
    bool kneel = pose == Pose::Kneeling, walk = pose == Pose::Walking, raised = pose == Pose::StaffRaised;
    float top = kneel ? 0.7f : 1.0f;  // kneeling lowers everything above the hips
    auto X = [&](float u) { return x + u * H * f; };
    auto Y = [&](float v) { return y - v * H; };
    auto U = [&](float v) { return y - (kneel ? v * top + (1 - top) * 0.0f : v) * H; };
    // Skirt flaring from the waist, the hem rippling; a stride when walking.
    float hem_l = walk ? -0.2f : -0.15f, hem_r = walk ? 0.2f : 0.16f;
    if (kneel) hem_l = -0.24f, hem_r = 0.22f;
    std::vector<Vec2> skirt = {{X(-0.045f), U(0.6f)}, {X(-0.08f), U(0.35f)}, {X(hem_l), Y(0.02f)}, {X(hem_l * 0.5f), Y(0.0f)},
                               {X(0.0f), Y(0.015f)},  {X(hem_r * 0.6f), Y(0.0f)}, {X(hem_r), Y(0.02f)}, {X(0.07f), U(0.35f)},
                               {X(0.045f), U(0.6f)}};
    std::vector<Vec2> torso = {{X(-0.07f), U(0.82f)}, {X(-0.045f), U(0.6f)}, {X(0.045f), U(0.6f)}, {X(0.07f), U(0.82f)}, {X(0.0f), U(0.85f)}};
    // The cape streams out behind her in the wind.
    std::vector<Vec2> cape = {{X(-0.05f), U(0.84f)}, {X(-0.2f), U(0.62f)}, {X(-0.34f), U(0.3f)}, {X(-0.4f), U(0.12f)},
                              {X(-0.28f), U(0.16f)}, {X(-0.16f), U(0.3f)}, {X(-0.08f), U(0.55f)}};
    float hx = X(0.0f), hy = U(0.915f);
    std::vector<Vec2> hair = {{X(-0.03f), U(0.96f)}, {X(-0.1f), U(0.86f)}, {X(-0.2f), U(0.72f)}, {X(-0.13f), U(0.74f)}, {X(-0.03f), U(0.85f)}};
    float sh_x = X(0.06f), sh_y = U(0.8f);
    float hand_x, hand_y, s0x, s0y, s1x, s1y;
    if (raised) {
        hand_x = X(0.11f), hand_y = U(1.04f);
        s0x = X(0.06f), s0y = U(0.5f), s1x = X(0.17f), s1y = U(1.36f);
    } else {
        hand_x = X(0.15f), hand_y = U(0.6f);
        s0x = X(0.17f), s0y = Y(0.0f), s1x = X(0.14f), s1y = U(1.1f);
    }
    float elbow_x = raised ? X(0.12f) : X(0.13f), elbow_y = raised ? U(0.9f) : U(0.7f);
    float arm2_x = X(-0.06f), arm2_y = U(0.6f);
    auto dist = [&](float px, float py) {
        float d = sd_polygon(px, py, skirt);
        d = std::min(d, sd_polygon(px, py, torso));
        d = std::min(d, sd_polygon(px, py, cape));
        d = std::min(d, sd_ellipse(px, py, hx, hy, 0.045f * H, 0.056f * H));
        d = std::min(d, sd_polygon(px, py, hair));
        d = std::min(d, sd_segment(px, py, hx, hy, hx, U(0.82f)) - 0.02f * H);
        d = std::min(d, sd_segment(px, py, sh_x, sh_y, elbow_x, elbow_y) - 0.019f * H);
        d = std::min(d, sd_segment(px, py, elbow_x, elbow_y, hand_x, hand_y) - 0.016f * H);
        d = std::min(d, sd_segment(px, py, X(-0.06f), U(0.8f), arm2_x, arm2_y) - 0.017f * H);
        d = std::min(d, sd_segment(px, py, s0x, s0y, s1x, s1y) - 0.009f * H);
        // The staff's head: a crescent cradling the orb.
        float cres = std::max(std::fabs(std::hypot(px - s1x, py - (s1y - 0.035f * H)) - 0.04f * H) - 0.007f * H, py - (s1y - 0.02f * H));
        return std::min(d, cres);
    };
    float ox = s1x, oy = s1y - 0.04f * H, orr = 0.026f * H;
    float pad = H * 0.5f;
    paint_region(img, int(ox - pad), int(oy - pad), int(ox + pad), int(oy + pad), false, [&](float px, float py) {
        float d = std::hypot(px - ox, py - oy);
        return with_alpha(orb, std::exp(-d * d / (H * H * 0.02f)) * 0.8f);
    });
    float x0 = std::min(X(-0.5f), X(0.5f)), x1 = std::max(X(-0.5f), X(0.5f));
    paint_region(img, int(x0), int(Y(1.45f)), int(x1) + 1, int(y + 2), false, [&](float px, float py) {
        float d = dist(px, py);
        float cov = coverage(d);
        if (cov <= 0) return Rgba{};
        // Rim light on the edges that face the light behind her (upper left of the picture).
        float gx = dist(px + 1, py) - dist(px - 1, py), gy = dist(px, py + 1) - dist(px, py - 1);
        float facing = clamp01(-(gx * 0.6f + gy * 0.8f));
        float rimk = facing * smoothstep(-2.6f, -0.3f, d);
        float fold = fbm(px * 0.15f, py * 0.04f, 91, 2);
        Rgba c = scale_rgb(body, 0.85f + fold * 0.3f);
        // A belt of gold at the waist.
        if (std::fabs(py - U(0.6f)) < 0.008f * H + 0.4f && std::fabs(px - x) < 0.06f * H) c = mix(c, rim, 0.7f);
        c = mix(c, rim, rimk);
        return with_alpha(c, cov);
    });
    paint_region(img, int(ox - orr * 3), int(oy - orr * 3), int(ox + orr * 3), int(oy + orr * 3), false, [&](float px, float py) {
        float d = std::hypot(px - ox, py - oy);
        Rgba c = mix(hex(0xFFFFFF), orb, clamp01(d / orr));
        return with_alpha(c, coverage(d - orr));
    });
}
