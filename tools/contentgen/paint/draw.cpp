// Shapes, gradients, blurs and lighting on the painting surface.
#include "paint/draw.h"
#include <cmath>

float sd_circle(float px, float py, float cx, float cy, float r)
{
    return std::hypot(px - cx, py - cy) - r;
}

float sd_ellipse(float px, float py, float cx, float cy, float rx, float ry)
{
    float dx = (px - cx) / rx, dy = (py - cy) / ry;
    float k = std::sqrt(dx * dx + dy * dy);
    // Scale the normalised distance back by the local radius: good enough away from flat ellipses.
    float grad = std::sqrt(dx * dx / (rx * rx) + dy * dy / (ry * ry));
    if (grad < 1e-6f) return -std::min(rx, ry);
    return (k - 1.0f) * k / grad;
}

float sd_round_box(float px, float py, float cx, float cy, float hx, float hy, float r)
{
    float qx = std::fabs(px - cx) - hx + r, qy = std::fabs(py - cy) - hy + r;
    float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
    return std::hypot(ox, oy) + std::min(std::max(qx, qy), 0.0f) - r;
}

float sd_segment(float px, float py, float ax, float ay, float bx, float by)
{
    float pax = px - ax, pay = py - ay, bax = bx - ax, bay = by - ay;
    float len2 = bax * bax + bay * bay;
    float h = len2 > 0 ? clamp01((pax * bax + pay * bay) / len2) : 0.0f;
    return std::hypot(pax - bax * h, pay - bay * h);
}

float sd_polygon(float px, float py, const std::vector<Vec2>& v)
{
    size_t n = v.size();
    if (n < 3) return 1e9f;
    float d = (px - v[0].x) * (px - v[0].x) + (py - v[0].y) * (py - v[0].y);
    float s = 1.0f;
    for (size_t i = 0, j = n - 1; i < n; j = i, i++) {
        float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
        float wx = px - v[i].x, wy = py - v[i].y;
        float t = clamp01((wx * ex + wy * ey) / (ex * ex + ey * ey));
        float bx = wx - ex * t, by = wy - ey * t;
        d = std::min(d, bx * bx + by * by);
        bool c1 = py >= v[i].y, c2 = py < v[j].y, c3 = ex * wy > ey * wx;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
    }
    return s * std::sqrt(d);
}

Rgba gradient_at(const std::vector<GradientStop>& stops, float t)
{
    if (stops.empty()) return {};
    if (t <= stops.front().at) return stops.front().colour;
    for (size_t i = 1; i < stops.size(); i++)
        if (t <= stops[i].at) {
            float span = stops[i].at - stops[i - 1].at;
            float k = span > 0 ? (t - stops[i - 1].at) / span : 1.0f;
            return mix(stops[i - 1].colour, stops[i].colour, k);
        }
    return stops.back().colour;
}

void fill_vertical_gradient(Image& img, int y0, int y1, const std::vector<GradientStop>& stops)
{
    for (int y = std::max(0, y0); y < std::min(img.h, y1); y++) {
        float t = (float(y) + 0.5f - float(y0)) / float(std::max(1, y1 - y0));
        Rgba c = gradient_at(stops, t);
        for (int x = 0; x < img.w; x++) img.blend(x, y, c);
    }
}

// One horizontal then vertical box pass over a float plane.
static void box_pass(std::vector<float>& plane, int w, int h, int r, bool wrap_x)
{
    if (r < 1) return;
    std::vector<float> tmp(plane.size());
    float norm = 1.0f / float(2 * r + 1);
    for (int y = 0; y < h; y++) {
        const float* row = plane.data() + size_t(y) * size_t(w);
        float sum = 0;
        for (int k = -r; k <= r; k++) {
            int xi = wrap_x ? ((k % w) + w) % w : std::clamp(k, 0, w - 1);
            sum += row[xi];
        }
        for (int x = 0; x < w; x++) {
            tmp[size_t(y) * size_t(w) + size_t(x)] = sum * norm;
            int out = x - r, in = x + r + 1;
            int xo = wrap_x ? ((out % w) + w) % w : std::clamp(out, 0, w - 1);
            int xi = wrap_x ? ((in % w) + w) % w : std::clamp(in, 0, w - 1);
            sum += row[xi] - row[xo];
        }
    }
    for (int x = 0; x < w; x++) {
        float sum = 0;
        for (int k = -r; k <= r; k++) sum += tmp[size_t(std::clamp(k, 0, h - 1)) * size_t(w) + size_t(x)];
        for (int y = 0; y < h; y++) {
            plane[size_t(y) * size_t(w) + size_t(x)] = sum * norm;
            int yo = std::clamp(y - r, 0, h - 1), yi = std::clamp(y + r + 1, 0, h - 1);
            sum += tmp[size_t(yi) * size_t(w) + size_t(x)] - tmp[size_t(yo) * size_t(w) + size_t(x)];
        }
    }
}

