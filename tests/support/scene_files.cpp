// Test helpers for scene sprites and the HUD: keyed pictures, numbered strip frames and reading the screen.
#include "support/scene_files.h"
#include <cstdio>
#include "app/app_state.h"
#include "graphics/display.h"
#include "support/gfx_files.h"
#include "support/temp_folder.h"

std::vector<uint8_t> make_keyed_tga(int width, int height, uint8_t r, uint8_t g, uint8_t b)
{
    std::vector<Bgr> palette(256);
    palette[0] = Bgr{0xFF, 0x00, 0xFF};
    palette[1] = Bgr{b, g, r};
    std::vector<uint8_t> indices(size_t(width) * size_t(height), 1);
    indices[0] = 0;
    return make_tga(width, height, palette, indices);
}

static uint16_t frame_colour(int n) { return rgb565(unsigned(n * 40), unsigned(255 - n * 40), 64); }

bool write_strip(const TempFolder& folder, const std::string& relativeBase, int frames, int width, int height)
{
    for (int n = 1; n <= frames; n++) {
        char name[16];
        std::snprintf(name, sizeof name, "%s%d.tga", n < 10 ? "0" : "", n);
        const uint16_t c = frame_colour(n);
        // Back from 5-6-5 to the 8-bit channels that give exactly this colour.
        const uint8_t r = uint8_t((c >> 11) << 3), g = uint8_t(((c >> 5) & 63) << 2), b = uint8_t((c & 31) << 3);
        if (!write_bytes(folder.file(relativeBase + name), make_keyed_tga(width, height, r, g, b))) return false;
    }
    return true;
}

int strip_frame_of(const uint16_t* picture)
{
    if (!picture) return 0;
    for (int n = 1; n <= 6; n++)
        if (picture[1] == frame_colour(n)) return n;
    return 0;
}

TestScreen::TestScreen(uint16_t floorColour) : floor(floorColour), pixels(size_t(240) * 320, floorColour)
{
    g_drawTarget = pixels.data();
    AppState.backBuffer = pixels.data();
}

TestScreen::~TestScreen()
{
    if (g_drawTarget == pixels.data()) g_drawTarget = nullptr;
    if (AppState.backBuffer == pixels.data()) AppState.backBuffer = nullptr;
}

int TestScreen::drawn_in_row(int y) const
{
    int n = 0;
    for (int x = 0; x < 240; x++)
        if (at(x, y) != floor) n++;
    return n;
}

void TestScreen::clear() { pixels.assign(pixels.size(), floor); }
