// Writes 24-bit PNG and JPEG files through SDL_image.
#include "formats/png_writer.h"
#include "formats/file_out.h"
#include <SDL.h>
#include <SDL_image.h>
#include <cstdio>

static SDL_Surface* make_surface(int width, int height, const std::vector<uint8_t>& rgb)
{
    if (width <= 0 || height <= 0 || rgb.size() != size_t(width) * size_t(height) * 3) return nullptr;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24);
    if (!s) return nullptr;
    for (int y = 0; y < height; y++)
        SDL_memcpy(static_cast<uint8_t*>(s->pixels) + y * s->pitch, rgb.data() + size_t(y) * width * 3, size_t(width) * 3);
    return s;
}

// PNG encoders are deterministic, but write through a temporary so unchanged files keep their time.
static bool save_via(const std::string& path, SDL_Surface* s, bool jpeg, int quality)
{
    std::string tmp = path + ".tmp";
    make_parent_dirs(path);
    int rc = jpeg ? IMG_SaveJPG(s, tmp.c_str(), quality) : IMG_SavePNG(s, tmp.c_str());
    if (rc != 0) {
        std::fprintf(stderr, "contentgen: cannot write %s: %s\n", path.c_str(), IMG_GetError());
        return false;
    }
    FILE* f = std::fopen(tmp.c_str(), "rb");
    if (!f) return false;
    std::vector<uint8_t> bytes;
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
    std::fclose(f);
    std::remove(tmp.c_str());
    return write_file(path, bytes);
}

bool write_png24(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb)
{
    SDL_Surface* s = make_surface(width, height, rgb);
    if (!s) return false;
    bool ok = save_via(path, s, false, 0);
    SDL_FreeSurface(s);
    return ok;
}

bool write_png32(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba)
{
    if (width <= 0 || height <= 0 || rgba.size() != size_t(width) * size_t(height) * 4) return false;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32);
    if (!s) return false;
    for (int y = 0; y < height; y++)
        SDL_memcpy(static_cast<uint8_t*>(s->pixels) + y * s->pitch, rgba.data() + size_t(y) * width * 4, size_t(width) * 4);
    bool ok = save_via(path, s, false, 0);
    SDL_FreeSurface(s);
    return ok;
}

bool write_jpeg24(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb, int quality)
{
    SDL_Surface* s = make_surface(width, height, rgb);
    if (!s) return false;
    bool ok = save_via(path, s, true, quality);
    SDL_FreeSurface(s);
    return ok;
}
