// CStripSet: naming the directional strips, the mirrors, and loading or releasing them together.
#include "game/actor_strip_set.h"

#include <cstdio>

namespace {

constexpr int kDrawnDirections[5] = {6, 2, 8, 9, 3};

bool valid_slot(int d) { return d >= 0 && d <= 9; }

}  // namespace

void CStripSet::declare_directions(const char* base)
{
    char name[kStripNameSize];
    for (int d : kDrawnDirections) {
        std::snprintf(name, sizeof name, "%s_%d_00", base, d);
        slot[d].set_name(name);
    }
    mirror(4, 6);
    mirror(1, 3);
    mirror(7, 9);
}

void CStripSet::declare(int d, const char* name)
{
    if (valid_slot(d)) slot[d].set_name(name);
}

void CStripSet::mirror(int d, int of)
{
    if (valid_slot(d) && valid_slot(of) && d != of) slot[d].make_mirror(&slot[of]);
}

bool CStripSet::present(int d) const
{
    return valid_slot(d) && (slot[d].mirror || slot[d].frames);
}

void CStripSet::load_all()
{
    for (CGraphicStrip& s : slot) {
        if (!s.mirror && !s.name[0]) continue;
        uint8_t flip = 0;
        s.get_frame(1, &flip);
    }
}

void CStripSet::free_all()
{
    for (CGraphicStrip& s : slot) s.free_frames();
}
