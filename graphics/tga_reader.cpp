// The game's own reader of 8-bit colour-mapped TGA files.
#include "graphics/tga_reader.h"
#include <cstdio>
#include <cstdlib>
#include "graphics/picture.h"
#include "platform/files.h"
#include "util/log.h"

namespace {

bool size_is_sane(const char* path, int width, int height)
{
    if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide) {
        log_msg("Refused %s: a picture of %d x %d is not readable.", path, width, height);
        return false;
    }
    return true;
}

}  // namespace

void tga_convert(const uint8_t* palette, const uint8_t* indices, int width, int height, uint16_t* pixels)
{
    uint16_t lut[256];
    for (int i = 0; i < 256; i++)
        lut[i] = rgb_to_565(palette[i * 3 + 2], palette[i * 3 + 1], palette[i * 3]);
    // Rows are stored bottom row first.
    for (int r = 0; r < height; r++) {
        const uint8_t* src = indices + size_t(height - 1 - r) * size_t(width);
        uint16_t* dst = pixels + size_t(r) * size_t(width);
        for (int x = 0; x < width; x++) dst[x] = lut[src[x]];
    }
}

bool read_tga(const char* path, int* width, int* height, uint16_t** pixels)
{
    FILE* f = sys_fopen(path, "rb");
    if (!f) return false;
    uint8_t header[kTgaHeaderSize];
    if (std::fread(header, 1, sizeof header, f) != sizeof header) {
        log_msg("Refused %s: it is too short to be a TGA.", path);
        std::fclose(f);
        return false;
    }
    const size_t capacity = *pixels ? size_t(*width > 0 ? *width : 0) * size_t(*height > 0 ? *height : 0) : 0;
    const int w = header[12] | (header[13] << 8);
    const int h = header[14] | (header[15] << 8);
    *width = w;
    *height = h;
    if (!size_is_sane(path, w, h)) {
        std::fclose(f);
        return false;
    }
    const size_t count = size_t(w) * size_t(h);
    if (*pixels && count > capacity) {
        log_msg("Refused %s: %d x %d does not fit the picture it is read into.", path, w, h);
        std::fclose(f);
        return false;
    }

    bool allocated = false;
    if (!*pixels) {
        *pixels = alloc_pixels(w, h);
        if (!*pixels) {
            log_error("Couldn't get memory to init a graphic.");
            std::fclose(f);
            return false;
        }
        allocated = true;
    }

    const size_t want = kTgaPaletteSize + count + 2;
    auto* body = static_cast<uint8_t*>(std::malloc(want));
    size_t got = body ? std::fread(body, 1, want, f) : 0;
    bool ok = body != nullptr;
    if (std::fclose(f) != 0) ok = false;
    if (ok && got < kTgaPaletteSize + count) {
        // The header claims more pixels than the file holds.
        log_msg("Refused %s: the file ends before its %d x %d pixels.", path, w, h);
        ok = false;
    }
    if (ok) tga_convert(body, body + kTgaPaletteSize, w, h, *pixels);
    std::free(body);
    if (!ok && allocated) {
        free_pixels(*pixels);
        *pixels = nullptr;
    }
    return ok;
}

bool read_tga_size(const char* path, int* width, int* height)
{
    FILE* f = sys_fopen(path, "rb");
    if (!f) return false;
    uint8_t header[20];
    size_t got = std::fread(header, 1, sizeof header, f);
    std::fclose(f);
    if (got < 16) {
        log_msg("Refused %s: it is too short to be a TGA.", path);
        return false;
    }
    *width = header[12] | (header[13] << 8);
    *height = header[14] | (header[15] << 8);
    return true;
}

bool read_tga_frame(const char* path, int width, int height, uint16_t* pixels)
{
    if (!size_is_sane(path, width, height)) return false;
    FILE* f = sys_fopen(path, "rb");
    if (!f) return false;
    const size_t count = size_t(width) * size_t(height);
    const size_t want = kTgaHeaderSize + kTgaPaletteSize + count + 2;
    auto* file = static_cast<uint8_t*>(std::malloc(want));
    size_t got = file ? std::fread(file, 1, want, f) : 0;
    bool ok = file != nullptr;
    if (std::fclose(f) != 0) ok = false;
    if (ok && got < kTgaHeaderSize + kTgaPaletteSize + count) {
        // Every frame of a strip must hold the first frame's size.
        log_msg("Refused %s: the file ends before its %d x %d pixels.", path, width, height);
        ok = false;
    }
    if (ok) tga_convert(file + kTgaHeaderSize, file + kTgaHeaderSize + kTgaPaletteSize, width, height, pixels);
    std::free(file);
    return ok;
}
