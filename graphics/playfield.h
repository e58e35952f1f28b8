// The playfield: the wrapping level background, the view onto it, its limits, hard boxes and the shake.
#pragma once
#include <cstdint>
#include "util/numeric.h"
#include "util/timer.h"

struct HardBox {
    Rect rect;
    int32_t value;  // non-zero: walkable
};

class CPlayfield {
public:
    CPlayfield();
    ~CPlayfield();
    CPlayfield(const CPlayfield&) = delete;
    CPlayfield& operator=(const CPlayfield&) = delete;

    // Loads the background (its size becomes the playfield's) and centres the view; draws nothing.
    bool load_background(const char* name);
    void free_background();

    void set_playfield_rect(const Rect& rect);
    const Rect* get_playfield_rect() const;  // null until set
    bool playfield_rect_set() const { return rectSet != 0; }
    // Strictly inside the playfield rectangle, unless a hard box says otherwise (the last one holding
    // the point decides).
    bool is_walkable(int x, int y);
    void add_hard_box(const Rect& rect, int32_t value);
    void clear_hard_boxes();

    // Moves the view (x wraps once either way, y stays within the background); true when it changed.
    bool set_view(float x, float y);
    bool scroll_to(float x, float y, uint16_t* target);
    bool scroll_by(int dx, int dy, uint16_t* target);
    bool scroll_by(float dx, float dy, uint16_t* target);
    void request_redraw(uint8_t flag) { redrawRequested = flag; }
    // The shake step, then the background when a redraw was asked for.
    void update(uint16_t* target);
    // The visible part of the background into a screenWidth-wide buffer, with the copy past the seam.
    void draw_background(uint16_t* target);
    void start_shake(int amplitude, uint32_t durationMs, uint32_t intervalMs);

    int screen_to_world_x(int x) const;
    int screen_to_world_y(int y) const;
    int world_to_screen_x(int x) const;
    int world_to_screen_y(int y) const;

    float viewX = 0.0f;
    float viewY = 0.0f;
    int32_t width = 640;
    int32_t height = 240;
    int32_t fieldStart = 163;  // the depth band: far line = height - fieldStart
    int32_t fieldEnd = 77;     // near line = height - fieldEnd
    Rect playfieldRect;
    char backgroundName[256] = {};
    Rect viewRect;
    float scaleMod = 1.0f;
    float verticalDistance = 1.0f;
    uint8_t rectSet = 0;
    CTimer shakeDuration;
    uint8_t shakeActive = 0;
    int32_t shakeAmplitude = 0;
    CTimer shakeInterval;
    uint8_t redrawRequested = 0;
    int32_t hardBoxCount = 0;
    HardBox* hardBoxes = nullptr;
    uint16_t* pixels = nullptr;
    uint8_t seamVisible = 0;  // screen columns from seamX rightwards show the playfield's start
    int32_t seamX = 0;

private:
    // One copy of the background with its left edge at screen column sx; false when none of it shows.
    bool copy_background(int sx, int sy, uint16_t* target, int* clippedX);
};

// Moves *value toward target by step without passing it; true once it is there.
bool approach(float* value, float target, float step);

extern CPlayfield Playfield;
