// Pickups lying on the playfield until the hero walks over them: the base, health and spell power-ups.
#pragma once
#include <cstdint>

#include "game/actor.h"

// How much one health pickup heals.
constexpr int32_t kHealthPickupAmount = 20;

// The base: an actor that never moves, showing one strip (slot 0 of its set) and answering the pickup
// probe (message 3). The first probe that reaches it while it is alive uses it up; only the hero's
// (well-known slot 11) gets the effect.
class CPickup : public CActor {
public:
    // stripName names the strip (frames load on first use); scratchFactor sizes the scratch pad against
    // the frame (2.5 leaves room for the vanishing growth).
    CPickup(const char* stripName, float scale, float scratchFactor);

    void think() override;
    int32_t message(int32_t code, AttackRecord* record, int32_t value) override;

    // Health and power-ups: at (px, py) playfield pixels, first frame shown, sorted just below its feet.
    void place(int32_t px, int32_t py);

    CStripSet strips;       // only slot 0 is used
    float scratchFactor = 1.0f;
    int32_t state = 0;
    uint8_t vanishing = 0;  // growing toward twice its size, then removed

protected:
    // The hero reached it: play, grow away, change the hero's lot.
    virtual void take_effect(CActor* hero) = 0;
    // Grows toward twice its size and removes itself when it gets there.
    void start_vanish();
    // The strip, its first frame, the frame timer and the scratch pad.
    void show_strip();
};

// Heals the hero by 20 up to its full health; "Found life".
class CHealthPickup : public CPickup {
public:
    CHealthPickup();

protected:
    void take_effect(CActor* hero) override;
};

// A power-up of spell 1..4 that looks like the spell's icon; "Found %s. (%d uses)".
class CPowerUp : public CPickup {
public:
    explicit CPowerUp(int32_t spellNumber);

    int32_t spell = 0;

protected:
    void take_effect(CActor* hero) override;
};

// The text a power-up shows for spell s ("Found Fireball. (15 uses)", "Found Incinerate. (1 use)").
void power_up_message(int32_t s, char* out, int outSize);
