// The spell table's contents and its reset for a level chosen from the level select.
#include "game/spell_table.h"

SpellRecord SpellTable[kSpellCount] = {
    {"", "None", 0, 0},
    {"graphics\\misc\\icon_fire", "Fireball", 15, 0},
    {"graphics\\misc\\icon_big_fire", "Super fireball", 5, 0},
    {"graphics\\misc\\icon_lightning", "Lightning", 10, 0},
    {"graphics\\misc\\icon_abomb", "Incinerate", 1, 0},
};

int32_t SelectedSpell = SPELL_FIREBALL;

void reset_spell_table()
{
    for (SpellRecord& spell : SpellTable) spell.usesLeft = 0;
    SelectedSpell = SPELL_FIREBALL;
    SpellTable[SPELL_FIREBALL].usesLeft = SpellTable[SPELL_FIREBALL].usesPerPickup;
}

SpellRecord* spell_record(int32_t s)
{
    if (s < 0 || s >= kSpellCount) return nullptr;
    return &SpellTable[s];
}
