// The smoke emitter (a monster's spawn flash) and the rising, growing puffs it lets out.
#pragma once
#include <cstdint>
#include "game/visual.h"
#include "util/timer.h"

class CGraphicStrip;

class CSmokeEmitter : public CThing {
public:
    CSmokeEmitter();
    void think() override;

    void place(int px, int py, int unused) { (void)unused; x = px; y = py; }
    void set_period(uint32_t ms) { periodTimer.set_interval(ms); }

    int32_t x = 0;
    int32_t y = 0;
    CTimer periodTimer;
};

class CSmokePuff : public CVisual {
public:
    // At (px, py) playfield pixels, drifting left by drift (a negative drift does not drift at all).
    CSmokePuff(int px, int py, float drift);
    void think() override;

    CTimer growthTimer;
    float drift = 0.0f;
};

// The puffs' strip, named on first use; shared by every puff.
extern CGraphicStrip SmokeStrip;
