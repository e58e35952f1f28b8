// The look shared by every menu and HUD picture: bevelled stone and gold, glowing lettering, painted skies.
#pragma once
#include "paint/draw.h"
#include "paint/noise.h"
#include "paint/text.h"
#include <string>

struct PlaqueStyle {
    Rgba top = hex(0x5A5E6E), bottom = hex(0x2E303C);  // stone face, lit from above
    Rgba rim = hex(0xD8A848);                            // gold trim
    float rim_width = 2.0f;
    float radius = 6.0f;
    float bevel = 3.0f;
    Rgba glow = hex(0xFFC860, 0.0f);  // inner glow (pressed and selected states)
    float texture = 0.12f;
    Rgba edge = hex(0x120E0A);         // one dark pixel around everything
};

// A bevelled plaque filling the box (x, y, w, h).
void draw_plaque(Image& img, float x, float y, float w, float h, const PlaqueStyle& st, uint32_t seed = 1);

// Button states share geometry; the pressed one is lit from inside and its lettering glows.
enum class ButtonState { Normal, Pressed, Locked };
PlaqueStyle button_style(ButtonState s);
TextStyle button_text(ButtonState s, int size, Face face = Face::SerifBold);
// A labelled button in the box; text centred.
void draw_button(Image& img, float x, float y, float w, float h, const std::string& label, ButtonState s, int text_size,
                 uint32_t seed = 1);

// Title lettering: gold, outlined, glowing.
TextStyle title_text(int size);
// A painted dusk sky with stars for menu backdrops.
void menu_sky(Image& img, Rgba top, Rgba mid, Rgba low, int stars, uint32_t seed);
// A gilded frame line just inside the edges of a picture.
void gilded_frame(Image& img, float inset, float width);
// Cuts a sub-picture (for pressed buttons) and gives it a one-pixel key-safe dark edge.
Image button_cut(const Image& src, int x, int y, int w, int h);
