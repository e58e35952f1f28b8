// Reading a TGA header back and comparing it with the layout read_tga assumes.
#include "graphics/tga_header.h"
#include <cstdint>
#include <cstdio>
#include "graphics/tga_reader.h"
#include "platform/files.h"

bool read_tga_header(const char* path, TgaHeader* out)
{
    *out = TgaHeader{};
    FILE* f = sys_fopen(path, "rb");
    if (!f) return false;
    uint8_t h[kTgaHeaderSize];
    const size_t got = std::fread(h, 1, sizeof h, f);
    long size = -1;
    if (std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
    std::fclose(f);
    if (got != sizeof h) return false;
    out->idLength = h[0];
    out->colourMapType = h[1];
    out->imageType = h[2];
    out->mapStart = h[3] | h[4] << 8;
    out->mapLength = h[5] | h[6] << 8;
    out->mapEntryBits = h[7];
    out->width = h[12] | h[13] << 8;
    out->height = h[14] | h[15] << 8;
    out->bitsPerPixel = h[16];
    out->descriptor = h[17];
    out->fileSize = size;
    return true;
}

std::string tga_layout_problem(const TgaHeader& h)
{
    char text[160];
    if (h.imageType != 1 || h.colourMapType != 1) {
        std::snprintf(text, sizeof text, "TGA of image type %d, but the game reads only uncompressed colour-mapped (type 1)",
                      h.imageType);
        return text;
    }
    if (h.bitsPerPixel != 8) {
        std::snprintf(text, sizeof text, "TGA of %d bits a pixel, but the game reads 8", h.bitsPerPixel);
        return text;
    }
    if (h.mapStart != 0 || h.mapLength != 256 || h.mapEntryBits != 24) {
        std::snprintf(text, sizeof text,
                      "TGA colour map of %d entries of %d bits from %d, but the game reads 256 of 24 bits from 0",
                      h.mapLength, h.mapEntryBits, h.mapStart);
        return text;
    }
    if (h.idLength != 0) return "TGA with an image ID, which the game would read as palette";
    if (h.width < 1 || h.height < 1) {
        std::snprintf(text, sizeof text, "TGA of %d x %d pixels", h.width, h.height);
        return text;
    }
    const long need = long(kTgaHeaderSize + kTgaPaletteSize) + long(h.width) * h.height;
    if (h.fileSize >= 0 && h.fileSize < need) {
        std::snprintf(text, sizeof text, "TGA of %d x %d ends after %ld of its %ld bytes", h.width, h.height,
                      h.fileSize, need);
        return text;
    }
    if (h.descriptor & 0x20) return "TGA stored top row first; the game reads the bottom row first and shows it upside down";
    return {};
}
