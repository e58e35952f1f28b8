// Software renderer for the creature models: orthographic, tilted camera, z-buffer, supersampled, lit, inked.
#pragma once
#include "creatures/scene.h"
#include <cstdint>
#include <vector>

struct RenderView {
    float ppu = 40.f;        // pixels per model unit
    float yaw = 0.f;         // model turn about the vertical axis (0: facing the camera)
    float tilt = 0.5585f;    // camera pitch down (32 degrees), matching the playfield's perspective
    int supersample = 3;     // samples per pixel along each axis
    float ink_depth = 0.06f; // depth step (model units) that draws an ink line inside the silhouette
    V3 outline_tint{0.10f, 0.07f, 0.12f};
    bool shadow = true;
};

// A rendered frame in ground-anchored pixel coordinates: column 0 is centred on the creature's
// ground point, row 0 is the first row below the ground line. Covers [x0, x0+w) x [y0, y0+h).
struct RgbFrame {
    int x0 = 0, y0 = 0, w = 0, h = 0;
    std::vector<uint8_t> rgb;    // w * h * 3
    std::vector<uint8_t> solid;  // w * h: 1 where a visible pixel is
    bool empty() const { return w == 0 || h == 0; }
};

RgbFrame render_scene(const Scene& scene, const RenderView& view);

// Projected pixel bounds (before outline) of a scene, for fitting a creature into its frame box.
struct PixelBounds {
    float minx = 1e9f, maxx = -1e9f, miny = 1e9f, maxy = -1e9f;
};
PixelBounds project_bounds(const Scene& scene, const RenderView& view);

// Where a model-space point lands, in the ground-anchored pixel coordinates of render_scene.
void project_point(const RenderView& view, const V3& p, float* px, float* py);
