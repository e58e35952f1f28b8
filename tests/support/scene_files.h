// Test helpers for scene sprites and the HUD: keyed pictures, numbered strip frames and reading the screen.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class TempFolder;

// The colour of every keyed test picture's top-left (transparent) pixel.
constexpr uint16_t kTestKey = 0xF81F;

// A w x h TGA whose top-left pixel is magenta (the key) and every other pixel (r, g, b).
std::vector<uint8_t> make_keyed_tga(int width, int height, uint8_t r, uint8_t g, uint8_t b);
// Writes base + "01.tga" ... as keyed frames, frame n coloured (n * 40, 255 - n * 40, 64): each frame
// tells which it is by its second pixel. relativeBase uses '/' ("graphics/misc/boom_00").
bool write_strip(const TempFolder& folder, const std::string& relativeBase, int frames, int width, int height);
// The frame number write_strip coloured into a picture's second pixel; 0 when it is none of them.
int strip_frame_of(const uint16_t* picture);

// A 240 x 320 screen buffer made the draw target and back buffer, filled with floor.
struct TestScreen {
    explicit TestScreen(uint16_t floor);
    ~TestScreen();
    uint16_t at(int x, int y) const { return pixels[size_t(y) * 240 + size_t(x)]; }
    // Pixels of row y that are not the floor colour.
    int drawn_in_row(int y) const;
    void clear();
    uint16_t floor;
    std::vector<uint16_t> pixels;
};
