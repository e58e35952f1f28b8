// Which TrueType file stands for a face name: fontconfig on a desktop, the bundled Liberation Sans in a browser.
#pragma once
#include <string>

// The file of the best match for a face name; "Arial" resolves to a metric-compatible face. Empty when none.
std::string find_font_file(const char* face, bool bold, bool italic);
