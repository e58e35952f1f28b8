// What a cannon shot in flight threatens, for code that cannot see the cannon's class (actors and scene sprites
// cannot share a source file).
#pragma once
#include <cstdint>

class CThing;

struct CannonThreat {
    int32_t x = 0;       // the point the shell comes down on
    int32_t y = 0;
    int32_t radius = 0;  // at 100 % scale
};

// True, with the threat, when thing is a cannon whose shell is on its way.
bool cannon_threat(const CThing* thing, CannonThreat* out);
