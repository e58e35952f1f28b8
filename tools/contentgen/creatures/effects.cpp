// Effects and pickups: fireballs, the lightning star, explosions, smoke, shadows, health, the time gate, the cannon.
#include "creatures/effects.h"

std::vector<StripGroup> render_effects() { return {}; }
