// The painter's canvas for a playfield and the layers every setting uses.
#include "backgrounds/backdrop.h"
#include <algorithm>
#include <cmath>

Backdrop::Backdrop(int width, int height, float horizon_y, float far_y, float near_y, float mod, bool tiles, uint32_t s)
    : img(width, height, hex(0x000000)), w(width), h(height), horizon(horizon_y), far_line(far_y), near_line(near_y),
      scale_mod(mod), wrap(tiles), seed(s)
{
}

Backdrop::Backdrop(const LevelPlan& p)
    : Backdrop(p.width, p.height, float(p.horizon), float(p.rect_top), float(p.rect_bottom), p.scale_mod, true,
               uint32_t(p.number) * 7919u)
{
}

float Backdrop::scale(float y) const
{
    if (y >= far_line) return std::clamp(1.0f + ((y - far_line) / (near_line - far_line) - 1.0f) * scale_mod, 0.01f, 1.0f);
    float s_far = 1.0f - scale_mod;
    return std::max(0.01f, s_far * (y - horizon) / (far_line - horizon));
}

float Backdrop::ground_noise(float x, float y, float cycles_near, uint32_t s, int octaves) const
{
    float sc = std::max(scale(y), 0.03f);
    float kf = cycles_near / sc;
    int k = std::max(1, int(std::floor(kf)));
    float t = kf - float(k);
    float a = 2.0f * cycles_near * (near_line - far_line) / (float(w) * scale_mod);
    float vz = a / sc;
    float u = x / float(w);
    float n1 = fbm(u * float(k), vz, s, octaves, k);
    float n2 = fbm(u * float(k + 1), vz, s, octaves, k + 1);
    return lerpf(n1, n2, t);
}

float Backdrop::tile_noise(float x, float y, float cycles, uint32_t s, int octaves) const
{
    int c = std::max(1, int(std::lround(cycles)));
    float k = float(c) / float(w);
    return fbm(x * k, y * k, s, octaves, wrap ? c : 0);
}

void paint_sky(Backdrop& b, const std::vector<GradientStop>& stops, float bottom)
{
    for (int y = 0; y < std::min(b.h, int(bottom)); y++) {
        Rgba c = gradient_at(stops, (float(y) + 0.5f) / bottom);
        for (int x = 0; x < b.w; x++) b.img.at(x, y) = c;
    }
}

void paint_sun(Backdrop& b, float x, float y, float radius, Rgba core, Rgba halo, float halo_radius)
{
    int x0 = int(x - halo_radius), x1 = int(x + halo_radius) + 1;
    paint_region(b.img, x0, int(y - halo_radius), x1, int(y + halo_radius) + 1, b.wrap, [&](float px, float py) {
        float d = std::hypot(px - x, py - y);
        float g = std::exp(-d * d / (halo_radius * halo_radius * 0.25f)) * halo.a;
        Rgba out = with_alpha(halo, g);
        float c = coverage(d - radius);
        if (c > 0) out = mix(out, with_alpha(core, 1.0f), c);
        return out;
    });
}

void paint_moon(Backdrop& b, float x, float y, float radius, Rgba light, Rgba dark)
{
    paint_sun(b, x, y, radius, light, with_alpha(light, 0.35f), radius * 5);
    paint_region(b.img, int(x - radius - 2), int(y - radius - 2), int(x + radius + 3), int(y + radius + 3), b.wrap, [&](float px, float py) {
        float d = std::hypot(px - x, py - y);
        if (d > radius) return Rgba{};
        // Maria: soft darker patches.
        float n = fbm((px - x) / radius * 2.0f + 5, (py - y) / radius * 2.0f + 5, b.seed + 77, 3);
        float k = smoothstep(0.45f, 0.7f, n) * 0.5f;
        return with_alpha(dark, k * coverage(d - radius));
    });
}

void paint_stars(Backdrop& b, int count, float bottom, uint32_t s)
{
    Rng rng(s);
    for (int i = 0; i < count; i++) {
        float x = rng.range(0, float(b.w)), y = rng.range(0, bottom);
        float bright = rng.unit();
        bright = bright * bright;
        float fade = 1.0f - y / bottom;
        Rgba c = mix(hex(0xBFD4FF), hex(0xFFF3D6), rng.unit());
        int xi = int(x), yi = int(y);
        b.img.blend_wrapped(xi, yi, c, (0.35f + 0.65f * bright) * fade);
        if (bright > 0.8f) {
            for (int k = -1; k <= 1; k += 2) {
                b.img.blend_wrapped(xi + k, yi, c, 0.35f * fade);
                if (yi + k >= 0) b.img.blend_wrapped(xi, yi + k, c, 0.35f * fade);
            }
        }
    }
}

