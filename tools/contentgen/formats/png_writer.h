// Writes 24-bit PNG and JPEG files (pictures the game decodes, and contact sheets).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// rgb: width x height x 3 bytes, top row first.
bool write_png24(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);
// rgba: width x height x 4 bytes (straight alpha), top row first.
bool write_png32(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba);
bool write_jpeg24(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb, int quality);
