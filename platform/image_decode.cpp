// PNG and JPEG decoding to 24-bit RGB through SDL2_image.
#include "platform/image_decode.h"
#include <SDL.h>
#include <SDL_image.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <string>
#include "platform/files.h"

namespace {
// The decoder stays loaded for the life of the program once it has been used.
bool ensure_decoder()
{
    static bool ready = false;
    if (!ready) {
        int want = IMG_INIT_PNG | IMG_INIT_JPG;
        ready = (IMG_Init(want) & want) == want;
    }
    return ready;
}
// The PNG decoder's reader ignores short reads, so at the end of a cut-off file it finds its last chunk
// header again in its buffer and reads the same chunk for ever. The file is read through this source
// instead, which hands out zeros past the end: a zero chunk type, which the decoder refuses.
struct ZeroTailSource {
    std::string bytes;
    size_t at = 0;
};

Sint64 zero_tail_size(SDL_RWops* rw) { return Sint64(static_cast<ZeroTailSource*>(rw->hidden.unknown.data1)->bytes.size()); }

Sint64 zero_tail_seek(SDL_RWops* rw, Sint64 offset, int whence)
{
    auto* src = static_cast<ZeroTailSource*>(rw->hidden.unknown.data1);
    const Sint64 size = Sint64(src->bytes.size());
    const Sint64 base = whence == RW_SEEK_SET ? 0 : whence == RW_SEEK_CUR ? Sint64(src->at) : size;
    if (offset < -base || offset > size - base) return SDL_SetError("seek outside the picture");
    src->at = size_t(base + offset);
    return Sint64(src->at);
}

size_t zero_tail_read(SDL_RWops* rw, void* out, size_t size, size_t count)
{
    auto* src = static_cast<ZeroTailSource*>(rw->hidden.unknown.data1);
    if (size == 0 || count == 0) return 0;
    if (count > SIZE_MAX / size) count = SIZE_MAX / size;
    const size_t want = size * count;
    const size_t have = std::min(want, src->bytes.size() - src->at);
    std::memcpy(out, src->bytes.data() + src->at, have);
    std::memset(static_cast<uint8_t*>(out) + have, 0, want - have);
    src->at += have;
    return have / size;
}

size_t zero_tail_write(SDL_RWops*, const void*, size_t, size_t) { return 0; }

int zero_tail_close(SDL_RWops* rw)
{
    delete static_cast<ZeroTailSource*>(rw->hidden.unknown.data1);
    SDL_FreeRW(rw);
    return 0;
}

// A picture file larger than this is no picture the game could show.
constexpr long kMaxPictureFileBytes = 256L << 20;

bool read_whole_file(const std::string& path, std::string* out)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    long size = -1;
    if (std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
    bool ok = size >= 0 && size <= kMaxPictureFileBytes && std::fseek(f, 0, SEEK_SET) == 0;
    if (ok) {
        out->resize(size_t(size));
        ok = std::fread(out->data(), 1, out->size(), f) == out->size();
    }
    std::fclose(f);
    return ok;
}

SDL_RWops* open_zero_tail(const std::string& path)
{
    auto* src = new ZeroTailSource;
    if (!read_whole_file(path, &src->bytes)) {
        delete src;
        return nullptr;
    }
    SDL_RWops* rw = SDL_AllocRW();
    if (!rw) {
        delete src;
        return nullptr;
    }
    rw->size = zero_tail_size;
    rw->seek = zero_tail_seek;
    rw->read = zero_tail_read;
    rw->write = zero_tail_write;
    rw->close = zero_tail_close;
    rw->type = SDL_RWOPS_UNKNOWN;
    rw->hidden.unknown.data1 = src;
    return rw;
}

bool read_exact(SDL_RWops* rw, uint8_t* out, size_t n) { return SDL_RWread(rw, out, 1, n) == n; }

int be16(const uint8_t* p) { return int(p[0]) << 8 | int(p[1]); }

int be32_side(const uint8_t* p)
{
    const uint32_t v = uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
    return v > uint32_t(INT32_MAX) ? INT32_MAX : int(v);
}

// The size a PNG's IHDR or a JPEG's first frame header announces, read from the start of the file;
// false when neither is there.
bool announced_size(SDL_RWops* rw, int* width, int* height)
{
    static const uint8_t kPngStart[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    uint8_t head[24];
    if (!read_exact(rw, head, 2)) return false;
    if (head[0] == kPngStart[0]) {
        if (!read_exact(rw, head + 2, 22) || std::memcmp(head, kPngStart, 8) != 0 ||
            std::memcmp(head + 12, "IHDR", 4) != 0)
            return false;
        *width = be32_side(head + 16);
        *height = be32_side(head + 20);
        return true;
    }
    if (head[0] != 0xFF || head[1] != 0xD8) return false;
    // Walk the JPEG's markers as the decoder does: stray bytes before a marker and 0xFF fills are skipped.
    for (;;) {
        uint8_t marker = 0;
        do {
            if (!read_exact(rw, &marker, 1)) return false;
        } while (marker != 0xFF);
        do {
            if (!read_exact(rw, &marker, 1)) return false;
        } while (marker == 0xFF);
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length follows
        if (marker == 0xD9 || marker == 0xDA) return false;                  // image end or scan: no frame
        uint8_t segment[7];
        if (!read_exact(rw, segment, 2)) return false;
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            // Length, precision, height, width.
            if (!read_exact(rw, segment + 2, 5)) return false;
            *height = be16(segment + 3);
            *width = be16(segment + 5);
            return true;
        }
        const int length = be16(segment);
        if (length > 2 && SDL_RWseek(rw, length - 2, RW_SEEK_CUR) < 0) return false;
    }
}

}  // namespace