void paint_clouds(Backdrop& b, float top, float bottom, Rgba lit, Rgba shade, float coverage_amt, float cycles, uint32_t s)
{
    float mid = (top + bottom) * 0.5f, half = (bottom - top) * 0.5f;
    paint_region(b.img, 0, int(top), b.w, int(bottom) + 1, false, [&](float x, float y) {
        float band = 1.0f - std::pow(std::fabs(y - mid) / half, 2.0f);
        if (band <= 0) return Rgba{};
        // Clouds are wider than tall: squash the vertical axis.
        float n = b.tile_noise(x, (y - top) * 2.2f + 1000.0f, cycles, s, 5);
        float d = smoothstep(1.0f - coverage_amt, 1.0f - coverage_amt + 0.25f, n * (0.55f + 0.45f * band));
        if (d <= 0) return Rgba{};
        float above = b.tile_noise(x - 3, (y - 4 - top) * 2.2f + 1000.0f, cycles, s, 5);
        float lightness = clamp01(0.5f + (n - above) * 6.0f) * 0.6f + 0.4f * (1.0f - (y - top) / (bottom - top));
        return with_alpha(mix(shade, lit, lightness), d * lit.a);
    });
}

void paint_ridge(Backdrop& b, const RidgeStyle& st, uint32_t s)
{
    float fill_to = st.fill_to < 0 ? float(b.h) : st.fill_to;
    std::vector<float> crest(size_t(b.w));
    for (int x = 0; x < b.w; x++) {
        float u = float(x) + 0.5f;
        float soft = b.tile_noise(u, 0, st.cycles, s, 5);
        float sharp = 0;
        int c = std::max(1, int(std::lround(st.cycles)));
        sharp = ridged(u / float(b.w) * float(c), 3.3f, s + 5, 6, b.wrap ? c : 0);
        float v = lerpf(soft, sharp, st.sharpness);
        crest[size_t(x)] = st.base - st.amplitude * v;
    }
    float top_most = *std::min_element(crest.begin(), crest.end());
    // Slope from a wider window, so light falls on whole faces rather than single columns.
    std::vector<float> slope(size_t(b.w));
    for (int x = 0; x < b.w; x++) {
        float acc = 0;
        for (int k = 1; k <= 6; k++) acc += crest[size_t((x + k) % b.w)] - crest[size_t((x - k + b.w) % b.w)];
        slope[size_t(x)] = acc / 42.0f;
    }
    for (int x = 0; x < b.w; x++) {
        float cy = crest[size_t(x)];
        for (int y = std::max(0, int(top_most) - 1); y < std::min(b.h, int(fill_to) + 1); y++) {
            float cov = clamp01(float(y) + 1.0f - cy);
            if (float(y) >= fill_to) cov *= clamp01(fill_to + 1.0f - float(y));
            if (cov <= 0) continue;
            float t = clamp01((float(y) - cy) / std::max(1.0f, fill_to - cy));
            Rgba c = mix(st.top, st.bottom, t);
            // Gullies running down the faces, and a fine grain.
            float gully = b.tile_noise(float(x), float(y) * 2.0f, st.cycles * 10, s + 9, 4);
            float grain = b.tile_noise(float(x), float(y), st.cycles * 40, s + 11, 2);
            c = scale_rgb(c, 1.0f + (gully - 0.5f) * st.texture * 2.0f * st.sharpness + (grain - 0.5f) * st.texture);
            if (st.light.a > 0) {
                float lit = clamp01(0.5f - slope[size_t(x)] * 2.5f + (gully - 0.5f) * 0.8f) * (1.0f - t * 0.6f);
                c = mix(c, with_alpha(st.light, 1.0f), lit * st.light.a);
            }
            if (st.cap.a > 0) {
                float height = (st.base - cy) / st.amplitude;
                float depth = float(y) - cy;
                float reach = (height - st.cap_level) * st.amplitude * 0.8f + (gully - 0.5f) * 22.0f;
                float snow = smoothstep(0.0f, 3.0f, reach - depth) * smoothstep(st.cap_level - 0.05f, st.cap_level + 0.1f, height);
                float shade = slope[size_t(x)] > 0.15f ? 0.78f : 1.0f;
                c = mix(c, scale_rgb(with_alpha(st.cap, 1.0f), shade), snow * st.cap.a);
            }
            b.img.blend(x, y, c, cov);
        }
    }
}

