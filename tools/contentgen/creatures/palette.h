// 8-bit palettes for rendered frames: entry 0 is the transparent key, the rest chosen from the frames' colours.
#pragma once
#include "formats/tga_writer.h"
#include <cstdint>
#include <vector>

// The transparent key colour; no visible colour may equal it, even after the game's 5-6-5 conversion.
constexpr Rgb kKeyColour{255, 0, 255};

// Colour histogram over 6-bit-per-channel bins, fed with every visible pixel of a set of frames.
class ColourHistogram {
public:
    ColourHistogram();
    void add(uint8_t r, uint8_t g, uint8_t b, uint32_t weight = 1);
    void add_pixels(const std::vector<uint8_t>& rgb, const std::vector<uint8_t>& solid);
    // Up to 255 visible colours (median cut refined by a few k-means passes), key at 0.
    std::vector<Rgb> build_palette(int max_visible = 255) const;
    uint32_t count(int bin) const { return count_[size_t(bin)]; }

private:
    std::vector<uint32_t> count_;
    std::vector<uint64_t> sum_;  // r, g, b sums per bin
};

// Maps colours to the nearest visible palette entry (never 0), precomputed per 6-bit bin seen.
class PaletteMapper {
public:
    PaletteMapper(const std::vector<Rgb>& palette, const ColourHistogram& used);
    uint8_t map(uint8_t r, uint8_t g, uint8_t b) const;

private:
    std::vector<Rgb> pal_;
    std::vector<uint8_t> cache_;  // 0: not yet computed
};

// Nudges a colour away from the key so the game's colour-key test never hides it.
Rgb avoid_key(Rgb c);
