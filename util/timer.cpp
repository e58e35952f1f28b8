// Countdown timer over the frame clock (AppState.frameTime).
#include "util/timer.h"
#include "app/app_state.h"

static constexpr uint32_t kNoInterval = 0xFFFFFFFFu;

CTimer::CTimer() : start(AppState.frameTime), created(AppState.frameTime), interval(kNoInterval) {}

void CTimer::reset()
{
    start = AppState.frameTime;
    interval = kNoInterval;
}

void CTimer::set_interval(uint32_t ms)
{
    interval = ms;
    start = AppState.frameTime;
}

bool CTimer::ready()
{
    // Signed 32-bit compare: no interval (-1) makes start + interval fall behind now, so it always fires.
    if (int32_t(start + interval) > int32_t(AppState.frameTime)) return false;
    start = AppState.frameTime;
    return true;
}

uint32_t CTimer::elapsed() const { return AppState.frameTime - start; }
