// Test helpers for the hero, spells and the game screen: the sorceress's strips as files, a target that counts blows.
#pragma once
#include <cstdint>

#include "game/actor.h"

class CThingList;
class TempFolder;

// Writes every hero strip (run, walk, idle and shoot in the five drawn directions, death to the right) as
// keyed frames of w x h: frames each, the death strip deathFrames. The hero's names are set afterwards.
bool write_hero_strips(const TempFolder& folder, int frames, int deathFrames, int width = 20, int height = 20);

// An actor that takes damage through the area attack and damage messages as creatures do, counting what
// reaches it; it never dies.
class BlowCounter : public CActor {
public:
    int32_t message(int32_t code, AttackRecord* record, int32_t value) override
    {
        return combat_message(code, record, value);
    }
    void hit(int32_t amount, int32_t) override
    {
        taken += amount;
        hits++;
    }
    int taken = 0;
    int hits = 0;
};

// A blow counter of any kind added to the list, standing where it is put at a fixed scale.
using TargetDummy = BlowCounter;
TargetDummy* add_target_dummy(CThingList& list, int px, int py, int percent = 100, int kind = 100);
