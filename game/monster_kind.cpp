// The twelve monster kinds as two tables (look and numbers), and loading or releasing their frames.
#include "game/monster_kind.h"

#include <cstdio>

namespace {

struct ActionFile {
    const char* word;  // the action word in the file names
    MonsterAction set; // the set the strips go into
};

constexpr ActionFile W{"walk", ACTION_WALK};
constexpr ActionFile R{"run", ACTION_RUN};
constexpr ActionFile I{"idle", ACTION_IDLE};
constexpr ActionFile A{"attack", ACTION_ATTACK};
constexpr ActionFile ShootSet{"shoot", ACTION_SHOOT};
constexpr ActionFile ShootAsAttack{"shoot", ACTION_ATTACK};
constexpr ActionFile SetShootAsAttack{"setshoot", ACTION_ATTACK};
constexpr ActionFile None{nullptr, ACTION_WALK};

// Strips and sounds. The death strip is drawn in one direction: 2 alone, or 6 with 4 as its mirror.
struct KindLook {
    int32_t id;
    const char* folder;  // also the file prefix
    ActionFile actions[4];
    const char* deathFolder;
    const char* deathWord;
    int deathDirection;
    const char* deathSound;  // "" none
    const char* attackSound;
};

// clang-format off
constexpr KindLook kLooks[kMonsterKindCount] = {
    {108, "alian",   {W, I, A, None},                "alian",   "die",   2, "sounds\\alien-d.wav", "sounds\\sq-h.wav"},
    {101, "zombie",  {W, I, A, None},                "zombie",  "death", 2, "",                    "sounds\\zombie-a.wav"},
    {100, "wolf",    {W, R, I, A},                   "wolf",    "death", 2, "sounds\\wwolf-d.wav", "sounds\\wwolf-h.wav"},
    {102, "ant",     {W, I, A, None},                "ant",     "die",   6, "sounds\\ant-d.wav",   "sounds\\ant-a.wav"},
    {105, "vamp",    {W, R, I, A},                   "zombie",  "death", 2, "",                    "sounds\\sq-h.wav"},
    {104, "snow",    {W, R, I, A},                   "snow",    "die",   2, "sounds\\alien-d.wav", "sounds\\sq-h.wav"},
    {106, "gmean",   {W, R, I, ShootSet},            "gmean",   "die",   6, "sounds\\ant-p.wav",   "sounds\\sq-h.wav"},
    {110, "plall",   {W, I, A, None},                "plall",   "die",   2, "sounds\\ant-d.wav",   "sounds\\ant-a.wav"},
    {112, "wolf",    {W, R, I, A},                   "wolf",    "death", 2, "sounds\\wwolf-d.wav", "sounds\\wwolf-h.wav"},
    {111, "plall",   {W, I, A, None},                "plall",   "die",   2, "sounds\\alien-d.wav", "sounds\\sq-h.wav"},
    {109, "frog",    {W, I, SetShootAsAttack, None}, "frog",    "die",   2, "sounds\\alien-d.wav", "sounds\\alien-h.wav"},
    {113, "goddess", {W, R, I, ShootAsAttack},       "goddess", "death", 6, "sounds\\god-d.wav",   "sounds\\god-h.wav"},
};

struct KindNumbers {
    float scale;
    int32_t arrival, boxWidth, boxHeight, health, damage;
    float walk, run;
    int32_t sight;
    uint32_t reaction;
    uint32_t walkDelay, runDelay, attackDelay, shootDelay, deathDelay;
    int32_t shootMin, shootMax, projectile, reach, radius;
    float red, green, blue;
    uint32_t hold;
    float inRate, outRate;
    uint32_t stun;
    uint8_t boss;
};

// In the order of kLooks.
constexpr KindNumbers kNumbers[kMonsterKindCount] = {
    // scale arr  box        hp   dmg walk run  sight react  delays walk/run/attack/shoot/death  shoot      proj reach/rad  tint r g b      hold in    out   stun  boss
    {1.0f, 40, 230, 240, 150, 10, 2.3f, 3.2f, 150, 200, 140, 100, 100, 120, 250, 0,    2400, 0,   33, 33, -10, -10, 30,    0,    1.5f,  1.5f,  230,  1},
    {0.9f, 40, 150, 150,  20, 15, 0.5f, 0.6f, 100, 200, 120, 120, 130, 120, 120, 4000, 8000, 100, 20, 20,  10,   0,  0, 2500,    1.56f, 1.06f, 3000, 0},
    {0.9f, 40, 150, 150,  30, 30, 0.7f, 1.0f, 140, 200, 120, 120, 130, 120, 120, 0,    2400, 0,   20, 20,  10,   0,  0, 2500,    1.56f, 1.06f, 3000, 0},
    {1.0f, 40, 180, 180,  30, 20, 1.2f, 1.8f, 300, 100, 120,  90, 130, 120, 120, 0,    2400, 0,   20, 20,  10,   0,  0, 2500,    1.56f, 1.06f, 3000, 0},
    {0.9f, 40, 180, 220,  40, 20, 0.7f, 0.9f, 150, 200, 120, 120, 130, 120, 120, 0,    2400, 100, 20, 20,  10,   0,  0, 2500,    1.56f, 1.06f, 3000, 0},
    {1.0f, 40, 150, 150,  20, 20, 0.7f, 1.0f, 140, 200, 120, 120, 130, 120, 120, 0,    2400, 0,   20, 20,  10,   0,  0, 2500,    1.56f, 1.06f, 3000, 0},
    {0.8f, 40, 200, 200,  40, 20, 0.7f, 1.0f, 150, 200, 120, 120, 130, 120,  75, 0,    2400, 3,   20, 20,  10,   0,  0, 2500,    1.56f, 1.06f, 3000, 0},
    {1.0f, 40, 250, 200,  30, 20, 1.2f, 1.8f, 300, 100, 120,  90, 130, 120, 120, 0,    2400, 0,   20, 20,  10,   0,  0, 2500,    1.56f, 1.06f, 3000, 0},
    {1.7f, 60, 250, 270, 150, 30, 0.5f, 0.8f, 140, 200, 180, 180, 180, 120, 250, 0,    2400, 1,   33, 33,  45,  45, -5,    0,    1.5f,  1.5f,  230,  1},
    {1.5f, 60, 339, 300, 180, 35, 0.5f, 1.0f, 200, 100, 180, 120, 350, 120, 250, 0,    2400, 3,   33, 33, -25, -25, 20,    0,    1.3f,  1.3f,  230,  1},
    {1.0f, 40, 250, 280, 200, 20, 0.3f, 0.9f, 150, 150, 220, 180, 250, 120, 250, 0,    2400, 3,   33, 33, -45, -45, -45,   0,    1.5f,  1.5f,  270,  1},
    {1.2f, 40, 250, 280, 400, 20, 1.3f, 1.8f, 400,  80, 120, 120, 140, 120, 140, 0,    2400, 2,   20, 20,  -5,  -5, 20,    0,    1.5f,  1.5f,  270,  1},
};
// clang-format on

void fill_numbers(CMonsterKind& k, const KindNumbers& n)
{
    k.scale = n.scale;
    k.arrival = n.arrival;
    k.frameBoxWidth = n.boxWidth;
    k.frameBoxHeight = n.boxHeight;
    k.health = n.health;
    k.damage = n.damage;
    k.walkSpeed = n.walk;
    k.runSpeed = n.run;
    k.sightRange = n.sight;
    k.reactionMs = n.reaction;
    k.walkDelay = n.walkDelay;
    k.runDelay = n.runDelay;
    k.attackDelay = n.attackDelay;
    k.shootDelay = n.shootDelay;
    k.deathDelay = n.deathDelay;
    k.shootIntervalMin = n.shootMin;
    k.shootIntervalMax = n.shootMax;
    k.projectile = n.projectile;
    k.reach = n.reach;
    k.radius = n.radius;
    k.tintRed = n.red;
    k.tintGreen = n.green;
    k.tintBlue = n.blue;
    k.tintHoldMs = n.hold;
    k.tintInRate = n.inRate;
    k.tintOutRate = n.outRate;
    k.stunMs = n.stun;
    k.boss = n.boss;
}

void fill_look(CMonsterKind& k, const KindLook& look)
{
    char name[kStripNameSize];
    for (const ActionFile& a : look.actions) {
        if (!a.word) continue;
        // "graphics\wolf\wolf_walk" names "graphics\wolf\wolf_walk_6_00" and the other drawn directions.
        std::snprintf(name, sizeof name, "graphics\\%s\\%s_%s", look.folder, look.folder, a.word);
        k.strips[a.set].declare_directions(name);
    }
    std::snprintf(name, sizeof name, "graphics\\%s\\%s_%s_%d_00", look.deathFolder, look.deathFolder,
                  look.deathWord, look.deathDirection);
    CStripSet& death = k.strips[ACTION_DEATH];
    death.declare(look.deathDirection, name);
    if (look.deathDirection == 6) death.mirror(4, 6);
    k.deathSound.set_name(look.deathSound);
    k.attackSound.set_name(look.attackSound);
}

}  // namespace

