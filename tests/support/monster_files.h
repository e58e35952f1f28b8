// Test helpers for monsters and pickups: a kind's strips written as real frame files, a stand-in hero.
#pragma once
#include <cstdint>
#include <string>

#include "game/actor.h"

class TempFolder;
struct CMonsterKind;

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
