// Face names to font files in a browser: the page bundles Liberation Sans, metric-compatible with Arial.
#include "platform/font_file.h"

std::string find_font_file(const char*, bool bold, bool italic)
{
    // The one face the page carries stands in for every name, as fontconfig's best match would.
    static const char* const kFiles[2][2] = {
        {"LiberationSans-Regular.ttf", "LiberationSans-Italic.ttf"},
        {"LiberationSans-Bold.ttf", "LiberationSans-BoldItalic.ttf"},
    };
    return std::string("/usr/share/fonts/truetype/liberation2/") + kFiles[bold ? 1 : 0][italic ? 1 : 0];
}
