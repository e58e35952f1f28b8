// Casting: one entry for every spell the hero or a monster can cast, and Incinerate's burn of the whole view.
#pragma once
#include <cstdint>

#include "game/spell_table.h"

class CActor;

// Casts spell 0..4 or 100 (the monsters' slow fireball) from the caster along heading (radians, y down).
// The projectile is added to the caster's list with the caster as its owner. When the caster is the hero
// (kind 50), one use of the spell is spent and the spell bar refreshes its count or drops the spell.
void cast_spell(CActor* caster, float heading, int32_t spell);

// Spell 4: every monster other than the caster on screen (the view widened by 30 each side) takes 50 and
// bursts into flame; the playfield shakes.
void incinerate(CActor* caster);
