// The level script targets' common ground: the level file, the pictures the seed scripts name, load_level.
#include "fuzz_level.h"
#include <cstdlib>
#include <string>
#include <vector>
#include "fuzz_folder.h"
#include "game/level_progress.h"
#include "graphics/display.h"
#include "graphics/playfield.h"
#include "screens/game_screen.h"

namespace {

std::string set_ground()
{
    create_buffers();
    const std::vector<uint8_t> tga = fuzz_small_tga(4, 4);
    for (const char* name : {"graphics/scenery/signpost.tga", "graphics/scenery/torch_01.tga",
                             "graphics/scenery/torch_02.tga", "graphics/cannon/cannon_fire_0001.tga",
                             "graphics/cannon/cannon_fire_0002.tga"})
        fuzz_write_file(fuzz_file(name), tga.data(), tga.size());
    const std::vector<uint8_t> playfield = fuzz_small_tga(720, 320);
    fuzz_write_file(fuzz_file("graphics/backgrounds/fuzz.tga"), playfield.data(), playfield.size());
    Playfield.load_background("graphics\\backgrounds\\fuzz.tga");
    return fuzz_file("logic/levels/level1.txt");
}

}  // namespace

void fuzz_load_level(const uint8_t* data, size_t size)
{
    static const std::string path = set_ground();
    // The file is there: the level must be read.
    if (!fuzz_write_file(path, data, size) || !load_level(1)) std::abort();
    const LevelScript& script = LevelProgress.script;
    Playfield.fieldStart = script.fieldStart;
    Playfield.fieldEnd = script.fieldEnd;
    Playfield.scaleMod = script.scaleMod;
    Playfield.set_playfield_rect(script.playfieldRect);
    copy_script_numbers(LevelProgress);
}
