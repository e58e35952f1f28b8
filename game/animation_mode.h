// How a strip's frames advance: shared by actors and scene sprites.
#pragma once
#include <cstdint>

enum AnimationMode : int32_t {
    ANIM_LOOP = 0,
    ANIM_ONCE = 1,           // play once (a scene sprite then hides)
    ANIM_PING_PONG = 2,
    ANIM_BACKWARD_ONCE = 3,  // actors only
};
