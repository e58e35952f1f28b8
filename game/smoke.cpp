// Smoke: the emitter lets out a puff each period; a puff grows, rises, drifts and is gone past 90 %.
#include "game/smoke.h"
#include "app/app_state.h"
#include "game/level_progress.h"
#include "game/scene_sprite.h"
#include "game/thing_list.h"
#include "graphics/graphic_strip.h"
#include "graphics/playfield.h"
#include "util/numeric.h"

namespace {
constexpr const char* kSmokeStripName = "graphics\\misc\\smokesmall";
constexpr uint32_t kGrowthMs = 50;
constexpr int kPuffStartPercent = 40;
constexpr int kPuffGonePercent = 90;
}  // namespace

CSmokeEmitter::CSmokeEmitter() { periodTimer.set_interval(150); }

void CSmokeEmitter::think()
{
    if (LevelProgress.paused || !ownerList || !periodTimer.ready()) return;
    const float drift = float(random_below(100) - 50) * 0.0025f;
    // One draw after the other: as call arguments their order would be the compiler's choice.
    const int px = x + random_below(40);
    const int py = y + random_below(40);
    auto* puff = new CSmokePuff(px, py, drift);
    ownerList->adopt(puff);
}

CSmokePuff::CSmokePuff(int px, int py, float startDrift) : drift(startDrift)
{
    anchorMode = ANCHOR_CENTRE;
    set_position(px, py);
    sortKey = py + 45;
    growthTimer.set_interval(kGrowthMs);
    if (!SmokeStrip.name[0]) SmokeStrip.set_name(kSmokeStripName);
    if (!show_strip_frame(*this, SmokeStrip, 1)) return;
    if (alloc_scratch(width, height)) {
        scalePercent = kPuffStartPercent;
        update_scaled_size();
    }
}

void CSmokePuff::think()
{
    if (LevelProgress.paused) return;
    if (growthTimer.ready()) {
        scalePercent += 2;
        if (scalePercent > kPuffGonePercent) {
            removeFlag = 1;
            return;
        }
        update_scaled_size();
    }
    const float scale = float(AppState.frameScale);
    drift -= 0.03f * scale;
    if (drift < 0.0f) drift = 0.0f;
    fx -= drift * scale;
    fy -= 0.4f * scale;
    const float w = float(Playfield.width);
    if (fx < 0.0f) fx += w;
    if (fx >= w) fx -= w;
    set_position_f(fx, fy);
}
