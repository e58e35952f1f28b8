// The game's own reader of 8-bit colour-mapped TGA files.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr int kTgaHeaderSize = 18;
constexpr int kTgaPaletteSize = 768;

// Reads a TGA with the size its header gives. With *pixels null a buffer is allocated; otherwise the
// buffer given holds at least *width x *height pixels on entry, and a larger picture is refused.
// On failure a buffer this call allocated is freed and *pixels is null again; a caller's buffer stays.
bool read_tga(const char* path, int* width, int* height, uint16_t** pixels);
// Width and height from the header; false when the file cannot be opened or is shorter than that.
bool read_tga_size(const char* path, int* width, int* height);
// Reads a TGA of a size the caller knows (its header is not read) into pixels.
bool read_tga_frame(const char* path, int width, int height, uint16_t* pixels);

// Palette (blue, green, red triples) and bottom-up index rows to top-down RGB565 rows.
void tga_convert(const uint8_t* palette, const uint8_t* indices, int width, int height, uint16_t* pixels);
