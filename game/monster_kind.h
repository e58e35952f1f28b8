// CMonsterKind and CMonsterKindTable: the twelve monster kinds, their strips, sounds and numbers.
#pragma once
#include <cstdint>

#include "game/actor_strip_set.h"
#include "sound/sound.h"

constexpr int kMonsterKindCount = 12;

// The six strip sets of a kind, in record order.
enum MonsterAction : int {
    ACTION_WALK = 0,
    ACTION_RUN = 1,
    ACTION_IDLE = 2,
    ACTION_ATTACK = 3,
    ACTION_DEATH = 4,
    ACTION_SHOOT = 5,
    kMonsterActionCount = 6,
};

// One kind's look, sounds and numbers. The values below are the defaults every kind starts from.
struct CMonsterKind {
    CStripSet strips[kMonsterActionCount];  // indexed by MonsterAction
    CSound attackSound;  // when a melee attack starts; empty name: none
    CSound deathSound;   // empty name: the shared frag sound is played instead
    int32_t kindId = 0;  // the lookup key, 100..113
    int32_t position = 0;
    float scale = 1.0f;
    int32_t arrival = 40;           // pixels; also how close it comes before striking
    int32_t frameBoxWidth = 180;    // scratch pad for the kind's largest frame
    int32_t frameBoxHeight = 180;
    int32_t health = 30;            // before the difficulty factors
    int32_t damage = 25;
    float walkSpeed = 0.7f;         // pixels per hundredth of a second at 100 %
    float runSpeed = 0.9f;
    int32_t sightRange = 150;       // pixels; also the shooting range
    uint32_t reactionMs = 150;      // between steering turns
    uint32_t walkDelay = 120;       // frame delays in ms
    uint32_t runDelay = 120;
    uint32_t attackDelay = 120;
    uint32_t shootDelay = 120;
    int32_t shootIntervalMin = 0;   // ms, drawn with random_range
    uint32_t deathDelay = 120;
    int32_t shootIntervalMax = 2400;
    int32_t projectile = 0;         // spell number cast when shooting; 0 none
    int32_t reach = 20;             // strike reach and radius at 100 %
    int32_t radius = 20;
    float tintRed = 10.0f;          // hit tint offsets
    float tintGreen = 0.0f;
    float tintBlue = 0.0f;
    uint32_t tintHoldMs = 2500;
    float tintOutRate = 1.06f;
    float tintInRate = 1.56f;
    uint32_t stunMs = 3000;         // after a hit that does not kill
    uint8_t boss = 0;               // health bar, placed on screen, death shake

    CStripSet& set(MonsterAction a) { return strips[a]; }
    // The slot can be shown: a mirror, or a strip that is named or already in memory.
    bool has_slot(MonsterAction a, int d) const;
    // A kind with an attack set strikes in melee.
    bool has_attack() const { return has_slot(ACTION_ATTACK, 6); }
};

class CMonsterKindTable {
public:
    // The twelve kinds in table order, strips and sounds named; frames load on first use.
    CMonsterKindTable();
    ~CMonsterKindTable();
    CMonsterKindTable(const CMonsterKindTable&) = delete;
    CMonsterKindTable& operator=(const CMonsterKindTable&) = delete;

    // Null when no kind has the id (103, 107 and 0 are not kinds).
    CMonsterKind* find_kind(int32_t kindId);
    // Forces frame 1 of every named or mirrored slot of the kind's sets into memory. Null does nothing.
    void load_graphics(CMonsterKind* kind);
    // Frees the frames of every kind's sets and unloads both sounds of each kind.
    void release_all_graphics();

    CMonsterKind kinds[kMonsterKindCount];
};

extern CMonsterKindTable MonsterKinds;
