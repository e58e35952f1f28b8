// The well-known id table: the slots in which the screens record the ids of the things others look up.
#pragma once
#include <cstdint>

constexpr int kWellKnownIdCount = 19;

// The game screen's slots; the menu screens reuse 0, 1, 7 and 9 for their own buttons.
enum WellKnownSlot : int {
    SLOT_QUIT_BUTTON = 0,
    SLOT_MESSAGE_LINE = 6,
    SLOT_AMBIENT_SOUND = 8,
    SLOT_HERO = 11,
    SLOT_LEVEL_CONTROLLER = 16,
    SLOT_PAUSE_BUTTON = 18,
};

// Thing ids; 0 means none (the lists never hand out 0).
extern uint32_t WellKnownIds[kWellKnownIdCount];

// Every slot to 0 (at each level start).
void clear_well_known_ids();
