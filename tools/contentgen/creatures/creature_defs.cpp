// The creature kinds the generator renders, mirroring the monster kinds table and the hero's strip sets.
#include "creatures/creature_defs.h"

namespace {

const char* kFive = "62893";  // right, down, up, up-right, down-right; the game mirrors 4, 1 and 7

std::vector<CreatureDef> make_defs()
{
    std::vector<CreatureDef> d;
    // The hero, and kind 113 (the dark sorceress at scale 1.2) share these frames.
    d.push_back({"goddess", "goddess", build_goddess, 32.f,
                 {{"walk", Act::Walk, 8, kFive},
                  {"run", Act::Run, 8, kFive},
                  {"idle", Act::Idle, 5, kFive},
                  {"shoot", Act::Shoot, 8, kFive},
                  {"death", Act::Death, 8, "6"}},
                 {{1.2f, 180, 180}, {1.2f, 250, 280}}});
    // Kind 101; its death strip also serves the vampire (kind 105, scale 0.9, box 180 x 220).
    d.push_back({"zombie", "zombie", build_zombie, 32.f,
                 {{"walk", Act::Walk, 8, kFive},
                  {"idle", Act::Idle, 5, kFive},
                  {"attack", Act::Attack, 8, kFive},
                  {"death", Act::Death, 8, "2"}},
                 {{0.9f, 150, 150}, {0.9f, 180, 220}}});
    // Kind 105; it dies with the zombie's death strip.
    d.push_back({"vamp", "vamp", build_vampire, 32.f,
                 {{"walk", Act::Walk, 8, kFive},
                  {"run", Act::Run, 8, kFive},
                  {"idle", Act::Idle, 5, kFive},
                  {"attack", Act::Attack, 8, kFive}},
                 {{0.9f, 180, 220}}});
    // Kind 106: a pure shooter, its cast goes into the shoot set.
    d.push_back({"gmean", "gmean", build_goblin, 45.f,
                 {{"walk", Act::Walk, 8, kFive},
                  {"run", Act::Run, 8, kFive},
                  {"idle", Act::Idle, 5, kFive},
                  {"shoot", Act::Shoot, 8, kFive},
                  {"die", Act::Death, 8, "6"}},
                 {{0.8f, 200, 200}}});
    // Kind 104.
    d.push_back({"snow", "snow", build_snow_beast, 31.f,
                 {{"walk", Act::Walk, 8, kFive},
                  {"run", Act::Run, 8, kFive},
                  {"idle", Act::Idle, 5, kFive},
                  {"attack", Act::Attack, 8, kFive},
                  {"die", Act::Death, 8, "2"}},
                 {{1.0f, 150, 150}}});
    // Kind 108, a boss at scale 1.0 in a 230 x 240 box.
    d.push_back({"alian", "alian", build_alien, 40.f,
                 {{"walk", Act::Walk, 8, kFive},
                  {"idle", Act::Idle, 5, kFive},
                  {"attack", Act::Attack, 8, kFive},
                  {"die", Act::Death, 8, "2"}},
                 {{1.0f, 230, 240}}});
    // Kind 100, and the giant wolf boss (kind 112) drawing the same frames at scale 1.7.
    d.push_back({"wolf", "wolf", build_wolf, 44.f,
                 {{"walk", Act::Walk, 8, kFive},
                  {"run", Act::Run, 8, kFive},
                  {"idle", Act::Idle, 5, kFive},
                  {"attack", Act::Attack, 8, kFive},
                  {"death", Act::Death, 8, "2"}},
                 {{0.9f, 150, 150}, {1.7f, 250, 270}}});
    // Kind 102.
    d.push_back({"ant", "ant", build_ant, 42.f,
                 {{"walk", Act::Walk, 8, kFive},
                  {"idle", Act::Idle, 5, kFive},
                  {"attack", Act::Attack, 8, kFive},
                  {"die", Act::Death, 8, "6"}},
                 {{1.0f, 180, 180}}});
    // Kind 109, a boss; its "setshoot" strips fill the attack set and serve its shots too.
    d.push_back({"frog", "frog", build_frog, 47.f,
                 {{"walk", Act::Walk, 8, kFive},
                  {"idle", Act::Idle, 5, kFive},
                  {"setshoot", Act::Attack, 8, kFive},
                  {"die", Act::Death, 8, "2"}},
                 {{1.0f, 250, 280}}});
    // Kind 110, and the giant plant boss (kind 111) drawing the same frames at scale 1.5.
    d.push_back({"plall", "plall", build_plant, 36.f,
                 {{"walk", Act::Walk, 8, kFive},
                  {"idle", Act::Idle, 5, kFive},
                  {"attack", Act::Attack, 8, kFive},
                  {"die", Act::Death, 8, "2"}},
                 {{1.0f, 250, 200}, {1.5f, 339, 300}}});
    // The dragon fly: one strip, flying right (the game mirrors nothing for it).
    d.push_back({"dfly", "dfly", build_dragonfly, 50.f, {{"fly", Act::Fly, 6, "6"}}, {}});
    return d;
}

}  // namespace

const std::vector<CreatureDef>& creature_defs()
{
    static const std::vector<CreatureDef> defs = make_defs();
    return defs;
}

float direction_yaw(char dir)
{
    switch (dir) {
    case '2': return 0.f;
    case '3': return kPi * 0.25f;
    case '6': return kPi * 0.5f;
    case '9': return kPi * 0.75f;
    case '8': return kPi;
    default: return 0.f;
    }
}

std::string strip_base(const CreatureDef& def, const StripDef& strip, char dir)
{
    return "graphics\\" + def.folder + "\\" + def.prefix + "_" + strip.word + "_" + std::string(1, dir) + "_00";
}
