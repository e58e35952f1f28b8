// Fuzzes the settings scanner of a level script as the game runs it when a level is chosen, and the
// first uses of what it read: the story text's line breaks and the level controller's timers.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include "fuzz/support/fuzz_level.h"
#include "game/level_controller.h"
#include "game/level_progress.h"
#include "game/thing_list.h"
#include "screens/game_screen.h"
#include "util/strings.h"

namespace {

template <size_t N>
bool terminated(const char (&text)[N])
{
    return std::memchr(text, '\0', N) != nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_load_level(data, size);
    LevelScript& script = LevelProgress.script;
    // Every text field stays terminated inside its array.
    if (!terminated(script.backgroundName) || !terminated(script.levelName) || !terminated(script.storyText) ||
        !terminated(script.storyBackground))
        std::abort();
    if (script.hasStory) replace_all("\\n", "\r\n", script.storyText);
    // The level controller arms its timers from the spawn and dragon fly numbers.
    GameList.adopt(new CLevelController(&GameList));
    leave_game();
    return 0;
}
