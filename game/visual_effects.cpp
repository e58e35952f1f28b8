// CVisual effects over time: grow-in, scale-to-target and the tint fade.
#include "app/app_state.h"
#include "game/visual.h"
#include "graphics/playfield.h"

namespace {

constexpr float kGrowInPerHundredth = 0.004f;

float frame_scale() { return float(AppState.frameScale); }

}  // namespace

void CVisual::think() { step_tint(); }

void CVisual::start_grow_in()
{
    scaleMode = SCALE_GROW_IN;
    scaleProgress = 0.0f;
    useSourceRect = 1;
    sourceRect = Rect{0, 0, useScratch ? scaledWidth : width, 0};
}

void CVisual::start_scale_to_target(float target, float rate)
{
    scaleMode = SCALE_TO_TARGET;
    scaleProgress = target;
    scaleRate = rate;
}

bool CVisual::step_scale()
{
    if (scaleMode == SCALE_GROW_IN) {
        scaleProgress += frame_scale() * kGrowInPerHundredth;
        if (scaleProgress >= 1.0f) {
            scaleMode = SCALE_NONE;
            useSourceRect = 0;
            return false;
        }
        // The part shown is measured on the picture as drawn, so its bottom stays at the feet.
        const int w = useScratch ? scaledWidth : width;
        const int h = useScratch ? scaledHeight : height;
        sourceRect = Rect{0, 0, w, int(scaleProgress * float(h))};
        return true;
    }
    if (scaleMode == SCALE_TO_TARGET) {
        const bool arrived = approach(&scaleFactor, scaleProgress, scaleRate * frame_scale());
        update_scaled_size();
        if (arrived) scaleMode = SCALE_NONE;
        return !arrived;
    }
    return false;
}

void CVisual::set_tint(float red, float green, float blue)
{
    // A tint set directly stands as it is; a fade under way would pull it away.
    tintRed = red;
    tintGreen = green;
    tintBlue = blue;
    tintActive = 0;
    tintInRate = tintOutRate = 0.0f;
}

void CVisual::fade_tint(float red, float green, float blue, float inRate, uint32_t holdMs, float outRate)
{
    tintTargetRed = red;
    tintTargetGreen = green;
    tintTargetBlue = blue;
    tintInRate = inRate;
    tintOutRate = outRate;
    tintHoldPeriod = holdMs;
    tintActive = 1;
    if (inRate == 0.0f) {
        // Nothing to fade in: show it at once and start holding.
        tintRed = red;
        tintGreen = green;
        tintBlue = blue;
    }
    tintHoldTimer.reset();
}

void CVisual::set_tint_release(float red, float green, float blue)
{
    tintReleaseRed = red;
    tintReleaseGreen = green;
    tintReleaseBlue = blue;
}

void CVisual::step_tint()
{
    if (!tintActive) return;
    const float t = frame_scale();
    if (tintInRate != 0.0f) {
        const float step = tintInRate * t;
        bool there = approach(&tintRed, tintTargetRed, step);
        there = approach(&tintGreen, tintTargetGreen, step) && there;
        there = approach(&tintBlue, tintTargetBlue, step) && there;
        if (there) {
            tintInRate = 0.0f;
            tintHoldTimer.reset();  // the hold is measured from the moment the offsets arrive
        }
        return;
    }
    if (tintHoldTimer.elapsed() <= tintHoldPeriod) return;
    // Without a release rate the offsets would never get back: they go at once.
    const float step = tintOutRate != 0.0f ? tintOutRate * t : 1.0e9f;
    bool there = approach(&tintRed, tintReleaseRed, step);
    there = approach(&tintGreen, tintReleaseGreen, step) && there;
    there = approach(&tintBlue, tintReleaseBlue, step) && there;
    if (there) {
        tintActive = 0;
        tintInRate = tintOutRate = 0.0f;
    }
}
