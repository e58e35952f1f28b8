// CSpellBar: builds, reselects and drops the spell icons and redraws their counters.
#include "game/spell_bar.h"
#include <cstdio>
#include "game/hud_files.h"
#include "game/level_progress.h"
#include "game/scene_sprite.h"
#include "game/thing_list.h"
#include "graphics/font_rast.h"

namespace {
constexpr int kIconOffsetX = 19, kIconOffsetY = 17;
constexpr int kLabelOffsetX = 19, kLabelOffsetY = 47;
constexpr int kLabelWidth = 32, kLabelHeight = 26;
constexpr uint32_t kIconFrameMs = 1000;
constexpr float kIconScaleRate = 0.04f;

bool owned(int32_t s)
{
    const SpellRecord* spell = spell_record(s);
    return s >= SPELL_FIREBALL && spell && spell->usesLeft >= 1;
}
}  // namespace

CSceneSprite* CSpellBar::sprite(uint32_t thingId) const
{
    if (!thingId || !ownerList) return nullptr;
    return dynamic_cast<CSceneSprite*>(ownerList->find_thing(thingId));
}

uint32_t& CSpellBar::icon_id(int32_t s) { return LevelProgress.spellIconIds[s]; }

void CSpellBar::init()
{
    if (!ownerList) return;
    LevelProgress.spellBarId = id;
    auto* border = new CSceneSprite;
    border->anchorMode = ANCHOR_TOP_LEFT;
    border->hitTestable = 0;
    border->show_picture(slot_x(SPELL_FIREBALL), slot_y(), kSpellBorderPicture);
    border->visible = 0;
    borderId = ownerList->adopt(border);
    for (int32_t s = SPELL_FIREBALL; s < kSpellCount; s++)
        if (owned(s)) show_spell(s);
    if (owned(SelectedSpell))
        show_spell(SelectedSpell);
    else if (CSceneSprite* b = sprite(borderId))
        b->visible = 0;
    refresh_counts();
}

void CSpellBar::select(int32_t s)
{
    if (s < SPELL_FIREBALL || s >= kSpellCount) return;
    SelectedSpell = s;
    show_spell(s);
    refresh_counts();
}

void CSpellBar::show_spell(int32_t s)
{
    if (!ownerList || s < SPELL_FIREBALL || s >= kSpellCount) return;
    const int ix = slot_x(s) + kIconOffsetX, iy = slot_y() + kIconOffsetY;
    if (CSceneSprite* icon = sprite(icon_id(s))) {
        icon->animate(ix, iy, SpellTable[s].icon, kIconFrameMs);
        icon->grow_in(kIconScaleRate);
    } else {
        auto* fresh = new CSceneSprite;
        // A tap anywhere on the icon counts; the picture is still drawn keyed (the pixel-test flag is also
        // the blit's key flag, and clearing it would paint the icon's transparent corners).
        fresh->rectOnly = 1;
        fresh->animate(ix, iy, SpellTable[s].icon, kIconFrameMs);
        fresh->grow_in(kIconScaleRate);
        icon_id(s) = ownerList->adopt(fresh);
    }
    if (CSceneSprite* border = sprite(borderId)) {
        border->place_at(slot_x(s), slot_y());
        border->visible = 1;
    }
}

void CSpellBar::refresh_counts()
{
    for (int32_t s = SPELL_FIREBALL; s < kSpellCount; s++) refresh_count(s);
}

void CSpellBar::refresh_count(int32_t s)
{
    if (!ownerList || s < SPELL_FIREBALL || s >= kSpellCount || !sprite(icon_id(s))) return;
    CSceneSprite* label = sprite(labelIds[s]);
    if (!label) {
        label = new CSceneSprite;
        label->hitTestable = 0;
        label->place_at(slot_x(s) + kLabelOffsetX, slot_y() + kLabelOffsetY);
        label->create_picture(kLabelWidth, kLabelHeight, 0);
        labelIds[s] = ownerList->adopt(label);
        if (!labelIds[s]) return;  // the list could not take it, and it is gone
    }
    if (!label->picture) return;
    label->fill_picture(0);
    char text[16];
    std::snprintf(text, sizeof text, "%d", int(SpellTable[s].usesLeft));
    TextStyle.set_font(16, "Arial", 0, 0, 1, 0);
    TextStyle.set_text_colour(0xFFFFFF);
    label->print_centered(0, 0, text);
}

void CSpellBar::drop_selected()
{
    const int32_t s = SelectedSpell;
    if (s >= SPELL_FIREBALL && s < kSpellCount) {
        if (CSceneSprite* icon = sprite(icon_id(s))) icon->shrink_away(kIconScaleRate);
        if (CSceneSprite* label = sprite(labelIds[s])) label->shrink_away(kIconScaleRate);
        icon_id(s) = 0;
        labelIds[s] = 0;
    }
    int32_t next = SPELL_NONE;
    for (int32_t k = SPELL_FIREBALL; k < kSpellCount && next == SPELL_NONE; k++)
        if (owned(k)) next = k;
    SelectedSpell = next;
    if (next != SPELL_NONE)
        show_spell(next);
    else if (CSceneSprite* border = sprite(borderId))
        border->visible = 0;
    refresh_counts();
}
