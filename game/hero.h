// CHero: the sorceress the player steers — movement by stylus and buttons, strike, cast, damage, death and the camera.
#pragma once
#include <cstdint>

#include "game/actor.h"
#include "util/timer.h"

constexpr int32_t kHeroKind = 50;          // kind number; monsters are 100 and up
constexpr int32_t kHeroFullHealth = 75;
constexpr int32_t kHeroAutoAimRange = 110;  // a monster must be nearer than this
constexpr int32_t kHeroStrikeReach = 25;
constexpr int32_t kHeroStrikeRadius = 25;
constexpr int32_t kHeroStrikeDamage = 40;
constexpr int32_t kHeroProbeRadius = 20;
constexpr int32_t kHeroScratchSize = 180;  // square scratch pad for its largest frame
constexpr float kHeroScaleFactor = 1.2f;
// Its sounds, and the banner that slides in when it dies.
inline constexpr const char* kHeroHurtSound = "sounds\\god-p.wav";
inline constexpr const char* kHeroDeathSound = "sounds\\god-d.wav";
inline constexpr const char* kGameOverSound = "sounds\\mbank2.wav";
inline constexpr const char* kGameOverPicture = "graphics\\interface\\GameOver.png";

enum HeroState : int32_t {
    HERO_IDLE = 0,
    HERO_WALK = 1,
    HERO_RUN = 2,
    HERO_DYING = 3,
    HERO_DEAD = 4,
    HERO_STRIKING = 5,
};

class CHero : public CActor {
public:
    // At the playfield rectangle's left edge + 5 and 40 above the bottom, or the script's start position;
    // facing right; the view is asked to scroll to 700 (it clamps).
    CHero();

    void think() override;
    void hit(int32_t amount, int32_t flag) override;
    int32_t message(int32_t code, AttackRecord* record, int32_t value) override;

    // The selected spell along the facing (the game screen calls it only while alive and not paused).
    void cast();
    // Starts a strike unless one is under way.
    void strike_command();
    // Health up by n, never above full health.
    void heal(int32_t n);

    // At most one 45-degree step toward d per 75 ms.
    void turn_step(int d);
    // Held movement input: walks for the first 350 ms, then runs.
    void go_move();
    void go_walk();
    void go_run();
    void go_idle();
    void go_strike();
    void go_die();
    // The nearest living monster (kind 100 and up) nearer than 110, or 0.
    uint32_t auto_aim_target() const;
    // Follows the hero with the view, leading in the direction it moves.
    void camera_step();

    int32_t state = HERO_IDLE;
    int32_t lastState = -1;
    CTimer turnTimer;        // 75 ms
    CTimer idleToWalkTimer;  // 350 ms
    CTimer stopTimer;        // 100 ms
    uint8_t runFlag = 0;
    uint8_t struck = 0;      // the current strike has landed

private:
    void think_dying();
    void think_striking();
    void think_moving();
    // The movement the player asks for this frame: a compass direction, 0 for none.
    int movement_input() const;
    // Walking or running: the strips, the speed it eases to and the frame delay.
    void set_gait(int32_t gait, CStripSet* set, float speedTo, float accel, uint32_t delay, int waitLow, int waitHigh);
};

struct LevelScript;
struct Rect;
// Where the hero starts: the script's start position, or 5 right of the playfield rectangle's left edge
// (x 0 when it is not set) and 40 above the playfield's bottom.
void hero_start_position(const LevelScript& script, const Rect* playfieldRect, int32_t playfieldHeight,
                         int32_t* x, int32_t* y);

// The hero's five strip sets, named at start-up and kept loaded for the whole run.
extern CStripSet HeroRunStrips;
extern CStripSet HeroWalkStrips;
extern CStripSet HeroIdleStrips;
extern CStripSet HeroShootStrips;
extern CStripSet HeroDeathStrips;

// Names the hero's strips and their mirrors (the loading step); no pixels are read yet.
void name_hero_strips();
// Touches frame 1 of every hero strip so they are in memory before play (title set-up).
void load_hero_strips();

// The hero of the running level (well-known slot 11 in the current game list), or null.
CHero* current_hero();
