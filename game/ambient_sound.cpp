// CAmbientSound: the level's one or two ambient sounds, each after a random delay within the level's bounds.
#include "game/ambient_sound.h"
#include "game/level_progress.h"
#include "util/numeric.h"

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
    const LevelScript& s = LevelProgress.script;
    if (!s.ambientOn) return;
    if (!armed) {
        sound1.set_name(s.ambientSound1);
        sound2.set_name(s.ambientSound2);
        arm_delay();
        armed = 1;
    }
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
