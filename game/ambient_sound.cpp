// CAmbientSound: the level's one or two ambient sounds, each after a random delay within the level's bounds.
#include "game/ambient_sound.h"
#include "game/level_progress.h"
#include "util/numeric.h"

CAmbientSound::CAmbientSound()
    : sound1(LevelProgress.script.ambientSound1), sound2(LevelProgress.script.ambientSound2)
{
    arm_delay();
}

void CAmbientSound::arm_delay()
{
    const LevelScript& s = LevelProgress.script;
    // Equal or reversed bounds would leave no range to draw from: use the lower one.
    const int32_t delay = s.ambientMax > s.ambientMin ? random_range(s.ambientMin, s.ambientMax) : s.ambientMin;
    delayTimer.set_interval(uint32_t(delay < 0 ? 0 : delay));
}

void CAmbientSound::mute(uint32_t ms)
{
    muted = 1;
    muteTimer.set_interval(ms);
}

void CAmbientSound::think()
{
    if (!LevelProgress.script.ambientOn) return;
    if (muted) {
        if (!muteTimer.ready()) return;
        muted = 0;
    }
    if (!delayTimer.ready()) return;
    if (sound2.name[0] && random_below(2) == 1)
        sound2.play();
    else if (sound1.name[0])
        sound1.play();
    arm_delay();
}
