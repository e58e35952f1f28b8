// Test helpers for monsters and pickups: a kind's strips written as real frame files, a stand-in hero.
#pragma once
#include <cstdint>
#include <string>

#include "game/actor.h"

class CMessageLine;
class CThingList;
class TempFolder;
struct CMonsterKind;

// A fresh level for entity tests: the folder as program folder, the clock at 1000 ms with frame scale 1,
// list as the game list, the id table, level counters, script, career and spells reset, no playfield
// rectangle, the view at 0, and the random numbers seeded.
void start_test_level(const TempFolder& folder, CThingList& list, unsigned seed);
// Advances the clock by ms and runs one think and resort of the list.
void think_after(CThingList& list, uint32_t ms);
// A message line in its well-known slot, as the game screen places it.
CMessageLine* add_test_message_line(CThingList& list);

// Writes every strip the kind names (each named slot of its six sets) as keyed TGA frames of w x h;
// the attack set gets attackFrames frames, every other set frames.
bool write_kind_strips(const TempFolder& folder, const CMonsterKind& kind, int frames, int attackFrames,
                       int width = 20, int height = 30);
// The data name with '/' for '\' (the files layer does the same at the system call).
std::string data_path(const char* name);

// A creature that takes damage as the hero does, counting the blows.
class TestHero : public CActor {
public:
    TestHero()
    {
        health = fullHealth = 75;
        scalePercent = 100;
    }
    int32_t message(int32_t code, AttackRecord* record, int32_t value) override
    {
        return combat_message(code, record, value);
    }
    void hit(int32_t amount, int32_t) override
    {
        if (!alive) return;
        taken += amount;
        blows++;
        health -= amount;
    }
    int32_t taken = 0;
    int32_t blows = 0;
};
