// The input state: hardware buttons and the stylus, as the frame routines read them.
#pragma once
#include <cstdint>
#include "platform/keys.h"

struct KeyState {
    uint8_t pressed = 0;  // a new press, until the edges are consumed
    uint8_t held = 0;     // the button is down
    uint8_t armed = 1;    // the button is up: the next key-down counts as a press
};

enum Button { BTN_UP, BTN_DOWN, BTN_LEFT, BTN_RIGHT, BTN_A, BTN_B, BTN_C, BTN_START, BTN_EXTRA1, BTN_EXTRA2, BTN_COUNT };

constexpr int kStylusNone = -99999;

struct InputState {
    int32_t stylusX = 0;
    int32_t stylusY = 0;
    int32_t previousX = kStylusNone;
    int32_t previousY = kStylusNone;
    uint8_t stylusDown = 0;
    uint8_t tap = 0;
    KeyState keys[BTN_COUNT];
    KeyList keyList;

    void on_key_down(uint32_t code);
    void on_key_up(uint32_t code);
    void on_stylus_move(uint32_t lParam);
    void on_stylus_down(uint32_t lParam);
    void on_stylus_up();
    void consume_edges();
    // The code of a button: the key list's for the eight, fixed for the two extras.
    uint32_t code_of(int button) const;
};

extern InputState g_input;
