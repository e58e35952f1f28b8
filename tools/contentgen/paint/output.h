// Turns painted pictures into the files the game reads: 24-bit PNG/JPEG and 8-bit colour-mapped TGA.
#pragma once
#include "formats/tga_writer.h"
#include "paint/image.h"
#include <string>
#include <vector>

// The transparent key of every keyed picture (the game keys on a picture's top-left pixel).
constexpr uint8_t KEY_R = 255, KEY_G = 0, KEY_B = 255;

// Flattened over an opaque backdrop colour.
std::vector<uint8_t> flatten_rgb(const Image& img, Rgba backdrop = hex(0x000000));
// Opaque where alpha >= 0.5 (edges mixed toward the matte colour), key colour elsewhere.
std::vector<uint8_t> keyed_rgb(const Image& img, Rgba matte, bool use_matte);

bool save_png(const std::string& path, const Image& img, Rgba backdrop = hex(0x000000));
bool save_jpg(const std::string& path, const Image& img, int quality = 92);
bool save_png_keyed(const std::string& path, const Image& img, Rgba matte = {}, bool use_matte = false);

struct Indexed {
    int w = 0, h = 0;
    std::vector<uint8_t> idx;
    std::vector<Rgb> pal;  // 256 entries
};
// Median-cut palette; keyed pictures get entry 0 = key for every transparent pixel.
Indexed quantise(const Image& img, bool keyed, bool dither, Rgba matte = {}, bool use_matte = false);
bool save_tga(const std::string& path, const Image& img, bool keyed, bool dither, Rgba matte = {}, bool use_matte = false);
// Several pictures with one shared palette (strips whose frames must look alike).
std::vector<Indexed> quantise_shared(const std::vector<Image>& frames, bool keyed, bool dither);
