// Test helpers for monsters and pickups: a kind's strips written as real frame files, a stand-in hero.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "game/thing_list.h"
#include "support/gameplay_files.h"

class CMessageLine;
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
// The things of type T in the list, in drawing order.
template <class T>
std::vector<T*> things_of(CThingList& list)
{
    std::vector<T*> found;
    for (CThing* t = list.first_thing(); t; t = list.next_thing())
        if (auto* x = dynamic_cast<T*>(t)) found.push_back(x);
    return found;
}
template <class T>
int count_of(CThingList& list)
{
    return int(things_of<T>(list).size());
}

// Writes every strip the kind names (each named slot of its six sets) as keyed TGA frames of w x h;
// the attack set gets attackFrames frames, every other set frames.
bool write_kind_strips(const TempFolder& folder, const CMonsterKind& kind, int frames, int attackFrames,
                       int width = 20, int height = 30);
// The data name with '/' for '\' (the files layer does the same at the system call).
std::string data_path(const char* name);

// A creature that takes damage as the hero does: only while alive, and off its health.
class TestHero : public BlowCounter {
public:
    TestHero()
    {
        health = fullHealth = 75;
        scalePercent = 100;
    }
    void hit(int32_t amount, int32_t from) override
    {
        if (!alive) return;
        BlowCounter::hit(amount, from);
        health -= amount;
    }
};
