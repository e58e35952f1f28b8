// The handheld's buttons: their names, and the default list where arrows, Z, X, C and Enter stand for them.
#include "platform/keys.h"
#include "util/strings.h"

const ButtonName kButtonNames[10] = {
    {"up", KEY_UP}, {"down", KEY_DOWN}, {"left", KEY_LEFT}, {"right", KEY_RIGHT}, {"a", KEY_A},
    {"b", KEY_B}, {"c", KEY_C}, {"start", KEY_START}, {"extra1", KEY_EXTRA1}, {"extra2", KEY_EXTRA2},
};

bool button_code_by_name(const char* name, uint32_t* code)
{
    for (const auto& b : kButtonNames)
        if (same_ignoring_case(name, b.name)) {
            *code = b.code;
            return true;
        }
    return false;
}

const char* button_name(uint32_t code)
{
    for (const auto& b : kButtonNames)
        if (b.code == code) return b.name;
    return nullptr;
}

KeyList sys_default_keys()
{
    KeyList list;
    const uint32_t codes[8] = {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_A, KEY_B, KEY_C, KEY_START};
    for (int i = 0; i < 8; i++) list.keys[i].vkCode = int16_t(codes[i]);
    return list;
}
