// CSlider: a row of picture buttons lit up to a value within a range (the options screen's volume).
#pragma once
#include <cstdint>
#include "game/thing.h"

class CThingList;

constexpr int kSliderMaxButtons = 12;

class CSlider : public CThing {
public:
    explicit CSlider(CThingList* list);

    void place(int px, int py) { x = px; y = py; }
    // count buttons (1..12) from the slider's position rightwards, each the previous one's x plus its
    // width plus the spacing; the lit picture is their pressed picture, the slider's id their click result.
    // The slider must be in its list already; false (and a log line) otherwise.
    bool create_buttons(const char* normalFile, const char* litFile);
    void set_range(float min, float max, float v);
    // Clamps v to the range and lights every button whose value is not above it.
    void set_value(float v);
    // A tap on one of its buttons: the value becomes that button's.
    void on_button(uint32_t buttonId);
    // The value button i stands for.
    float button_value(int i) const;

    CThingList* list;
    int32_t x = 0;
    int32_t y = 0;
    int32_t spacing = 14;
    int32_t count = 5;
    uint32_t buttons[kSliderMaxButtons] = {};
    float minimum = 0.0f;
    float maximum = 100.0f;
    float current = 0.0f;  // the slider's value (CThing::value stays free for the owner)
    uint8_t buttonPixelTest = 1;
};
