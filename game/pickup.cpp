// Pickups: the probe that uses one up once, the vanishing growth, and the health and power-up effects.
#include "game/pickup.h"

#include <cstdio>

#include "game/game_services.h"
#include "game/level_progress.h"
#include "game/spell_bar.h"
#include "game/spell_table.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "sound/sound_table.h"

namespace {

constexpr uint32_t kPickupFrameMs = 300;
constexpr float kVanishScale = 2.0f;
constexpr float kVanishRate = 0.02f;
constexpr uint32_t kFoundMessageMs = 2000;
constexpr float kRoomToVanish = 2.5f;  // scratch pad against the frame: room to grow to twice the size
constexpr const char* kHealthStrip = "graphics\\misc\\health_2_00";

}  // namespace

CPickup::CPickup(const char* stripName, float scale, float padFactor) : scratchFactor(padFactor)
{
    strips.declare(0, stripName);
    scaleFactor = scale;
    animMode = ANIM_ONCE;
    frameDelay = kPickupFrameMs;
    speed = targetSpeed = 0.0f;
    alive = 1;
}

void CPickup::show_strip()
{
    direction = 0;
    set_strip_set(&strips);
    set_direction_keep_frame(0);
    frameTimer.set_interval(frameDelay);
    alloc_scratch(int(float(width) * scratchFactor), int(float(height) * scratchFactor));
    apply_depth_scale();
}

void CPickup::place(int32_t px, int32_t py)
{
    set_position(px, py);
    show_strip();
    // Drawn over whatever stands just behind it.
    set_sort_key(y + 20);
    set_sort_key(sortKey + 5);
}

void CPickup::start_vanish()
{
    vanishing = 1;
    start_scale_to_target(kVanishScale, kVanishRate);
}

void CPickup::think()
{
    if (scaleMode == SCALE_GROW_IN) {
        step_scale();
    } else if (scaleMode == SCALE_TO_TARGET) {
        if (!step_scale() && vanishing) removeFlag = 1;
    }
    if (frameTimer.ready()) step_animation(animMode);
    move();
}

int32_t CPickup::message(int32_t code, AttackRecord* record, int32_t value)
{
    (void)value;
    if (code != MSG_PICKUP_PROBE || !alive || !pickup_probe_reaches(record)) return 0;
    // Used up at once, so a second probe in the same frame finds nothing.
    alive = 0;
    const uint32_t heroId = WellKnownIds[SLOT_HERO];
    if (heroId && uint32_t(record->source) == heroId && ownerList)
        if (auto* hero = dynamic_cast<CActor*>(ownerList->find_thing(heroId))) take_effect(hero);
    return 1;
}

CHealthPickup::CHealthPickup() : CPickup(kHealthStrip, 0.8f, kRoomToVanish) { animMode = ANIM_PING_PONG; }

void CHealthPickup::take_effect(CActor* hero)
{
    play_sound("sounds\\powerup.wav");
    start_vanish();
    hero->health += kHealthPickupAmount;
    if (hero->health > hero->fullHealth) hero->health = hero->fullHealth;
    show_message("Found life", kFoundMessageMs);
}

CPowerUp::CPowerUp(int32_t spellNumber)
    : CPickup(spell_record(spellNumber) ? spell_record(spellNumber)->icon : "", 1.0f, kRoomToVanish),
      spell(spellNumber)
{
    // The pixel-test flag also keys the picture; an actor is never tapped, so it stays on and the icon's
    // transparent corners stay clear.
}

void CPowerUp::take_effect(CActor* hero)
{
    (void)hero;
    SpellRecord* record = spell_record(spell);
    if (!record || spell == SPELL_NONE) return;
    play_sound("sounds\\powerup.wav");
    start_vanish();
    CSpellBar* bar = nullptr;
    if (ownerList && LevelProgress.spellBarId)
        bar = dynamic_cast<CSpellBar*>(ownerList->find_thing(LevelProgress.spellBarId));
    if (record->usesLeft < 1) {
        // A selected spell that ran dry keeps its shortfall.
        record->usesLeft = record->usesPerPickup + (SelectedSpell == spell ? record->usesLeft : 0);
        if (bar) bar->select(spell);
    } else {
        record->usesLeft += record->usesPerPickup;
        if (bar) bar->refresh_count(spell);
    }
    char text[kSpellTextSize + 32];
    power_up_message(spell, text, sizeof text);
    show_message(text, kFoundMessageMs);
}

void power_up_message(int32_t s, char* out, int outSize)
{
    const SpellRecord* record = spell_record(s);
    if (!out || outSize < 1) return;
    if (!record) {
        out[0] = '\0';
        return;
    }
    const char* format = record->usesPerPickup < 2 ? "Found %s. (%d use)" : "Found %s. (%d uses)";
    std::snprintf(out, size_t(outSize), format, record->name, int(record->usesPerPickup));
}
