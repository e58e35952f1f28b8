// Effects and pickups: fireballs, the lightning star, explosions, smoke, shadows, health, the time gate, the cannon.
#pragma once
#include "creatures/strip_set.h"
#include <vector>

// Every effect strip and picture, packed and ready to write.
std::vector<StripGroup> render_effects();
