// Face names to font files through fontconfig, as the desktop has them installed.
#include "platform/font_file.h"
#include <fontconfig/fontconfig.h>
#include <vector>

namespace {
// The best match through a fontconfig configuration of its own that is let go again, so fontconfig keeps
// nothing for the rest of the run.
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
}  // namespace

// Fonts are opened again at every change of the text style, so each face and style is looked up once and
// remembered.
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
