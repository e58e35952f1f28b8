// CSceneSprite: a picture or animation strip that can move by, swing, pulse, grow in, shrink away, expire or be dragged.
#pragma once
#include <cstdint>
#include "game/animation_mode.h"
#include "game/visual.h"
#include "util/timer.h"

class CGraphicStrip;

// Makes frame n of the strip the sprite's picture (borrowed: never written or freed through the sprite),
// freeing a picture the sprite owned. False, leaving the sprite as it was, when the frame cannot be had.
bool show_strip_frame(CVisual& sprite, CGraphicStrip& strip, int n);

enum SceneEndMode : int32_t {
    END_NONE = 0,
    END_EXPIRE = 1,   // removed when the lifetime timer ends
    END_SHRINK = 2,   // scale factor falls; removed below 0.1
    END_GROW = 3,     // scale factor rises from 0.01 to 1.0, then the mode ends
    END_PULSE = 4,
};

enum SwingAxis : int32_t {
    SWING_NONE = -1,
    SWING_X = 0,
    SWING_Y = 1,
};

class CSceneSprite : public CVisual {
public:
    CSceneSprite();
    ~CSceneSprite() override;

    void think() override;
    int32_t message(int32_t code, AttackRecord* record, int32_t value) override;

    // Places the sprite and loads the picture file (an empty name loads nothing).
    bool show_picture(int px, int py, const char* file);
    // Plays a strip of its own, loaded from the file's frames, looping from frame 1.
    bool animate(int px, int py, const char* stripName, uint32_t frameDelayMs);
    // Plays a borrowed strip once from frame 1, then hides.
    bool play_strip(CGraphicStrip* borrowed, uint32_t frameDelayMs);

    void expire_after(uint32_t ms);
    void shrink_after(uint32_t ms);
    void shrink_away(float rate);
    void grow_in(float rate);
    void pulse(float speed, float acceleration, float lowerBound);
    // Swings along an axis between low and high, the velocity easing toward +-maxSpeed.
    void swing(int32_t axis, float low, float high, float acceleration, float maxSpeed, float startSpeed);
    void set_speed(float s) { moveSpeed = s; }
    // Moves by (dx, dy) in all at moveSpeed, then stops.
    void move_by(float dx, float dy);
    void set_draggable(uint8_t flag) { draggable = flag; }
    void watch_pause(const uint8_t* pauseByte) { pauseWatch = pauseByte; }

    // Sets both the integer and the float position.
    void place_at(int px, int py);
    // Shows frame n of the current strip (borrowed pixels).
    bool show_frame(int n);

    // End modes.
    int32_t endMode = END_NONE;
    float shrinkRate = 0.0f;   // also the grow rate
    CTimer lifeTimer;
    uint8_t delayedShrink = 0;
    CTimer shrinkTimer;

    // Move-by.
    float moveSpeed = 0.02f;
    float moveRemainX = 0.0f;
    float moveRemainY = 0.0f;

    // Frame animation.
    CGraphicStrip* strip = nullptr;
    int32_t frame = 1;
    uint8_t animating = 0;
    CTimer frameTimer;
    uint32_t frameDelay = 0;
    int32_t animMode = ANIM_LOOP;
    uint8_t animBackward = 0;   // ping-pong: on the way back to frame 1
    uint8_t stripBorrowed = 0;  // a borrowed strip is never freed here

    // Swing.
    int32_t swingAxis = SWING_NONE;
    float swingVelocity = 0.0f;
    float swingAcceleration = 0.0f;
    float swingMaxSpeed = 0.0f;
    float swingLow = 0.0f;
    float swingHigh = 0.0f;
    float swingOffset = 0.0f;   // how far short of each bound it turns, so it comes to rest near the bound
    uint8_t swingUp = 1;        // heading toward the high bound

    // Pulse.
    uint8_t pulseGrowing = 0;
    float pulseSpeed = 0.0f;
    float pulseAcceleration = 0.0f;
    float pulseVelocity = 0.0f;
    float pulseLowerBound = 0.0f;

    uint8_t draggable = 0;
    uint8_t dragging = 0;
    uint8_t protectedFlag = 0;  // ignores the shrink-away message
    uint8_t raiseOnTap = 0;
    const uint8_t* pauseWatch = nullptr;
    int32_t previousX = 0;
    int32_t previousY = 0;

protected:
    void free_strip();
    // The scratch pad at the picture's size, for the modes that draw scaled.
    bool ensure_scratch();
    void advance_frame();
    void step_move_by();
    // false when the sprite removed itself.
    bool step_end_mode();
    void step_pulse();
    void step_drag();
    void step_swing();

private:
    int32_t dragLastX = 0;
    int32_t dragLastY = 0;
};
