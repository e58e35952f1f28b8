// Fuzzes the level script scanners and the career loader with arbitrary file contents.
#include <cstddef>
#include <cstdint>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "level/career.h"
#include "level/level_scan.h"
#include "level/level_script.h"
#include "platform/debug_output_file.h"
#include "util/strings.h"

namespace {

std::string g_folder;

void write_file(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return;
    fwrite(data, 1, size, f);
    fclose(f);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    namespace fs = std::filesystem;
    g_folder = (fs::temp_directory_path() / ("vorlaine-fuzz-" + std::to_string(getpid()))).string() + "/";
    fs::create_directories(g_folder + "logic/levels");
    copy_text(AppState.programDir, sizeof AppState.programDir, g_folder.c_str());
    debug_output_open("/dev/null");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // One record across runs, as in the game: what a script leaves unset carries over.
    static LevelScript script;
    write_file(g_folder + "logic/levels/level1.txt", data, size);
    reset_level_script(script);
    if (load_level_settings(script, 1)) {
        std::vector<HardBoxLine> boxes;
        read_hard_boxes(script, boxes);
        std::vector<SpriteTemplate> sprites;
        read_sprites(script, sprites);
        for (const SpriteTemplate& s : sprites)
            sprite_sort_key(s, 64);
    }
    write_file(g_folder + "career.dat", data, size);
    CareerRecord career;
    load_career(career);
    unlock_after_level(career, static_cast<int>(size % 20) - 2);
    return 0;
}
