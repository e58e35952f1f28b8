// CLevelController: the invisible thing that spawns a level's monsters, brings the boss, places the time gate and sends dragon flies.
#pragma once
#include <cstdint>

#include "game/thing.h"
#include "util/timer.h"

class CMonster;
class CThingList;
struct LevelProgressRecord;

// Reads the level script and counters of a level progress record (LevelProgress in the game) and writes
// its counters. The time gate and drops are pickups (game/pickup.h, game/time_gate.h). A dragon fly is
// the projectiles' CDragonFly (game/dragon_fly.h): added to the list, then init() and watch_pause(paused).
class CLevelController : public CThing {
public:
    // Spawns into list; the spawn timer starts at the script's initial delay.
    explicit CLevelController(CThingList* list);
    CLevelController(CThingList* list, LevelProgressRecord* progress);

    void think() override;

    // Adds a monster of the kind to the list; 0 when the kind is unknown (the error is shown and the
    // monster removed again), else its id.
    uint32_t spawn_monster(int32_t kindId);
    // A monster's death animation has ended: one fewer on screen, one more kill, and perhaps a drop at
    // its feet (1 in 3: a power-up 3 times in 4, health otherwise).
    void on_monster_killed(CMonster* monster);

    CThingList* list = nullptr;
    LevelProgressRecord* progress = nullptr;
    CTimer spawnTimer;
    CTimer bossTimer;
    CTimer dragonFlyTimer;
    uint8_t bossPhase = 0;
    int32_t killsAtBossPhase = 0;

private:
    void send_dragon_fly();
    // The boss phase: wait, bring the boss in, and end the phase at the next kill.
    void boss_step();
    void place_time_gate();
    void drop_at(int32_t x, int32_t y);
};

// The game list's level controller (well-known slot 16), or null.
CLevelController* current_level_controller();