bool image_decode_rgb24(const char* path, DecodedImage* out)
{
    *out = DecodedImage{};
    if (!ensure_decoder()) return false;
    std::string real = sys_resolve_path(path);
    SDL_RWops* rw = open_zero_tail(real);
    if (!rw) return false;
    // The decoder allocates the whole picture from the header's size before it reads a pixel, so a few
    // hostile bytes could ask for gigabytes: look at the header first.
    int announcedWidth = 0, announcedHeight = 0;
    const bool known = announced_size(rw, &announcedWidth, &announcedHeight);
    if (known && (announcedWidth > kDecodeMaxSide || announcedHeight > kDecodeMaxSide)) {
        SDL_RWclose(rw);
        out->width = announcedWidth;
        out->height = announcedHeight;
        return false;
    }
    SDL_RWseek(rw, 0, RW_SEEK_SET);
    // Only what the handheld's library read: PNG and JPEG, told apart by their content.
    SDL_Surface* decoded = nullptr;
    if (IMG_isPNG(rw))
        decoded = IMG_LoadPNG_RW(rw);
    else if (IMG_isJPG(rw))
        decoded = IMG_LoadJPG_RW(rw);
    SDL_RWclose(rw);
    if (!decoded) return false;

    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_RGB24, 0);
    SDL_FreeSurface(decoded);
    if (!rgb) return false;

    bool ok = false;
    size_t row = size_t(rgb->w) * 3;
    auto* pixels = static_cast<uint8_t*>(std::malloc(row * size_t(rgb->h) + 1));
    if (pixels && SDL_LockSurface(rgb) == 0) {
        for (int y = 0; y < rgb->h; y++)
            std::memcpy(pixels + row * size_t(y), static_cast<const uint8_t*>(rgb->pixels) + size_t(y) * size_t(rgb->pitch), row);
        SDL_UnlockSurface(rgb);
        out->rgb = pixels;
        out->width = rgb->w;
        out->height = rgb->h;
        ok = true;
    } else {
        std::free(pixels);
    }
    SDL_FreeSurface(rgb);
    return ok;
}

void image_free(DecodedImage* image)
{
    std::free(image->rgb);
    *image = DecodedImage{};
}
