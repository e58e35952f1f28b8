// CSceneSprite: pictures and strips that animate, move by, swing, pulse, grow, shrink, expire and follow a drag.
#include "game/scene_sprite.h"
#include "app/app_state.h"
#include "app/input.h"
#include "game/thing_list.h"
#include "graphics/graphic_strip.h"
#include "graphics/picture.h"
#include "graphics/playfield.h"
#include "util/strings.h"

namespace {

// Below this scale factor a shrinking sprite is gone.
constexpr float kShrinkGone = 0.1f;
// A pulse never goes flatter than this, nor grows past kPulseTop before turning back down.
constexpr float kPulseFloor = 0.001f;
constexpr float kPulseTop = 0.8f;
constexpr float kShrinkRateOnMessage = 0.02f;

// Moves a float along toward 0 by step, one frame's worth, the step is never shortened.
void step_remaining(float* position, float* remaining, float step)
{
    if (*remaining > 0.0f) {
        *position += step;
        *remaining -= step;
        if (*remaining < 0.0f) *remaining = 0.0f;
    } else if (*remaining < 0.0f) {
        *position -= step;
        *remaining += step;
        if (*remaining > 0.0f) *remaining = 0.0f;
    }
}

}  // namespace

CSceneSprite::CSceneSprite()
{
    anchorMode = ANCHOR_CENTRE;
    screenSpace = 1;
    useScratch = 0;
    sortKey = 1000;
}

CSceneSprite::~CSceneSprite() { free_strip(); }

void CSceneSprite::free_strip()
{
    if (!strip) return;
    // The current picture may be one of the strip's frames.
    if (!pictureOwner && !created) picture = nullptr;
    if (!stripBorrowed) delete strip;
    strip = nullptr;
    stripBorrowed = 0;
    animating = 0;
}

void CSceneSprite::place_at(int px, int py)
{
    set_position(px, py);
    previousX = px;
    previousY = py;
}

bool CSceneSprite::show_picture(int px, int py, const char* file)
{
    place_at(px, py);
    if (!file || !file[0]) return true;
    free_strip();
    copy_text(fileName, sizeof fileName, file);
    return load_picture();
}

bool show_strip_frame(CVisual& sprite, CGraphicStrip& strip, int n)
{
    uint8_t mirrored = 0;
    const uint16_t* pixels = strip.get_frame(n, &mirrored);
    if (!pixels) return false;
    if (sprite.pictureOwner || sprite.created) {
        free_pixels(sprite.picture);
        sprite.pictureOwner = 0;
        sprite.created = 0;
    }
    sprite.picture = const_cast<uint16_t*>(pixels);  // borrowed: drawn, never written
    sprite.flip = mirrored;
    sprite.width = int32_t(strip.frame_width());
    sprite.height = int32_t(strip.frame_height());
    sprite.update_scaled_size();
    return true;
}

bool CSceneSprite::show_frame(int n) { return strip && show_strip_frame(*this, *strip, n); }

bool CSceneSprite::animate(int px, int py, const char* stripName, uint32_t frameDelayMs)
{
    place_at(px, py);
    free_strip();
    strip = new CGraphicStrip;
    strip->set_name(stripName);
    stripBorrowed = 0;
    frame = 1;
    animMode = ANIM_LOOP;
    animBackward = 0;
    animating = 1;
    frameDelay = frameDelayMs;
    frameTimer.set_interval(frameDelayMs);
    return show_frame(1);
}

bool CSceneSprite::play_strip(CGraphicStrip* borrowed, uint32_t frameDelayMs)
{
    free_strip();
    if (!borrowed) return false;
    strip = borrowed;
    stripBorrowed = 1;
    frame = 1;
    animMode = ANIM_ONCE;
    animBackward = 0;
    animating = 1;
    visible = 1;
    frameDelay = frameDelayMs;
    frameTimer.set_interval(frameDelayMs);
    return show_frame(1);
}

bool CSceneSprite::ensure_scratch()
{
    useScratch = 1;
    if (scratch && scratchWidth >= width && scratchHeight >= height) return true;
    if (width < 1 || height < 1) {
        // Nothing to draw yet; a pad would have no size.
        useScratch = 0;
        return false;
    }
    if (!alloc_scratch(width, height)) {
        useScratch = 0;  // the raw frame is drawn instead
        return false;
    }
    return true;
}

void CSceneSprite::expire_after(uint32_t ms)
{
    endMode = END_EXPIRE;
    lifeTimer.set_interval(ms);
}

void CSceneSprite::shrink_after(uint32_t ms)
{
    delayedShrink = 1;
    shrinkTimer.set_interval(ms);
}

void CSceneSprite::shrink_away(float rate)
{
    ensure_scratch();
    scalePercent = 100;
    update_scaled_size();
    shrinkRate = rate;
    endMode = END_SHRINK;
}

void CSceneSprite::grow_in(float rate)
{
    ensure_scratch();
    scalePercent = 100;
    scaleFactor = 0.01f;
    update_scaled_size();
    shrinkRate = rate;
    endMode = END_GROW;
}

void CSceneSprite::pulse(float speed, float acceleration, float lowerBound)
{
    ensure_scratch();
    pulseSpeed = speed;
    pulseAcceleration = acceleration;
    pulseLowerBound = lowerBound;
    pulseVelocity = 0.0f;
    pulseGrowing = 0;
    endMode = END_PULSE;
}

