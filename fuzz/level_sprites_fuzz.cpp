// Fuzzes the sprite scanner of a level script as level start runs it: the sprites and cannons it makes
// join the game list with the ambient-sound thing, think and draw once over the playfield, and go when the
// level is left.
#include <cstdint>
#include <cstdlib>
#include "app/app_state.h"
#include "fuzz/support/fuzz_level.h"
#include "game/ambient_sound.h"
#include "game/level_progress.h"
#include "game/thing_list.h"
#include "graphics/playfield.h"
#include "level/level_scan.h"
#include "screens/game_screen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_load_level(data, size);
    if (!scan_sprites(LevelProgress.script, GameList)) std::abort();
    // The ambient-sound thing draws its delays from the bounds this scanner read.
    GameList.adopt(new CAmbientSound);
    Playfield.draw_background(AppState.backBuffer);
    GameList.think_all();
    GameList.resort();
    GameList.draw_all();
    leave_game();
    return 0;
}
