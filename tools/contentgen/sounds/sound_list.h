// The catalogue of sounds the generator writes: name, file layout and the recipe that makes it.
#pragma once
#include "sounds/synth.h"
#include <functional>
#include <string>
#include <vector>

struct SoundRecipe {
    std::string name;  // data name, "sounds\..."
    Storage storage;
    std::function<Sound()> make;
};

// Building blocks shared by the recipes (mono, at the given rate).
std::vector<float> whoosh(int rate, float seconds, float f_start, float f_peak, float f_end, float q, uint32_t seed);
std::vector<float> thump(int rate, float seconds, float f_start, float f_end, float decay);
std::vector<float> rumble(int rate, float seconds, float cutoff, float decay, uint32_t seed);
std::vector<float> crackle(int rate, float seconds, float per_second, float decay, uint32_t seed);
std::vector<float> chirp(int rate, float seconds, float f_start, float f_end, float curve);

void add_effect_sounds(std::vector<SoundRecipe>& list);
void add_creature_sounds(std::vector<SoundRecipe>& list);
void add_ambient_sounds(std::vector<SoundRecipe>& list);
void add_music(std::vector<SoundRecipe>& list);
