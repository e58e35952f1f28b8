// CProjectile and its kinds: everything that flies — fireballs, super fireballs, lightning bolts (and the dragon fly).
#pragma once
#include <cstdint>

#include "game/actor.h"
#include "util/timer.h"

constexpr uint32_t kProjectileLifeMs = 10000;
constexpr float kProjectileStartHeight = 60.0f;

// Shadow pictures a projectile can carry.
extern const char* const kShadowSmall;  // "graphics\misc\shadow_small.tga"
extern const char* const kShadowBig;    // "graphics\misc\shadow_big.tga"

class CProjectile : public CActor {
public:
    // Loops its one strip (slot 5 of a strip set) from frame 1 every 100 ms, 60 above the ground.
    CProjectile();

    // Base flight: unless paused, the animation on its timer, one flight step, depth scale, the shadow.
    void think() override;

    // Stores the heading; one whose integer part is outside 0..6 is logged and used all the same.
    void set_heading(float radians);
    // One flight step along the heading: depth-scaled, foreshortened vertically, no walls, no wrap;
    // then the rise and fall under gravity (the height never goes below 0).
    void fly();
    // Shows the strip set's slot-5 strip (slot 6 for the dragon fly) and sizes the scratch pad to it.
    void use_strips(CStripSet* set, int slot);
    // A shadow picture under the projectile, kept at its ground position and scale; call once in a list.
    void attach_shadow(const char* file);
    // Sets this projectile's remove flag and its shadow's.
    void remove_self();
    // The paused byte to watch (the level progress record's by default).
    void watch_pause(const uint8_t* pauseByte) { pause = pauseByte; }
    bool paused() const { return pause && *pause; }
    // The explosion this kind shows when it ends (none for the base), before remove_self.
    virtual void explode() {}
    // Ends the flight: an explosion when it ends on screen; 50 pixels of grace below the playfield
    // rectangle's bottom keep it flying; further down it goes without one. False while it keeps flying.
    bool finish();

    CTimer lifeTimer;          // 10000 ms
    float heading = 0.0f;      // radians, y downward
    int32_t casterId = -1;     // the owner: never hurt by its own projectile
    float verticalSpeed = 0.0f;
    float gravity = 0.0f;
    uint32_t shadowId = 0;
    const uint8_t* pause = nullptr;

protected:
    // The flight of the spells: it ends after a hit, off the ground or when its time is up; otherwise
    // strike_step, then one flight step.
    void striking_think();
    // This kind's blow for the frame; false when the flight ended here.
    virtual bool strike_step() { return true; }
    void move_shadow();
    // Over walkable ground (the playfield's test), the common condition to keep flying.
    bool over_ground() const;
};

// Rises and falls back, burns everything it touches on the way down (5 a frame), bursts on landing.
class CFireball : public CProjectile {
public:
    CFireball();
    void think() override { striking_think(); }
    void explode() override;

protected:
    bool strike_step() override;
};

// Flies level and strikes hard (50 in a wide circle) until it hits something.
class CSuperFireball : public CProjectile {
public:
    CSuperFireball();
    void think() override { striking_think(); }
    void explode() override;

protected:
    bool strike_step() override;
};

// Fast, narrow, 10 a frame, with a blue burst.
class CLightningBolt : public CProjectile {
public:
    CLightningBolt();
    void think() override { striking_think(); }
    void explode() override;

protected:
    bool strike_step() override;
};

// Projectile strips (slot 5) and the dragon fly's (slot 6), named at start-up.
extern CStripSet FireballStrips;
extern CStripSet SuperFireballStrips;
extern CStripSet LightningStrips;
extern CStripSet DragonFlyStrips;

// Names the projectile and dragon fly strips (the loading step); frames load on first use.
void name_projectile_strips();
