// PNG and JPEG decoding to 24-bit RGB (the stand-in for the handheld's image decompression library).
#pragma once
#include <cstdint>

// Rows top to bottom, three bytes a pixel (red, green, blue), width * 3 bytes a row, no padding.
struct DecodedImage {
    uint8_t* rgb = nullptr;
    int width = 0;
    int height = 0;
};

// The largest side decoded: the handheld's decoder was never asked for more than 4500 pixels.
constexpr int kDecodeMaxSide = 4500;

// Decodes a PNG or JPEG file (found by its content; anything else fails); false when the file cannot
// be opened or decoded. A picture whose header announces a side above kDecodeMaxSide is refused before
// the decoder allocates for it: false, with out->width and out->height holding the announced size.
// The caller releases the pixels with image_free.
bool image_decode_rgb24(const char* path, DecodedImage* out);
void image_free(DecodedImage* image);
