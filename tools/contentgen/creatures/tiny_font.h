// A 5 x 7 pixel font for labelling contact sheets (upper-case letters, digits, a little punctuation).
#pragma once
#include <cstdint>
#include <vector>

// Draws text into an RGB image at (x, y) with each font pixel scale x scale; lower case prints as upper case.
void draw_tiny_text(std::vector<uint8_t>& rgb, int width, int height, int x, int y, const char* text, int scale,
                    uint8_t r, uint8_t g, uint8_t b);
int tiny_text_width(const char* text, int scale);
