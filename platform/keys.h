// Key codes of the hardware buttons and the default button list the window system hands out.
#pragma once
#include <cstdint>

enum KeyCode : uint32_t {
    KEY_LEFT = 0x25,
    KEY_UP = 0x26,
    KEY_RIGHT = 0x27,
    KEY_DOWN = 0x28,
    KEY_START = 0x0D,
    KEY_A = 0xC3,
    KEY_B = 0xC4,
    KEY_C = 0xC5,
    KEY_EXTRA1 = 0xC1,
    KEY_EXTRA2 = 0xC2,
};

// One button of the default list: its key code and where it sits on the device.
struct KeyListEntry {
    int16_t vkCode = 0;
    int32_t x = 0;
    int32_t y = 0;
};

// The eight logical buttons in the order Up, Down, Left, Right, A, B, C, Start (portrait use).
struct KeyList {
    KeyListEntry keys[8];
};
static_assert(sizeof(KeyList) == 96, "the button list is 96 bytes");

KeyList sys_default_keys();

// The handheld's ten buttons in the order the controls file lists them, with the names that file and the
// --input format use.
struct ButtonName {
    const char* name;
    uint32_t code;
};
extern const ButtonName kButtonNames[10];

// The button a name stands for, in any case; false when no button has that name.
bool button_code_by_name(const char* name, uint32_t* code);
// The name of a button's key code; null when no button has that code.
const char* button_name(uint32_t code);
