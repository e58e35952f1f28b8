// CVisual: the sprite base — position, picture and scratch pad, anchor, depth scale, tint and drawing.
#pragma once
#include <cstdint>
#include "game/thing.h"
#include "util/numeric.h"
#include "util/timer.h"

constexpr int kVisualFileNameSize = 256;

enum AnchorMode : int32_t {
    ANCHOR_TOP_LEFT = 0,
    ANCHOR_CENTRE = 1,
    ANCHOR_FEET = 2,  // bottom-centre
};

enum ScaleMode : int32_t {
    SCALE_NONE = 0,
    SCALE_GROW_IN = 1,
    SCALE_TO_TARGET = 2,
};

class CVisual : public CThing {
public:
    CVisual();
    ~CVisual() override;

    void draw() override;

    // Picture operations.
    bool load_picture();  // from fileName
    bool create_picture(int w, int h, int32_t colour);  // colour -1: leave unfilled
    void fill_picture(uint16_t colour);
    bool print_centered(int x, int y, const char* text);
    bool print_left(int x, int y, const char* text);
    bool alloc_scratch(int w, int h);
    void refresh_scratch();
    void draw_picture();

    // The scaled size from width, height, scale percent and scale factor.
    void update_scaled_size();
    // The drawing rectangle's top-left corner from the anchor (before any lift).
    int draw_left() const;
    int draw_top() const;

    int32_t width = 0;   // picture size as loaded
    int32_t height = 0;
    int32_t x = 0;       // anchor point, world or screen pixels
    int32_t y = 0;
    float fx = 0.0f;     // the same point, for movement
    float fy = 0.0f;
    float heightAboveGround = 0.0f;  // pixels at 100 %; drawing lifts the picture by scale% of it
    int32_t scaleMode = SCALE_NONE;
    float scaleProgress = 0.0f;      // grow-in progress, or the scale-to-target target
    float scaleRate = 0.0f;
    char fileName[kVisualFileNameSize] = {};
    uint8_t pictureOwner = 0;
    uint8_t visible = 1;
    uint8_t created = 0;        // the picture was made blank by create_picture
    uint8_t flip = 0;           // the current frame comes from a mirror strip: draw it flipped
    uint8_t scratchFrozen = 0;  // draw the scratch pad as it stands, never rescale it
    uint16_t* picture = nullptr;
    uint16_t* scratch = nullptr;
    int32_t scratchWidth = 0;   // the pad's capacity
    int32_t scratchHeight = 0;
    int32_t scaledWidth = 0;    // the part of the pad in use
    int32_t scaledHeight = 0;
    uint8_t useScratch = 1;
    uint8_t pixelTest = 1;      // a tap must land on a non-key pixel; also the blit's colour-keyed flag
    uint8_t hitTestable = 1;
    uint8_t rectOnly = 0;
    int32_t anchorMode = ANCHOR_TOP_LEFT;
    Rect sourceRect;            // the visible part of the picture
    uint8_t useSourceRect = 0;
    uint8_t screenSpace = 0;
    Rect clipRect;
    float tintRed = 0.0f;       // current offsets
    float tintGreen = 0.0f;
    float tintBlue = 0.0f;
    float tintTargetRed = 0.0f;
    float tintTargetGreen = 0.0f;
    float tintTargetBlue = 0.0f;
    float tintReleaseRed = 0.0f;  // where the offsets go after the hold (0 unless set)
    float tintReleaseGreen = 0.0f;
    float tintReleaseBlue = 0.0f;
    CTimer tintHoldTimer;
    uint32_t tintHoldPeriod = 0;
    float tintInRate = 0.0f;
    float tintOutRate = 0.0f;
    uint8_t tintActive = 0;
    int32_t scalePercent = 100;
    float scaleFactor = 1.0f;

    // ---- Placement, depth scale, scale animation, tint fade and the tap test ----
    // (visual_placement.cpp, visual_effects.cpp, visual_hit_test.cpp)
    void think() override;  // the tint fade
    // The tap point is in world pixels; a screen-space thing converts it back. A picture straddling
    // the wrap seam is tried again one playfield width to the right.
    bool contains_point(int32_t px, int32_t py) override;

    void set_position(int32_t px, int32_t py);  // the floats follow
    void set_position_f(float px, float py);    // the integers are the truncated floats
    // sqrt(dx^2 + (dy * vertical factor)^2), truncated; -1 and a log line when no thing has the id.
    int32_t Getdistance(uint32_t otherId) const;
    int32_t Getdistance(const CVisual* other) const;
    // Heading in radians from here to the thing; 0 and a log line when no thing has the id.
    float get_angle_to_handle(uint32_t otherId) const;
    void set_scale_percent(int32_t percent);
    // Scale percent from y across the depth band (clamped to 1..100); the sort key becomes y.
    void apply_depth_scale();
    // Rise out of the ground: the visible part grows from the feet up.
    void start_grow_in();
    void start_scale_to_target(float target, float rate);
    // One step of the running scale animation; true while it is still under way.
    bool step_scale();
    // Offsets at once, no fade.
    void set_tint(float red, float green, float blue);
    // Toward the offsets at inRate, hold holdMs, then back to the release offsets at outRate.
    void fade_tint(float red, float green, float blue, float inRate, uint32_t holdMs, float outRate);
    void set_tint_release(float red, float green, float blue);
    void step_tint();
    // Above the playfield rectangle's bottom and within the view widened by margin on each side.
    bool is_on_screen(int32_t margin) const;
    // ---- end of placement block ----

private:
    void free_owned_picture();
};

// A picture side drawn at a scale percent and a scale factor: the size its part of the scratch pad takes.
inline int32_t scaled_side(int32_t side, int32_t percent, float factor)
{
    return int32_t(float(side * percent / 100) * factor);
}
