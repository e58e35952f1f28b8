// TrueType text by face name (fontconfig finds the file, SDL2_ttf rasterises): glyph coverage of single lines.
#pragma once
#include <cstdint>

struct FontStyle {
    int height = 12;  // cell height in pixels (ascent + descent)
    const char* face = "Arial";
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool antialias = true;
};

struct FontFace;

// Coverage of one line of text: width x height bytes, rows top to bottom, 0 none to 255 full.
struct GlyphCoverage {
    uint8_t* alpha = nullptr;
    int width = 0;
    int height = 0;
};

// Null when no face of that name (or a metric-compatible stand-in) can be found.
FontFace* font_open(const FontStyle& style);
void font_close(FontFace* font);
int font_line_height(FontFace* font);
// Width in pixels of length bytes of UTF-8 text.
int font_text_width(FontFace* font, const char* text, int length);
// An empty line gives zero width and no pixels, and succeeds.
bool font_render_line(FontFace* font, const char* text, int length, GlyphCoverage* out);
void coverage_free(GlyphCoverage* coverage);
