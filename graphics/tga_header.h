// The TGA header fields the game's reader takes on trust, read back so a data check can tell a file it would misread.
#pragma once
#include <string>

struct TgaHeader {
    int idLength = 0;
    int colourMapType = 0;
    int imageType = 0;
    int mapStart = 0, mapLength = 0, mapEntryBits = 0;
    int width = 0, height = 0;
    int bitsPerPixel = 0;
    int descriptor = 0;
    long fileSize = 0;
};

// The first 18 bytes and the file's size; false when the file cannot be opened or is shorter than a header.
bool read_tga_header(const char* path, TgaHeader* out);
// What in the header differs from the one layout the game reads (no image ID, a 256-entry colour map of
// 24-bit entries, uncompressed 8-bit indices, bottom row first, the whole body present); empty when
// nothing does.
std::string tga_layout_problem(const TgaHeader& header);
