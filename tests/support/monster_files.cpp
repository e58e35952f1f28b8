// Test helpers for monsters and pickups: writing a kind's strips into a temporary program folder.
#include "support/monster_files.h"

#include <cstdlib>

#include "app/app_state.h"
#include "game/level_progress.h"
#include "game/message_line.h"
#include "game/monster_kind.h"
#include "game/spell_table.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "graphics/playfield.h"
#include "support/scene_files.h"
#include "support/temp_folder.h"

std::string data_path(const char* name)
{
    std::string path(name);
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

bool write_kind_strips(const TempFolder& folder, const CMonsterKind& kind, int frames, int attackFrames, int width,
                       int height)
{
    for (int a = 0; a < kMonsterActionCount; a++) {
        const int count = a == ACTION_ATTACK ? attackFrames : frames;
        for (const CGraphicStrip& strip : kind.strips[a].slot) {
            if (strip.mirror || !strip.name[0]) continue;
            if (!write_strip(folder, data_path(strip.name), count, width, height)) return false;
        }
    }
    return true;
}

void start_test_level(const TempFolder& folder, CThingList& list, unsigned seed)
{
    folder.make_program_folder();
    AppState.frameTime = 1000;
    AppState.frameScale = 1.0;
    AppState.currentGameList = &list;
    clear_well_known_ids();
    clear_level_counters(LevelProgress);
    reset_level_script(LevelProgress.script);
    set_career_defaults(LevelProgress.career);
    reset_spell_table();
    Playfield.rectSet = 0;
    Playfield.viewX = Playfield.viewY = 0.0f;
    Playfield.shakeActive = 0;
    std::srand(seed);
}

void think_after(CThingList& list, uint32_t ms)
{
    AppState.frameTime += ms;
    list.think_all();
    list.resort();
}

CMessageLine* add_test_message_line(CThingList& list)
{
    auto* line = new CMessageLine;
    WellKnownIds[SLOT_MESSAGE_LINE] = list.add_thing(line);
    line->place(-40, 53);
    return line;
}