void CSceneSprite::swing(int32_t axis, float low, float high, float acceleration, float maxSpeed, float startSpeed)
{
    swingAxis = axis;
    swingLow = low;
    swingHigh = high;
    swingAcceleration = acceleration;
    swingMaxSpeed = maxSpeed;
    swingVelocity = startSpeed;
    swingUp = startSpeed >= 0.0f;
    // Turn one braking distance early, so the easing velocity brings it to rest close to the bound
    // instead of carrying it past; never more than a quarter of the span, so it always swings.
    swingOffset = acceleration > 0.0f ? maxSpeed * maxSpeed / (2.0f * acceleration) : 0.0f;
    const float quarter = (high - low) * 0.25f;
    if (swingOffset > quarter) swingOffset = quarter > 0.0f ? quarter : 0.0f;
}

void CSceneSprite::move_by(float dx, float dy)
{
    moveRemainX = dx;
    moveRemainY = dy;
}

int32_t CSceneSprite::message(int32_t code, AttackRecord* record, int32_t value)
{
    (void)record;
    (void)value;
    if (code == MSG_TAPPED && draggable) {
        if (raiseOnTap) move_to_top();
        dragging = 1;
        dragLastX = g_input.stylusX;
        dragLastY = g_input.stylusY;
    } else if (code == MSG_SHRINK_AWAY && !protectedFlag) {
        shrink_away(kShrinkRateOnMessage);
    }
    return 0;
}

void CSceneSprite::advance_frame()
{
    if (!animating || !strip || !frameTimer.ready()) return;
    const int count = int(strip->frame_count());
    if (count < 1) return;
    switch (animMode) {
    case ANIM_ONCE:
        if (frame >= count) {
            visible = 0;
            animating = 0;
            return;
        }
        frame++;
        break;
    case ANIM_PING_PONG:
        if (animBackward) {
            if (--frame <= 1) {
                frame = 1;
                animBackward = 0;
            }
        } else if (++frame >= count) {
            frame = count;
            animBackward = 1;
        }
        break;
    default:
        if (++frame > count) frame = 1;
        break;
    }
    show_frame(frame);
}

void CSceneSprite::step_move_by()
{
    const float step = moveSpeed * float(AppState.frameScale);
    step_remaining(&fy, &moveRemainY, step);
    step_remaining(&fx, &moveRemainX, step);
}

bool CSceneSprite::step_end_mode()
{
    const float scale = float(AppState.frameScale);
    switch (endMode) {
    case END_EXPIRE:
        if (lifeTimer.ready()) {
            removeFlag = 1;
            return false;
        }
        break;
    case END_SHRINK:
        scaleFactor -= shrinkRate * scale;
        if (scaleFactor < kShrinkGone) {
            removeFlag = 1;
            return false;
        }
        update_scaled_size();
        break;
    case END_GROW:
        scaleFactor += shrinkRate * scale;
        if (scaleFactor > 1.0f) {
            scaleFactor = 1.0f;
            endMode = END_NONE;
        }
        update_scaled_size();
        break;
    case END_PULSE:
        step_pulse();
        break;
    default:
        break;
    }
    return true;
}

void CSceneSprite::step_pulse()
{
    const float scale = float(AppState.frameScale);
    if (pulseGrowing) {
        pulseVelocity += pulseAcceleration * scale;
        if (pulseVelocity > pulseSpeed) pulseVelocity = pulseSpeed;
    } else {
        pulseVelocity -= pulseAcceleration * scale;
        if (pulseVelocity < -pulseSpeed) pulseVelocity = -pulseSpeed;
    }
    scaleFactor += pulseVelocity * scale;
    const float lower = pulseLowerBound > kPulseFloor ? pulseLowerBound : kPulseFloor;
    if (scaleFactor < lower) pulseGrowing = 1;
    if (scaleFactor < kPulseFloor) scaleFactor = kPulseFloor;
    if (scaleFactor > kPulseTop) pulseGrowing = 0;
    if (scaleFactor > 1.0f) scaleFactor = 1.0f;
    update_scaled_size();
}

void CSceneSprite::step_drag()
{
    if (!dragging) return;
    if (!g_input.stylusDown) {
        dragging = 0;
        return;
    }
    fx += float(g_input.stylusX - dragLastX);
    fy += float(g_input.stylusY - dragLastY);
    dragLastX = g_input.stylusX;
    dragLastY = g_input.stylusY;
}

void CSceneSprite::step_swing()
{
    if (swingAxis != SWING_X && swingAxis != SWING_Y) return;
    const float scale = float(AppState.frameScale);
    approach(&swingVelocity, swingUp ? swingMaxSpeed : -swingMaxSpeed, swingAcceleration * scale);
    float& position = swingAxis == SWING_X ? fx : fy;
    position += swingVelocity * scale;
    if (swingUp && position > swingHigh - swingOffset) swingUp = 0;
    else if (!swingUp && position < swingLow + swingOffset) swingUp = 1;
}

void CSceneSprite::think()
{
    if (pauseWatch && *pauseWatch) return;
    CVisual::think();  // the tint fade
    advance_frame();
    step_move_by();
    if (delayedShrink && shrinkTimer.ready()) {
        delayedShrink = 0;
        shrink_away(shrinkRate > 0.0f ? shrinkRate : kShrinkRateOnMessage);
    }
    if (!step_end_mode()) return;
    step_drag();
    step_swing();
    previousX = x;
    previousY = y;
    set_position_f(fx, fy);
}
