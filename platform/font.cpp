// TrueType text through fontconfig and SDL2_ttf: face lookup, cell-height sizing, and line coverage.
#include "platform/font.h"
#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

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

// The file of the best match for a face name, through a fontconfig configuration of its own that is
// let go again, so fontconfig keeps nothing for the rest of the run.
std::string look_up_font_file(const char* face, bool bold, bool italic)
{
    std::string file;
    FcConfig* config = FcInitLoadConfigAndFonts();
    FcPattern* pattern = config ? FcPatternCreate() : nullptr;
    if (!pattern) {
        if (config) FcConfigDestroy(config);
        return file;
    }
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    if (match) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path)
            file = reinterpret_cast<const char*>(path);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    return file;
}

// "Arial" resolves to a metric-compatible face. Fonts are opened again at every change of the text style,
// so each face and style is looked up once and remembered.
std::string find_font_file(const char* face, bool bold, bool italic)
{
    struct Known {
        std::string face;
        bool bold, italic;
        std::string file;
    };
    static std::vector<Known> known;
    for (const Known& k : known)
        if (k.face == face && k.bold == bold && k.italic == italic) return k.file;
    std::string file = look_up_font_file(face, bold, italic);
    if (!file.empty()) known.push_back(Known{face, bold, italic, file});
    return file;
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