bool CMonsterKind::has_slot(MonsterAction a, int d) const
{
    if (d < 0 || d > 9) return false;
    const CGraphicStrip& s = strips[a].slot[d];
    return s.mirror || s.frames || s.name[0];
}

CMonsterKindTable::CMonsterKindTable()
{
    for (int i = 0; i < kMonsterKindCount; i++) {
        CMonsterKind& k = kinds[i];
        k.kindId = kLooks[i].id;
        k.position = i;
        fill_numbers(k, kNumbers[i]);
        fill_look(k, kLooks[i]);
    }
}

// The strip sets and sounds free themselves.
CMonsterKindTable::~CMonsterKindTable() = default;

CMonsterKind* CMonsterKindTable::find_kind(int32_t kindId)
{
    for (CMonsterKind& k : kinds)
        if (k.kindId == kindId) return &k;
    return nullptr;
}

void CMonsterKindTable::load_graphics(CMonsterKind* kind)
{
    if (!kind) return;
    // The run set too: loading it mid-fight would stall the first monster that breaks into a run.
    for (CStripSet& set : kind->strips) set.load_all();
}

void CMonsterKindTable::release_all_graphics()
{
    for (CMonsterKind& k : kinds) {
        for (CStripSet& set : k.strips) set.free_all();
        k.attackSound.unload();
        k.deathSound.unload();
    }
}
