// CStripSet: one animation strip per compass direction, the left-facing ones mirrored from the right.
#pragma once
#include "graphics/graphic_strip.h"

// Slots are indexed by keypad direction. Only 6, 2, 8, 9 and 3 are drawn; 4, 1 and 7 mirror 6, 3 and 9.
// Slots 0 and 5 stay empty, except that a one-strip thing (a projectile) keeps its strip in slot 5.
struct CStripSet {
    CGraphicStrip slot[10];

    // Names the five drawn directions base + "_" + d + "_00" (base "graphics\wolf\wolf_walk" gives
    // "graphics\wolf\wolf_walk_6_00" ...) and makes 4, 1 and 7 their mirrors. Frames load on first use.
    void declare_directions(const char* base);
    // One strip in one slot by its full base name ("graphics\wolf\wolf_death_2_00").
    void declare(int d, const char* name);
    void mirror(int d, int of);
    // The slot is a mirror or has its frames in memory.
    bool present(int d) const;
    // Touches frame 1 of every named or mirrored slot, so the frames are in memory before play.
    void load_all();
    void free_all();
};
