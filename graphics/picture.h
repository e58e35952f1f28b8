// Picture pixel blocks: RGB565, rows top to bottom without gaps; allocation shared by every owner.
#pragma once
#include <cstddef>
#include <cstdint>

// The largest picture side any loader accepts.
constexpr int kMaxPictureSide = 4500;

// width x height pixels (at least one), or null when the size is absurd or memory is short.
uint16_t* alloc_pixels(int width, int height);
void free_pixels(uint16_t* pixels);

// The top bits of each channel: ((r & 0xF8) << 8) | ((g & 0xFC) << 3) | (b >> 3).
inline uint16_t rgb_to_565(unsigned r, unsigned g, unsigned b)
{
    return uint16_t(((r & 0xF8u) << 8) | ((g & 0xFCu) << 3) | (b >> 3));
}
