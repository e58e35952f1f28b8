// CMeter: a bar picture clipped from the left to a value's share of the range, over an optional back picture.
#pragma once
#include <cstdint>
#include "game/thing.h"

class CSceneSprite;

class CMeter : public CThing {
public:
    // Adds the back picture (when named) and the bar picture at (px, py) screen pixels to list; false
    // when the bar cannot be shown.
    bool create(CThingList* into, const char* backFile, const char* barFile, int px, int py);
    void set_range(float min, float max)
    {
        minimum = min;
        maximum = max;
    }
    // 0: the bar jumps to each value; otherwise it closes this share of the gap per hundredth of a second.
    void set_rate(float r) { rate = r; }
    void set_tint(float r, float g, float b);
    void set_value(float v);
    // The pixel test of both pictures.
    void set_enabled(uint8_t flag);

    CThingList* list = nullptr;  // where its pictures live
    uint32_t backId = 0;
    uint32_t barId = 0;
    float minimum = 0.0f;
    float maximum = 100.0f;
    float current = 50.0f;   // the value (CThing::value stays free for the owner)
    float displayed = 0.0f;  // the fraction of the bar shown
    float rate = 0.0f;

private:
    CSceneSprite* picture_of(uint32_t thingId) const;
};
