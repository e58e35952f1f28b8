// CDragonFly: crosses the view from its left edge; half of them are bombers that drop fireballs as they go.
#pragma once
#include <cstdint>

#include "game/projectile.h"
#include "util/timer.h"

class CDragonFly : public CProjectile {
public:
    CDragonFly();
    // Call once added to its list: the start at the view's left edge with the top of its picture 20 below
    // the top of the view (or, as a bomber, 30 left of the view at the hero's depth, flying 140 up with a big
    // shadow), heading right.
    void init();
    // Leaves once off screen (80 to spare); unless paused a bomber over walkable ground drops a fireball
    // every 1000 ms; then flies.
    void think() override;
    // The dropped fireball: starts at the fly's position and height and falls; it hurts whatever it lands on.
    void drop_bomb();

    uint8_t bomber = 0;
    CTimer bombTimer;  // 1000 ms
};
