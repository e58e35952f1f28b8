// Lettering for menus and banners: TrueType text rendered to masks, then filled, outlined and lit.
#pragma once
#include "paint/image.h"
#include <string>
#include <vector>

enum class Face { Sans, SansBold, SansItalic, Serif, SerifBold, SerifItalic, SerifBoldItalic };

struct TextMask {
    int w = 0, h = 0;
    int ascent = 0;  // baseline from the top of the mask
    std::vector<float> a;
    float at(int x, int y) const { return (x < 0 || y < 0 || x >= w || y >= h) ? 0.0f : a[size_t(y) * size_t(w) + size_t(x)]; }
};

// Opens the fonts; false when the font files cannot be read.
bool text_init();
TextMask text_mask(const std::string& text, Face face, int size, int letter_spacing = 0);

struct TextStyle {
    Face face = Face::SerifBold;
    int size = 16;
    int spacing = 0;                 // extra pixels between letters
    Rgba top = hex(0xFFFFFF);        // fill gradient from the top of the letters...
    Rgba bottom = hex(0xFFFFFF);     // ...to the bottom
    Rgba outline = hex(0x000000);
    float outline_width = 0;         // pixels; 0 for none
    Rgba glow = hex(0x000000, 0.0f); // soft halo behind the letters
    float glow_radius = 0;
    Rgba shadow = hex(0x000000, 0.0f);
    int shadow_dx = 1, shadow_dy = 1;
    float bevel = 0;                 // chiselled highlight strength (0 for flat letters)
};

// Size of the lettering (without outline and glow).
void text_size(const std::string& text, const TextStyle& st, int& w, int& h);
// Draws text with its top-left at (x, y), or centred on cx when centre is set.
void draw_text(Image& img, float x, float y, const std::string& text, const TextStyle& st, bool centre = false);
