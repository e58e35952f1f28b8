// CExplosion and CShadow: a burst played once through the explosion strip, and the shadow under a projectile.
#pragma once
#include <cstdint>

#include "game/visual.h"
#include "util/timer.h"

class CGraphicStrip;
class CThingList;

enum ExplosionVariant : int32_t {
    EXPLOSION_FIRE = 0,       // "sounds\explosion.wav"
    EXPLOSION_LIGHTNING = 1,  // blue, "sounds\lightning_hit.wav"
};

class CExplosion : public CVisual {
public:
    // Centred, scale 100, the first frame of the explosion strip shown.
    CExplosion();
    // Every 40 ms (unless paused) the next frame; removes itself after the last.
    void think() override;
    // The tint and the sound of the variant.
    void start(int32_t variant);

    int32_t frame = 1;
    CTimer frameTimer;
    const uint8_t* pause = nullptr;

private:
    void show_frame();
};

// Adds a burst to list at (x, y) with its feet there, at the scale percent, sorted just above sortBelow,
// and starts it. The new explosion, or null.
CExplosion* spawn_explosion(CThingList* list, int32_t x, int32_t y, int32_t scalePercent, int32_t sortBelow,
                            int32_t variant);

// A shadow picture drawn through the scratch pad, lifted by 6, placed and scaled by its projectile.
class CShadow : public CVisual {
public:
    explicit CShadow(const char* file);
    void think() override {}
    // Ground position and scale percent of the thing above it; drawn just beneath it.
    void follow(int32_t groundX, int32_t groundY, int32_t percent, int32_t aboveSortKey);
};

// The frames of "graphics\explosion\explod", named at start-up.
extern CGraphicStrip ExplosionStrip;
