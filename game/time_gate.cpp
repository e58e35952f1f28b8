// CTimeGate: placed where it stands, growing in; reaching it finishes the level and unlocks the next one.
#include "game/time_gate.h"

#include "game/level_progress.h"
#include "game/time_gate_banner.h"
#include "level/career.h"
#include "sound/sound.h"
#include "util/log.h"

namespace {

constexpr const char* kGateStrip = "graphics\\interface\\pod_";
constexpr int32_t kEndingLevel = 500;
constexpr int32_t kLastLevel = 12;

CSound& gate_sound()
{
    static CSound sound("sounds\\timegate.wav");
    return sound;
}

CSound& won_sound()
{
    static CSound sound("sounds\\story.wav");
    return sound;
}

CSound& fanfare_sound()
{
    static CSound sound("sounds\\mbank2.wav");
    return sound;
}

}  // namespace

CTimeGate::CTimeGate() : CTimeGate(&LevelProgress) {}

CTimeGate::CTimeGate(LevelProgressRecord* record) : CPickup(kGateStrip, 1.0f, 1.0f), progress(record) {}

void CTimeGate::place_gate()
{
    // It stays at the random walkable place it was given when it was made.
    show_strip();
    start_grow_in();
    gate_sound().play();
}

void CTimeGate::take_effect(CActor* hero)
{
    won_sound().play();
    if (!hero) return;
    log_msg("START LEVEL 2..");
    if (ownerList) add_gate_banner(ownerList);
    if (progress->script.nextLevel != kEndingLevel) fanfare_sound().play();
    progress->levelFinished = 1;
    if (progress->levelNumber != kLastLevel && unlock_after_level(progress->career, progress->levelNumber))
        save_career(progress->career);
}
