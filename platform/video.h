// The display: a 240 x 320 frame buffer with x and y pitches, shown in a window or kept in memory.
#pragma once
#include <cstdint>

struct DisplayProperties {
    int bitsPerPixel = 16;
    int xPitch = 2;    // bytes from a pixel to the one on its right
    int yPitch = 480;  // bytes from a pixel to the one below it
};

bool video_open();
DisplayProperties video_properties();
uint8_t* video_begin_draw();
// Shows what was drawn since begin; with waitForDisplay also waits for the display unless uncapped.
void video_end_draw(bool waitForDisplay = true);
bool video_close();
void video_suspend();
void video_resume();
// Raises the window in front of others (a second start asked for it).
void video_raise();
// Writes the last presented frame as a PNG; false on failure.
bool video_save_screenshot(const char* path);
// A 64-bit FNV-1a checksum of the last presented frame's 240 x 320 RGB565 pixels, row after row.
uint64_t video_frame_checksum();
