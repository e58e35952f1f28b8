// The creature kinds the generator renders: folders, strip names, frame counts, scales and frame boxes.
#pragma once
#include "creatures/scene.h"
#include <string>
#include <vector>

enum class Act { Walk, Run, Idle, Attack, Shoot, Death, Fly };

// Which frame of which action a model is asked to pose.
struct Pose {
    Act act = Act::Idle;
    int frame = 0;  // 0-based
    int count = 1;
    // Looping actions: 0..2pi over the loop (frame n and n + count coincide).
    float phase() const { return 2 * kPi * float(frame) / float(count); }
    // One-shot and ping-pong actions: 0 at the first frame, 1 at the last.
    float t() const { return count > 1 ? float(frame) / float(count - 1) : 0.f; }
};

using BuildFn = void (*)(Scene&, const Pose&);

struct StripDef {
    std::string word;  // action word in the file name: "walk", "die", "setshoot" ...
    Act act;
    int frames;
    std::string dirs;  // drawn directions, keypad digits, e.g. "62893"
};

// A kind that draws with this folder's frames at `scale` needs frame width and height x scale to fit w x h.
struct FitBox {
    float scale;
    int w, h;
};

struct CreatureDef {
    std::string folder, prefix;
    BuildFn build;
    float ppu;  // pixels per model unit (about a metre)
    std::vector<StripDef> strips;
    std::vector<FitBox> fits;
};

const std::vector<CreatureDef>& creature_defs();

// Model turn for a drawn keypad direction: 2 faces the camera, 6 faces right, 8 faces away.
float direction_yaw(char dir);
// "graphics\\<folder>\\<prefix>_<word>_<dir>_00"
std::string strip_base(const CreatureDef& def, const StripDef& strip, char dir);

void build_goddess(Scene& s, const Pose& p);
void build_alien(Scene& s, const Pose& p);
void build_zombie(Scene& s, const Pose& p);
void build_wolf(Scene& s, const Pose& p);
void build_ant(Scene& s, const Pose& p);
void build_vampire(Scene& s, const Pose& p);
void build_snow_beast(Scene& s, const Pose& p);
void build_goblin(Scene& s, const Pose& p);
void build_plant(Scene& s, const Pose& p);
void build_frog(Scene& s, const Pose& p);
void build_dragonfly(Scene& s, const Pose& p);
