// Writes 8-bit colour-mapped TGA files in the layout the game reads.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Rgb { uint8_t r = 0, g = 0, b = 0; };

// indices: width x height palette indices, top row first (the file stores bottom row first).
bool write_tga8(const std::string& path, int width, int height,
                const std::vector<uint8_t>& indices, const std::vector<Rgb>& palette);
