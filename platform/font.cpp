// TrueType text through SDL2_ttf: cell-height sizing and line coverage of the face font_file names.
#include "platform/font.h"
#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include "platform/font_file.h"

struct FontFace {
    TTF_Font* ttf = nullptr;
    bool antialias = true;
    int cellHeight = 0;  // the height asked for: lines sit exactly this far apart
};

namespace {

bool ensure_ttf()
{
    // Initialised once and kept: fonts may be closed as late as static destruction.
    static bool ready = TTF_Init() == 0;
    return ready;
}

}  // namespace

FontFace* font_open(const FontStyle& style)
{
    if (!ensure_ttf() || style.height < 1) return nullptr;
    std::string file = find_font_file(style.face, style.bold, style.italic);
    if (file.empty()) return nullptr;
    // A height in pixels names the whole cell; find the largest size whose cell fits it.
    TTF_Font* ttf = TTF_OpenFont(file.c_str(), style.height);
    if (!ttf) return nullptr;
    for (int size = style.height; size > 1; size--) {
        if (TTF_SetFontSize(ttf, size) != 0) break;
        if (TTF_FontAscent(ttf) - TTF_FontDescent(ttf) <= style.height) break;
    }
    TTF_SetFontStyle(ttf, style.underline ? TTF_STYLE_UNDERLINE : TTF_STYLE_NORMAL);
    TTF_SetFontHinting(ttf, style.antialias ? TTF_HINTING_LIGHT : TTF_HINTING_MONO);
    auto* font = new FontFace;
    font->ttf = ttf;
    font->antialias = style.antialias;
    font->cellHeight = style.height;
    return font;
}

void font_close(FontFace* font)
{
    if (!font) return;
    TTF_CloseFont(font->ttf);
    delete font;
}

// The cell, not the font's line skip: that adds the face's line gap on top.
int font_line_height(FontFace* font) { return font->cellHeight; }

int font_text_width(FontFace* font, const char* text, int length)
{
    if (length <= 0) return 0;
    std::string line(text, size_t(length));
    int w = 0, h = 0;
    if (TTF_SizeUTF8(font->ttf, line.c_str(), &w, &h) != 0) return 0;
    return w;
}

bool font_render_line(FontFace* font, const char* text, int length, GlyphCoverage* out)
{
    *out = GlyphCoverage{};
    if (length <= 0) return true;
    std::string line(text, size_t(length));
    const SDL_Color white{255, 255, 255, 255};
    SDL_Surface* s = font->antialias ? TTF_RenderUTF8_Blended(font->ttf, line.c_str(), white)
                                     : TTF_RenderUTF8_Solid(font->ttf, line.c_str(), white);
    if (!s) return false;
    auto* alpha = static_cast<uint8_t*>(std::malloc(size_t(s->w) * size_t(s->h) + 1));
    if (!alpha || SDL_LockSurface(s) != 0) {
        std::free(alpha);
        SDL_FreeSurface(s);
        return false;
    }
    for (int y = 0; y < s->h; y++) {
        const uint8_t* row = static_cast<const uint8_t*>(s->pixels) + size_t(y) * size_t(s->pitch);
        uint8_t* dst = alpha + size_t(y) * size_t(s->w);
        if (font->antialias) {
            // 32-bit ARGB: the alpha channel is the coverage.
            const uint32_t* px = reinterpret_cast<const uint32_t*>(row);
            const uint32_t amask = s->format->Amask;
            const int ashift = s->format->Ashift;
            for (int x = 0; x < s->w; x++) dst[x] = uint8_t((px[x] & amask) >> ashift);
        } else {
            // 8-bit: index 0 is the background, anything else the glyphs.
            for (int x = 0; x < s->w; x++) dst[x] = row[x] ? 255 : 0;
        }
    }
    SDL_UnlockSurface(s);
    out->alpha = alpha;
    out->width = s->w;
    out->height = s->h;
    SDL_FreeSurface(s);
    return true;
}

void coverage_free(GlyphCoverage* coverage)
{
    std::free(coverage->alpha);
    *coverage = GlyphCoverage{};
}
