// The input state: hardware buttons and the stylus, as the frame routines read them.
#include "app/input.h"

uint32_t InputState::code_of(int button) const
{
    if (button == BTN_EXTRA1) return KEY_EXTRA1;
    if (button == BTN_EXTRA2) return KEY_EXTRA2;
    return uint32_t(uint16_t(keyList.keys[button].vkCode));
}

void InputState::on_key_down(uint32_t code)
{
    for (int i = 0; i < BTN_COUNT; i++) {
        if (code_of(i) != code) continue;
        keys[i].held = 1;
        // Auto-repeat sends more key-downs; only the first after a release is a press.
        if (keys[i].armed) {
            keys[i].pressed = 1;
            keys[i].armed = 0;
        }
    }
}

void InputState::on_key_up(uint32_t code)
{
    for (int i = 0; i < BTN_COUNT; i++) {
        if (code_of(i) != code) continue;
        keys[i].armed = 1;
        keys[i].held = 0;
    }
}

void InputState::on_stylus_move(uint32_t lParam)
{
    previousX = stylusX;
    previousY = stylusY;
    stylusX = int32_t(lParam & 0xFFFF);
    int32_t y = int32_t(lParam >> 16);
    // A point above the top edge arrives as a large unsigned number.
    stylusY = y >= 1001 ? 0 : y;
}

void InputState::on_stylus_down(uint32_t lParam)
{
    on_stylus_move(lParam);
    stylusDown = 1;
    tap = 1;
}

void InputState::on_stylus_up() { stylusDown = 0; }

void InputState::consume_edges()
{
    tap = 0;
    if (!stylusDown) {
        stylusX = stylusY = kStylusNone;
        previousX = previousY = kStylusNone;
    }
    for (auto& k : keys) k.pressed = 0;
}
