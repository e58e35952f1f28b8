// The default button list: arrows, Z, X, C and Enter stand for the handheld's buttons.
#include "platform/keys.h"

KeyList sys_default_keys()
{
    KeyList list;
    const uint32_t codes[8] = {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_A, KEY_B, KEY_C, KEY_START};
    for (int i = 0; i < 8; i++) list.keys[i].vkCode = int16_t(codes[i]);
    return list;
}
