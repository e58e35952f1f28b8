// Shapes, gradients, blurs and lighting on the painting surface, built on signed distances.
#pragma once
#include "paint/image.h"
#include <functional>
#include <vector>

struct Vec2 {
    float x = 0, y = 0;
};

// Signed distances in pixels: negative inside.
float sd_circle(float px, float py, float cx, float cy, float r);
float sd_ellipse(float px, float py, float cx, float cy, float rx, float ry);
float sd_round_box(float px, float py, float cx, float cy, float hx, float hy, float r);
float sd_segment(float px, float py, float ax, float ay, float bx, float by);
float sd_polygon(float px, float py, const std::vector<Vec2>& pts);
// Edge coverage of a pixel for a signed distance (one-pixel soft edge).
inline float coverage(float d) { return clamp01(0.5f - d); }

// Calls f(x + 0.5, y + 0.5) for every pixel of the box and blends the colour it returns.
// With wrap, columns outside the picture land on the other side (seamless backdrops).
template <class F>
void paint_region(Image& img, int x0, int y0, int x1, int y1, bool wrap, F&& f)
{
    y0 = std::max(y0, 0);
    y1 = std::min(y1, img.h);
    if (!wrap) {
        x0 = std::max(x0, 0);
        x1 = std::min(x1, img.w);
    } else if (x1 - x0 > img.w) {
        x1 = x0 + img.w;
    }
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            Rgba c = f(float(x) + 0.5f, float(y) + 0.5f);
            if (c.a <= 0) continue;
            if (wrap) img.blend_wrapped(x, y, c);
            else img.blend(x, y, c);
        }
}

// Fills the inside of a distance function with one colour.
template <class D>
void fill_shape(Image& img, int x0, int y0, int x1, int y1, bool wrap, Rgba colour, D&& dist)
{
    paint_region(img, x0, y0, x1, y1, wrap, [&](float x, float y) {
        float c = coverage(dist(x, y));
        return with_alpha(colour, colour.a * c);
    });
}

struct GradientStop {
    float at;
    Rgba colour;
};
Rgba gradient_at(const std::vector<GradientStop>& stops, float t);
void fill_vertical_gradient(Image& img, int y0, int y1, const std::vector<GradientStop>& stops);

// Gaussian-like blur (three box passes); wrap_x for pictures that tile horizontally.
void blur(Image& img, float radius, bool wrap_x = false);
std::vector<float> blur_mask(const std::vector<float>& mask, int w, int h, float radius);

// Bevel lighting from a distance function: returns a brightness factor around 1.0
// (lit from the upper left) for a rim of `bevel` pixels, and 1.0 in the flat middle.
float bevel_light(const std::function<float(float, float)>& dist, float x, float y, float bevel, float strength);

// Soft glow of a colour around the opaque parts of a picture (drawn under it).
void add_glow(Image& img, Rgba colour, float radius, float strength);
// A dark drop shadow under the opaque parts of a picture.
void add_shadow(Image& img, int dx, int dy, float radius, float strength);
// Multiplies colours toward the edges (painted vignette).
void vignette(Image& img, float strength, float softness);
