// The back buffer and the still background, the draw target, and present.
#pragma once
#include <cstdint>

bool open_display();
bool create_buffers();
// Copies the back buffer to the display; the frame's first present also waits for the display, paces the
// frame and publishes frameScale.
void present();
bool close_display();
bool free_buffers();

// The buffer the sprite blitter writes into (screenWidth pixels a row).
extern uint16_t* g_drawTarget;

// The two copies to the frame buffer, by its pitches; exposed for the display tests.
void copy_to_frame_buffer16(const uint16_t* src, uint8_t* frame, int xPitch, int yPitch);
void copy_to_frame_buffer_grey2(const uint16_t* src, uint8_t* frame, int yPitch);
