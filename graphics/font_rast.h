// CFontRast: the one text style — font and colour — and rendering of outlined, word-wrapped text onto pictures.
#pragma once
#include <cstdint>

// The outline is black to the eye but not the 0x0000 key, so text on a blank (key-filled) picture
// keeps its outline instead of losing it to transparency.
constexpr uint16_t kOutlineColour = 0x0841;

#include "util/numeric.h"

struct FontFace;

// The font asked for, as the game describes it.
struct LogicalFont {
    int32_t height = 0;  // cell height in pixels
    int32_t weight = 400;  // 700 bold
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t charSet = 0;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;  // 0 default (plain pixels), 4 antialiased
    uint8_t pitchAndFamily = 0;
    char face[64] = {};
};

class CFontRast {
public:
    CFontRast();
    ~CFontRast();
    CFontRast(const CFontRast&) = delete;
    CFontRast& operator=(const CFontRast&) = delete;

    // colour: 0x00BBGGRR (red in the low byte).
    void set_text_colour(uint32_t colour) { textColour = colour; }
    uint32_t text_colour() const { return textColour; }
    void set_font(int height, const char* face, uint8_t italic, uint8_t underline, uint8_t bold, uint8_t plain);
    // The font described by the last set_font, opened on first use; null when none can be found.
    FontFace* font_handle();
    // Shrinks rect by one pixel on every side (the caller sees it), then draws the text word-wrapped
    // inside it, centred or left-aligned, with a one-pixel black outline in the four axis directions and
    // the body in the text colour, over what the picture already holds.
    bool render_text(uint16_t* pixels, int width, int height, Rect* rect, const char* text, uint8_t leftAligned);

    LogicalFont logicalFont;
    FontFace* font = nullptr;
    uint32_t textColour = 0x0000FFFF;
};

// Where a line of wrapped text starts and how wide it is.
struct TextLine {
    int start = 0;
    int length = 0;
    int width = 0;
};
// Breaks text into lines no wider than maxWidth (a single word wider than that keeps its own line);
// CR LF, LF and CR end lines. Returns the number of lines written (at most maxLines).
int wrap_text(FontFace* font, const char* text, int maxWidth, TextLine* lines, int maxLines);

extern CFontRast TextStyle;