static void blur_plane(std::vector<float>& plane, int w, int h, float radius, bool wrap_x)
{
    // Three box passes of this width approximate a Gaussian of the given radius.
    int r = std::max(1, int(std::lround(radius * 0.58f)));
    for (int i = 0; i < 3; i++) box_pass(plane, w, h, r, wrap_x);
}

void blur(Image& img, float radius, bool wrap_x)
{
    size_t n = img.px.size();
    std::vector<float> r(n), g(n), b(n), a(n);
    for (size_t i = 0; i < n; i++) {
        const Rgba& c = img.px[i];
        r[i] = c.r * c.a;
        g[i] = c.g * c.a;
        b[i] = c.b * c.a;
        a[i] = c.a;
    }
    blur_plane(r, img.w, img.h, radius, wrap_x);
    blur_plane(g, img.w, img.h, radius, wrap_x);
    blur_plane(b, img.w, img.h, radius, wrap_x);
    blur_plane(a, img.w, img.h, radius, wrap_x);
    for (size_t i = 0; i < n; i++) {
        float al = a[i];
        img.px[i] = al > 1e-5f ? Rgba{r[i] / al, g[i] / al, b[i] / al, al} : Rgba{0, 0, 0, 0};
    }
}

std::vector<float> blur_mask(const std::vector<float>& mask, int w, int h, float radius)
{
    std::vector<float> out = mask;
    blur_plane(out, w, h, radius, false);
    return out;
}

float bevel_light(const std::function<float(float, float)>& dist, float x, float y, float bevel, float strength)
{
    auto height = [&](float px, float py) { return smoothstep(0.0f, bevel, -dist(px, py)); };
    float gx = height(x + 0.7f, y) - height(x - 0.7f, y);
    float gy = height(x, y + 0.7f) - height(x, y - 0.7f);
    // A surface that rises toward the middle faces the light on its upper-left rim.
    float lit = (gx * 0.7071f + gy * 0.7071f);
    return 1.0f + lit * strength;
}

void add_glow(Image& img, Rgba colour, float radius, float strength)
{
    std::vector<float> mask(img.px.size());
    for (size_t i = 0; i < mask.size(); i++) mask[i] = img.px[i].a;
    mask = blur_mask(mask, img.w, img.h, radius);
    Image glow(img.w, img.h);
    for (size_t i = 0; i < mask.size(); i++) glow.px[i] = with_alpha(colour, clamp01(mask[i] * strength));
    glow.draw(img, 0, 0);
    img = glow;
}

void add_shadow(Image& img, int dx, int dy, float radius, float strength)
{
    std::vector<float> mask(img.px.size());
    for (int y = 0; y < img.h; y++)
        for (int x = 0; x < img.w; x++) {
            int sx = x - dx, sy = y - dy;
            mask[size_t(y) * size_t(img.w) + size_t(x)] = img.inside(sx, sy) ? img.at(sx, sy).a : 0.0f;
        }
    mask = blur_mask(mask, img.w, img.h, radius);
    Image shadow(img.w, img.h);
    for (size_t i = 0; i < mask.size(); i++) shadow.px[i] = Rgba{0, 0, 0, clamp01(mask[i] * strength)};
    shadow.draw(img, 0, 0);
    img = shadow;
}

void vignette(Image& img, float strength, float softness)
{
    for (int y = 0; y < img.h; y++)
        for (int x = 0; x < img.w; x++) {
            float dx = (float(x) + 0.5f) / float(img.w) * 2 - 1, dy = (float(y) + 0.5f) / float(img.h) * 2 - 1;
            float d = std::sqrt(dx * dx + dy * dy) / 1.4142f;
            float k = 1.0f - strength * smoothstep(1.0f - softness, 1.0f, d);
            Rgba& c = img.at(x, y);
            c = scale_rgb(c, k);
        }
}
