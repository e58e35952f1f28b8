// Fuzzes the hard box scanner of a level script as level start runs it, and the playfield's walkability
// test over the boxes it added.
#include <cstdint>
#include <cstdlib>
#include "fuzz/support/fuzz_level.h"
#include "game/level_progress.h"
#include "graphics/playfield.h"
#include "level/scan_things.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_load_level(data, size);
    Playfield.clear_hard_boxes();
    if (!scan_hard_boxes(LevelProgress.script)) std::abort();
    int walkable = 0;
    for (int y = -8; y < 330; y += 17)
        for (int x = -8; x < 1000; x += 23) walkable += Playfield.is_walkable(x, y);
    if (walkable < 0) std::abort();
    Playfield.clear_hard_boxes();
    return 0;
}
