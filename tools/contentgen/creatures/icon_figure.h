// The sorceress posed for the desktop icon, as plain pixels (the icon is painted with the 2D tools).
#pragma once
#include <cstdint>
#include <vector>

struct FigurePixels {
    int w = 0, h = 0;
    std::vector<uint8_t> rgb;    // w * h * 3
    std::vector<uint8_t> solid;  // w * h: 1 where she is
};

// Turned three-quarters toward the viewer, her glowing staff at her side; ppu pixels per model unit.
FigurePixels render_icon_figure(float ppu);
