// CSpellBar: the icons of the spells the hero owns along the top, each with its uses left, the selected one framed.
#pragma once
#include <cstdint>
#include "game/spell_table.h"
#include "game/thing.h"

class CSceneSprite;

class CSpellBar : public CThing {
public:
    // Records its id, creates the (hidden) border, shows every owned spell and frames the selected one.
    // Call once the bar is in its list.
    void init();
    void select(int32_t s);
    void refresh_count(int32_t s);
    void refresh_counts();
    // The selected spell ran out: its icon and count shrink away and the lowest owned spell takes over.
    void drop_selected();

    // Top-left of spell s's slot.
    static int slot_x(int32_t s) { return 20 + 52 * (s - 1); }
    static int slot_y() { return 5; }

    uint32_t borderId = 0;
    uint32_t labelIds[kSpellCount] = {};

private:
    // Shows spell s's icon (made when missing) growing in, and moves the border to its slot.
    void show_spell(int32_t s);
    CSceneSprite* sprite(uint32_t thingId) const;
    uint32_t& icon_id(int32_t s);
};
