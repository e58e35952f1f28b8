// CMonster: a creature of one kind that grows out of the ground, wanders, chases, strikes or shoots, and dies.
#pragma once
#include <cstdint>

#include "game/actor.h"
#include "game/monster_kind.h"
#include "util/timer.h"

// What a monster is doing.
enum MonsterState : int32_t {
    MONSTER_IDLE = 0,
    MONSTER_WALK = 1,
    MONSTER_RUN = 2,
    MONSTER_DYING = 3,
    MONSTER_DEAD = 4,    // a corpse
    MONSTER_ATTACK = 5,  // melee
    MONSTER_SHOOT = 6,
};

// Health and damage multipliers of a difficulty (0 normal, 1 easy, 2 hard; anything else counts as normal).
struct DifficultyFactors {
    float health;
    float damage;
};
DifficultyFactors difficulty_factors(uint32_t difficulty);

// How long a corpse lies before it is removed.
constexpr uint32_t kCorpseMs = 5000;

// Uses from other things (no pointers kept between frames, only ids):
//  - shooting calls cast_spell(caster, heading, spell) of game/spells.h;
//  - the death of a monster reports to the level controller (well-known slot 16) through
//    CLevelController::on_monster_killed(monster).
class CMonster : public CActor {
public:
    CMonster();
    ~CMonster() override;

    // Takes the kind (logs "Error: Unable to locate monster %d." and gives false when there is none),
    // sizes the scratch pad, places a boss on screen, starts growing in and sets the health. Call once
    // the monster is in its list.
    bool init(int32_t kindId);
    void think() override;
    // Damage less armour; 1 or more tints and stuns, or kills when the health falls below 1.
    void hit(int32_t amount, int32_t flag) override;
    // 2: hit(value, 0); 1 while alive: an area attack; others 0.
    int32_t message(int32_t code, AttackRecord* record, int32_t value) override;

    // Action starters. Those that are not always applied do nothing while their state is the last applied.
    void go_idle();
    void go_walk();
    void go_run();
    void go_die();
    void go_attack();
    void go_shoot();

    // Shows the current frame again (after the kinds' frames were released, it reloads what it needs).
    void refresh_frame() { set_direction_keep_frame(direction); }

    // The level's paused byte: while it is set the monster holds still.
    void watch_pause(const uint8_t* pausedByte) { paused = pausedByte; }

    CMonsterKind* kind = nullptr;
    int32_t state = MONSTER_IDLE;
    int32_t lastState = -1;
    CTimer shootTimer;
    uint8_t waiting = 0;       // waitTimer (CActor) is running
    CTimer faceOnlyTimer;
    uint8_t faceOnly = 0;      // steer by turning on the spot, do not walk
    uint8_t struck = 0;        // the current attack or shot has delivered its blow
    uint32_t spawnFlashId = 0; // the smoke shown while growing in; 0 none
    uint32_t healthBarId = 0;  // bosses: their meter; 0 none
    uint8_t bossShakeDone = 0;
    CTimer corpseTimer;
    const uint8_t* paused = nullptr;

private:
    bool grow_step();          // true while still growing in (the frame ends there)
    void dying_step();
    void wander_step();
    void combat_step();
    bool still_waiting();
    void wait_for(int32_t lowMs, int32_t highMs);
    // Chooses the set (with facing d), the mode and the frame delay together.
    void show_action(CStripSet* set, int d, int32_t mode, uint32_t delay);
    void remove_thing(uint32_t& thingId);
    // Casts the kind's projectile at the target and marks the shot fired.
    void cast_kind_projectile();
    // One step of turning toward the target.
    void turn_to_target();
};
