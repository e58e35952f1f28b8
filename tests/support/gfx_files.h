// Test helpers for pictures and archives: TGA and PNG/JPEG files, ZIP archives (minizip and Info-ZIP), log capture.
#pragma once
#include "support/log_capture.h"
#include <cstdint>
#include <string>
#include <vector>

struct Bgr {
    uint8_t b = 0, g = 0, r = 0;
};

// An 8-bit colour-mapped TGA as the game reads it; rows are given top row first.
std::vector<uint8_t> make_tga(int width, int height, const std::vector<Bgr>& palette,
                              const std::vector<uint8_t>& topDownIndices);
// A one-colour TGA of that size whose palette entry 1 is (r, g, b) and every pixel uses it.
std::vector<uint8_t> make_flat_tga(int width, int height, uint8_t r, uint8_t g, uint8_t b);

// rgb: width x height x 3 bytes, top row first.
bool write_png(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);
bool write_jpg(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);
// A one-colour PNG.
bool write_flat_png(const std::string& path, int width, int height, uint8_t r, uint8_t g, uint8_t b);

struct ZipEntry {
    std::string name;  // a name ending in "/" is a folder entry
    std::vector<uint8_t> bytes;
};
// Writes a deflated archive with minizip.
bool write_zip(const std::string& path, const std::vector<ZipEntry>& entries);
// Runs Info-ZIP's zip in folder: zip -q -r archive names...
bool run_info_zip(const std::string& folder, const std::string& archive, const std::string& names);


// RGB565 by the top bits.
inline uint16_t rgb565(unsigned r, unsigned g, unsigned b)
{
    return uint16_t(((r & 0xF8u) << 8) | ((g & 0xFCu) << 3) | (b >> 3));
}
