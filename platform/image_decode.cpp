// PNG and JPEG decoding to 24-bit RGB through SDL2_image.
#include "platform/image_decode.h"
#include <SDL.h>
#include <SDL_image.h>
#include <cstdlib>
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
}  // namespace

bool image_decode_rgb24(const char* path, DecodedImage* out)
{
    *out = DecodedImage{};
    if (!ensure_decoder()) return false;
    std::string real = sys_resolve_path(path);
    SDL_RWops* rw = SDL_RWFromFile(real.c_str(), "rb");
    if (!rw) return false;
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
