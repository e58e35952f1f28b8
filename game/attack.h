// AttackRecord: what an area attack (message 1) or a pickup probe (message 3) carries to every thing.
#pragma once
#include <cstdint>

// Seven 32-bit fields, passed by pointer with the message.
struct AttackRecord {
    int32_t source = 0;    // id of the thing that struck or probes
    int32_t owner = -1;    // id of the one behind it (a projectile's caster); -1 none
    int32_t x = 0;         // the point struck, or the prober's position
    int32_t y = 0;
    int32_t radius = 0;    // at 100 % scale
    int32_t damage = 0;
    int32_t reserved = 0;
};
