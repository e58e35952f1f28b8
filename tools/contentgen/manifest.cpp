// The manifest: every data file the generator left in the program folder, one relative name a line.
#include "content.h"
#include "formats/file_out.h"
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

bool write_manifest(const ContentContext& ctx)
{
    // Only the generator's own folders: the executable and anything a game run left beside them stay out.
    std::vector<std::string> names;
    for (const char* top : {"graphics", "logic", "sounds"}) {
        std::error_code ec;
        fs::path root = fs::path(ctx.out) / top;
        for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::recursive_directory_iterator();
             it.increment(ec))
            if (it->is_regular_file()) names.push_back(fs::relative(it->path(), ctx.out).generic_string());
        if (ec) return false;
    }
    std::sort(names.begin(), names.end());
    std::string text = "# Every data file of Vorlaine, one a line; the game checks its data folder against it.\n";
    for (const std::string& n : names) text += n + "\n";
    return write_text_file(data_path(ctx.out, "manifest.txt"), text);
}
