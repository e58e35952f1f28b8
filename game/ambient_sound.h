// CAmbientSound: plays the level's ambient sounds at random intervals, unless muted for a while.
#pragma once
#include <cstdint>
#include "game/thing.h"
#include "sound/sound.h"
#include "util/timer.h"

class CAmbientSound : public CThing {
public:
    // Made while the level is still being built: the sprite scanner reads the ambient lines later, so the
    // sound names and the interval bounds are taken from the level script when it first thinks.
    CAmbientSound() = default;
    void think() override;
    void mute(uint32_t ms);

    CTimer delayTimer;
    CTimer muteTimer;
    uint8_t muted = 0;
    uint8_t armed = 0;  // the names are taken and the first delay runs
    CSound sound1;
    CSound sound2;

private:
    void arm_delay();
};
