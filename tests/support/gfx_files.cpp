// Test helpers for pictures and archives: TGA and PNG/JPEG files, ZIP archives (minizip and Info-ZIP), log capture.
#include "support/gfx_files.h"
#include <SDL.h>
#include <SDL_image.h>
#include <minizip/zip.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <filesystem>
#include "platform/debug_output_file.h"
#include "support/temp_folder.h"

std::vector<uint8_t> make_tga(int width, int height, const std::vector<Bgr>& palette,
                              const std::vector<uint8_t>& topDownIndices)
{
    std::vector<uint8_t> f(18 + 768, 0);
    f[1] = 1;  // colour map present
    f[2] = 1;  // uncompressed colour-mapped
    f[5] = 0;
    f[6] = 1;  // 256 entries
    f[7] = 24;
    f[12] = uint8_t(width & 0xFF);
    f[13] = uint8_t(width >> 8);
    f[14] = uint8_t(height & 0xFF);
    f[15] = uint8_t(height >> 8);
    f[16] = 8;
    for (size_t i = 0; i < palette.size() && i < 256; i++) {
        f[18 + i * 3] = palette[i].b;
        f[18 + i * 3 + 1] = palette[i].g;
        f[18 + i * 3 + 2] = palette[i].r;
    }
    for (int row = height - 1; row >= 0; row--)
        for (int x = 0; x < width; x++) f.push_back(topDownIndices[size_t(row) * size_t(width) + size_t(x)]);
    f.push_back(0);
    f.push_back(0);
    return f;
}

std::vector<uint8_t> make_flat_tga(int width, int height, uint8_t r, uint8_t g, uint8_t b)
{
    std::vector<Bgr> palette(256);
    palette[1] = Bgr{b, g, r};
    return make_tga(width, height, palette, std::vector<uint8_t>(size_t(width) * size_t(height), 1));
}

static SDL_Surface* surface_from(int width, int height, const std::vector<uint8_t>& rgb)
{
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24);
    if (!s) return nullptr;
    for (int y = 0; y < height; y++)
        std::memcpy(static_cast<uint8_t*>(s->pixels) + size_t(y) * size_t(s->pitch), rgb.data() + size_t(y) * size_t(width) * 3,
                    size_t(width) * 3);
    return s;
}

static void make_parent(const std::string& path)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
}

bool write_png(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb)
{
    make_parent(path);
    SDL_Surface* s = surface_from(width, height, rgb);
    if (!s) return false;
    bool ok = IMG_SavePNG(s, path.c_str()) == 0;
    SDL_FreeSurface(s);
    return ok;
}

bool write_jpg(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb)
{
    make_parent(path);
    SDL_Surface* s = surface_from(width, height, rgb);
    if (!s) return false;
    bool ok = IMG_SaveJPG(s, path.c_str(), 95) == 0;
    SDL_FreeSurface(s);
    return ok;
}

bool write_flat_png(const std::string& path, int width, int height, uint8_t r, uint8_t g, uint8_t b)
{
    std::vector<uint8_t> rgb;
    for (int i = 0; i < width * height; i++) {
        rgb.push_back(r);
        rgb.push_back(g);
        rgb.push_back(b);
    }
    return write_png(path, width, height, rgb);
}

bool write_zip(const std::string& path, const std::vector<ZipEntry>& entries)
{
    make_parent(path);
    zipFile zip = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
    if (!zip) return false;
    bool ok = true;
    for (const ZipEntry& e : entries) {
        zip_fileinfo info = {};
        if (zipOpenNewFileInZip(zip, e.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                Z_DEFAULT_COMPRESSION) != ZIP_OK) {
            ok = false;
            break;
        }
        if (!e.bytes.empty() && zipWriteInFileInZip(zip, e.bytes.data(), unsigned(e.bytes.size())) != ZIP_OK) ok = false;
        if (zipCloseFileInZip(zip) != ZIP_OK) ok = false;
    }
    if (zipClose(zip, nullptr) != ZIP_OK) ok = false;
    return ok;
}

bool run_info_zip(const std::string& folder, const std::string& archive, const std::string& names)
{
    make_parent(archive);
    std::string cmd = "cd '" + folder + "' && zip -q -r '" + archive + "' " + names;
    return std::system(cmd.c_str()) == 0;
}

