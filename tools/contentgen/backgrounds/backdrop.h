// The painter's canvas for a playfield: the picture plus its perspective, and the layers every setting uses.
#pragma once
#include "levels/level_plan.h"
#include "paint/draw.h"
#include "paint/noise.h"
#include <functional>

struct Backdrop {
    Image img;
    int w = 0, h = 0;
    float horizon = 100;          // painted horizon
    float far_line = 160, near_line = 300;
    float scale_mod = 0.55f;
    bool wrap = true;             // playfields tile; story pictures do not
    uint32_t seed = 1;

    Backdrop(int width, int height, float horizon_y, float far_y, float near_y, float mod, bool tiles, uint32_t s);
    explicit Backdrop(const LevelPlan& p);
    // Size of a thing standing at y, relative to the near line: the game's own depth scale inside the
    // walkable band, shrinking to nothing at the horizon above it.
    float scale(float y) const;
    // Ground texture that shrinks toward the horizon and still tiles across the width (0..1).
    float ground_noise(float x, float y, float cycles_near, uint32_t s, int octaves = 4) const;
    // Noise that tiles across the width, in picture pixels (feature size ~ width / cycles).
    float tile_noise(float x, float y, float cycles, uint32_t s, int octaves = 4) const;
};

// Sky from the top to below the horizon.
void paint_sky(Backdrop& b, const std::vector<GradientStop>& stops, float bottom);
void paint_sun(Backdrop& b, float x, float y, float radius, Rgba core, Rgba halo, float halo_radius);
void paint_moon(Backdrop& b, float x, float y, float radius, Rgba light, Rgba dark);
void paint_stars(Backdrop& b, int count, float bottom, uint32_t s);
// Cloud bank between two heights; coverage 0..1.
void paint_clouds(Backdrop& b, float top, float bottom, Rgba lit, Rgba shade, float coverage, float cycles, uint32_t s);
// A ridge line (mountains, hills, dunes): fills from the profile down to `fill_to`.
struct RidgeStyle {
    float base = 100, amplitude = 40, cycles = 3;
    float sharpness = 0.5f;   // 0 rolling hills .. 1 jagged peaks
    Rgba top{}, bottom{};     // colour at the crest and at the base
    Rgba light = hex(0xFFFFFF, 0.0f);  // sunlit slopes (alpha = strength)
    Rgba cap = hex(0xFFFFFF, 0.0f);    // snow caps (alpha = strength)
    float cap_level = 0.7f;
    float fill_to = -1;       // defaults to the picture bottom
    float texture = 0.15f;
};
void paint_ridge(Backdrop& b, const RidgeStyle& st, uint32_t s);
// A range of separate peaks, each lit on its left face and shadowed on its right, with snow caps.
struct PeakStyle {
    float base = 110;
    int count = 5;
    float min_height = 30, max_height = 70;
    Rgba lit{}, shadow{}, snow{};  // snow alpha 0 for bare peaks
    float snow_line = 0.35f;  // fraction of each peak's height that carries snow
    Rgba haze = hex(0xFFFFFF, 0.0f);  // blends toward the base
};
void paint_peaks(Backdrop& b, const PeakStyle& st, uint32_t s);
// Atmospheric haze band around a height.
void paint_haze(Backdrop& b, float y, float thickness, Rgba colour);
// Ground from `top` down: colour by depth (far to near), textured by `tex` (returns a brightness).
void paint_ground(Backdrop& b, float top, const std::vector<GradientStop>& depth_colours,
                  const std::function<Rgba(float x, float y, Rgba base)>& tex);
// Scatters items over a depth range, far ones first, denser where things are small.
void scatter(Backdrop& b, float y0, float y1, int count, uint32_t s, const std::function<void(float x, float y, float sc, Rng& rng)>& fn);
// Darkens the walkable band's far and near edges slightly so the band reads clearly.
void shade_band_edges(Backdrop& b, float strength);
// Final grade: warmth, contrast and a gentle vignette toward the bottom corners.
void grade(Backdrop& b, Rgba tint, float tint_amount, float contrast);