void paint_peaks(Backdrop& b, const PeakStyle& st, uint32_t s)
{
    Rng rng(s);
    struct Peak {
        float x, h, wl, wr;
    };
    std::vector<Peak> peaks;
    for (int i = 0; i < st.count; i++) {
        float h = rng.range(st.min_height, st.max_height);
        peaks.push_back({float(i) * float(b.w) / float(st.count) + rng.range(-0.3f, 0.3f) * float(b.w) / float(st.count), h,
                         h * rng.range(1.3f, 2.0f), h * rng.range(1.4f, 2.2f)});
    }
    // Lower peaks in front.
    std::stable_sort(peaks.begin(), peaks.end(), [](const Peak& a, const Peak& c) { return a.h > c.h; });
    for (size_t i = 0; i < peaks.size(); i++) {
        const Peak& pk = peaks[i];
        uint32_t ps = s + uint32_t(i) * 97u;
        float apex = st.base - pk.h;
        paint_region(b.img, int(pk.x - pk.wl - 8), int(apex - 4), int(pk.x + pk.wr + 8), int(st.base + 1), b.wrap, [&](float x, float y) {
            float v = (y - apex) / pk.h;  // 0 at the apex, 1 at the base
            float jag = (b.tile_noise(x, y, 60, ps, 4) - 0.5f) * 10.0f;
            float left = pk.x - pk.wl * v + jag, right = pk.x + pk.wr * v + jag;
            float d = std::max({left - x, x - right, apex - y});
            float cov = coverage(d) * clamp01(st.base + 1 - y);
            if (cov <= 0) return Rgba{};
            float ridge = pk.x + (b.tile_noise(x * 0.2f, y, 20, ps + 3, 3) - 0.5f) * pk.h * 0.5f * v;
            float gully = b.tile_noise(x + (x < ridge ? y : -y) * 0.8f, y * 0.5f, 50, ps + 5, 3);
            Rgba c = x < ridge ? st.lit : st.shadow;
            c = scale_rgb(c, 0.85f + gully * 0.3f);
            if (st.snow.a > 0) {
                float line = st.snow_line + (gully - 0.5f) * 0.35f + (b.tile_noise(x, y, 120, ps + 7, 2) - 0.5f) * 0.1f;
                if (v < line) c = x < ridge ? with_alpha(st.snow, 1.0f) : mix(with_alpha(st.snow, 1.0f), st.shadow, 0.35f);
            }
            if (st.haze.a > 0) c = mix(c, with_alpha(st.haze, 1.0f), st.haze.a * v);
            return with_alpha(c, cov);
        });
    }
}

void paint_haze(Backdrop& b, float y, float thickness, Rgba colour)
{
    for (int yy = std::max(0, int(y - thickness * 2)); yy < std::min(b.h, int(y + thickness * 2)); yy++) {
        float k = std::exp(-std::pow((float(yy) - y) / thickness, 2.0f)) * colour.a;
        for (int x = 0; x < b.w; x++) b.img.blend(x, yy, colour, k);
    }
}

void paint_ground(Backdrop& b, float top, const std::vector<GradientStop>& depth_colours,
                  const std::function<Rgba(float, float, Rgba)>& tex)
{
    float s_top = b.scale(top);
    for (int y = std::max(0, int(top)); y < b.h; y++) {
        float s = b.scale(float(y) + 0.5f);
        float t = clamp01((s - s_top) / std::max(0.001f, 1.0f - s_top));
        Rgba base = gradient_at(depth_colours, t);
        for (int x = 0; x < b.w; x++) {
            Rgba c = tex(float(x) + 0.5f, float(y) + 0.5f, base);
            b.img.blend(x, y, c);
        }
    }
}

void scatter(Backdrop& b, float y0, float y1, int count, uint32_t s, const std::function<void(float, float, float, Rng&)>& fn)
{
    Rng rng(s);
    struct Item {
        float x, y;
        uint32_t seed;
    };
    std::vector<Item> items;
    float s_min = b.scale(y0);
    int guard = 0;
    while (int(items.size()) < count && guard++ < count * 40) {
        float y = rng.range(y0, y1);
        if (rng.unit() > s_min / b.scale(y)) continue;
        items.push_back({rng.range(0, float(b.w)), y, rng.next()});
    }
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& c) { return a.y < c.y; });
    for (const Item& it : items) {
        Rng local(it.seed);
        fn(it.x, it.y, b.scale(it.y), local);
    }
}

void shade_band_edges(Backdrop& b, float strength)
{
    for (int y = 0; y < b.h; y++) {
        float d1 = (float(y) - b.far_line) / 10.0f;
        float k = 0;
        if (d1 > -1.0f && d1 < 1.5f) k = std::max(k, (1.0f - std::fabs(d1 - 0.2f) / 1.3f));
        float d2 = (float(y) - b.near_line) / 8.0f;
        if (d2 > 0) k = std::max(k, std::min(1.0f, d2));
        if (k <= 0) continue;
        for (int x = 0; x < b.w; x++) b.img.at(x, y) = scale_rgb(b.img.at(x, y), 1.0f - strength * clamp01(k));
    }
}

void grade(Backdrop& b, Rgba tint, float amount, float contrast)
{
    for (int y = 0; y < b.h; y++)
        for (int x = 0; x < b.w; x++) {
            Rgba& c = b.img.at(x, y);
            Rgba t{c.r * tint.r, c.g * tint.g, c.b * tint.b, c.a};
            c = mix(c, t, amount);
            c.r = clamp01((c.r - 0.5f) * contrast + 0.5f);
            c.g = clamp01((c.g - 0.5f) * contrast + 0.5f);
            c.b = clamp01((c.b - 0.5f) * contrast + 0.5f);
            float vy = float(y) / float(b.h);
            c = scale_rgb(c, 1.0f - 0.18f * smoothstep(0.75f, 1.0f, vy));
        }
}
