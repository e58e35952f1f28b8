// The display: a frame buffer laid out by its pitches, turned into a 240 x 320 image at end of draw.
#include "platform/video.h"
#include <SDL.h>
#include <SDL_image.h>
#include <cstring>
#include <vector>
#include "platform/backend.h"

namespace {
constexpr int kW = 240;
constexpr int kH = 320;
constexpr int kGreyRowBytes = 64;  // rows a little longer than the 60 packed bytes, as on real grey panels

DisplayProperties g_props;
std::vector<uint8_t> g_frame;     // what the game writes, laid out by the pitches
std::vector<uint16_t> g_shown;    // the last presented image, RGB565, row after row
bool g_open = false;
}

bool video_open()
{
    if (platform_config().display == DisplayMode::Grey2) {
        g_props = {2, 0, kGreyRowBytes};
        g_frame.assign(size_t(kGreyRowBytes) * kH, 0);
    } else {
        g_props = {16, 2, kW * 2};
        g_frame.assign(size_t(kW) * kH * 2, 0);
    }
    g_shown.assign(size_t(kW) * kH, 0);
    g_open = backend().open_window();
    return g_open;
}

DisplayProperties video_properties() { return g_props; }

uint8_t* video_begin_draw() { return g_frame.data(); }

static void frame_to_image()
{
    if (g_props.bitsPerPixel == 16) {
        std::memcpy(g_shown.data(), g_frame.data(), g_shown.size() * 2);
        return;
    }
    // Four grey levels: level 3 white, 0 black, leftmost pixel in each byte's top bits.
    static const uint16_t kLevels[4] = {0x0000, 0x528A, 0xAD55, 0xFFFF};
    for (int y = 0; y < kH; y++) {
        const uint8_t* row = g_frame.data() + size_t(y) * size_t(g_props.yPitch);
        for (int x = 0; x < kW; x++) {
            int level = (row[x / 4] >> (6 - 2 * (x % 4))) & 3;
            g_shown[size_t(y) * kW + size_t(x)] = kLevels[level];
        }
    }
}

void video_end_draw(bool waitForDisplay)
{
    frame_to_image();
    backend().present(g_shown.data(), waitForDisplay);
}

bool video_close()
{
    if (!g_open) return false;
    backend().close_window();
    g_open = false;
    return true;
}

void video_suspend() {}
void video_resume() {}

void video_raise() { backend().raise(); }

bool video_save_screenshot(const char* path)
{
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(g_shown.data(), kW, kH, 16, kW * 2, SDL_PIXELFORMAT_RGB565);
    if (!s) return false;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB24, 0);
    SDL_FreeSurface(s);
    if (!rgb) return false;
    bool ok = IMG_SavePNG(rgb, path) == 0;
    SDL_FreeSurface(rgb);
    return ok;
}

uint64_t video_frame_checksum()
{
    uint64_t h = 0xcbf29ce484222325ull;
    for (uint16_t px : g_shown) {
        h = (h ^ (px & 0xFFu)) * 0x100000001b3ull;
        h = (h ^ (px >> 8)) * 0x100000001b3ull;
    }
    return h;
}
