// The spell table: each spell's name, icon strip, uses granted by a power-up and uses the hero has left.
#pragma once
#include <cstdint>

constexpr int kSpellCount = 5;  // 0 "None", then the four the hero can own
constexpr int kSpellTextSize = 256;

struct SpellRecord {
    char icon[kSpellTextSize];   // animation strip of the spell bar's icon; empty for "None"
    char name[kSpellTextSize];
    int32_t usesPerPickup;
    int32_t usesLeft;
};

enum SpellNumber : int32_t {
    SPELL_NONE = 0,
    SPELL_FIREBALL = 1,
    SPELL_SUPER_FIREBALL = 2,
    SPELL_LIGHTNING = 3,
    SPELL_INCINERATE = 4,
    SPELL_MONSTER_FIREBALL = 100,  // cast by monsters only; not in the table
};

extern SpellRecord SpellTable[kSpellCount];
// The spell the hero casts, and the one the spell bar frames.
extern int32_t SelectedSpell;

// A level chosen from the level select starts afresh: no uses of anything, but a power-up's worth of
// fireballs, selected.
void reset_spell_table();
// The record of spell s, or null outside 0..4.
SpellRecord* spell_record(int32_t s);
