// What every part of the content generator shares: where to write, and the parts it runs.
#pragma once
#include <string>

struct ContentContext {
    std::string out;     // the program folder: every data file the game names goes here
    std::string sheets;  // contact sheets for review, outside the program folder
};

// Pre-rendered creatures and effects: hero, monsters, projectiles, explosions, dragon fly, pickups.
bool generate_creatures(const ContentContext& ctx);
