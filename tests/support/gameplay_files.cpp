// Test helpers for the hero, spells and the game screen: the sorceress's strips written as real frame files, target dummies.
#include "support/gameplay_files.h"

#include <string>

#include "game/hero.h"
#include "game/thing_list.h"
#include "support/scene_files.h"
#include "support/temp_folder.h"

bool write_hero_strips(const TempFolder& folder, int frames, int deathFrames, int width, int height)
{
    for (const char* action : {"run", "walk", "idle", "shoot"})
        for (int d : {6, 2, 8, 9, 3})
            if (!write_strip(folder, std::string("graphics/goddess/goddess_") + action + "_" + std::to_string(d) + "_00",
                             frames, width, height))
                return false;
    if (!write_strip(folder, "graphics/goddess/goddess_death_6_00", deathFrames, width, height)) return false;
    name_hero_strips();
    return true;
}

TargetDummy* add_target_dummy(CThingList& list, int px, int py, int percent, int kind)
{
    auto* dummy = new TargetDummy;
    dummy->kindNumber = kind;
    dummy->set_position(px, py);
    dummy->scalePercent = percent;
    list.add_thing(dummy);
    return dummy;
}
