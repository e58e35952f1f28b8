// CAmbientSound: plays the level's ambient sounds at random intervals, unless muted for a while.
#pragma once
#include <cstdint>
#include "game/thing.h"
#include "sound/sound.h"
#include "util/timer.h"

class CAmbientSound : public CThing {
public:
    // Takes the sound names and the interval bounds from the loaded level script.
    CAmbientSound();
    void think() override;
    void mute(uint32_t ms);

    CTimer delayTimer;
    CTimer muteTimer;
    uint8_t muted = 0;
    CSound sound1;
    CSound sound2;

private:
    void arm_delay();
};
