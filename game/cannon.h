// CCannon: a scenery hazard that fires now and then from one or two emplacements at where the hero stood.
#pragma once
#include <cstdint>

#include "game/scene_sprite.h"
#include "graphics/graphic_strip.h"
#include "util/timer.h"

class CThingList;
struct SpriteTemplate;

class CCannon : public CSceneSprite {
public:
    // firing: the first emplacement's firing strip at (px, py); secondName with (x2, y2): a second one
    // (an empty name: only one); frameDelay: ms between firing frames.
    CCannon(const char* firing, int px, int py, const char* secondName, int x2, int y2, int32_t frameDelay);

    // Every 8000..10999 ms a shot from the next emplacement; the whistle 1400 ms later; the impact 5600 ms
    // after that: five bursts round the aim point, an area attack of 40 in a circle of 80 that hurts the
    // hero and monsters alike, and a shake. While the game is paused the whole cycle holds still.
    void think() override;

    void fire();
    void impact();

    CGraphicStrip strips[2];
    int32_t emplacementX[2] = {};
    int32_t emplacementY[2] = {};
    int32_t emplacements = 1;
    int32_t current = 0;        // the emplacement that fires next
    uint32_t firingDelay = 90;
    int32_t phase = 0;          // 0 waiting to fire, 1 in flight before the whistle, 2 whistling
    CTimer fireTimer;
    CTimer flightTimer;
    int32_t aimX = 0;
    int32_t aimY = 0;
    const uint8_t* pause = nullptr;
    uint8_t held = 0;           // paused since heldSince (frame clock)
    uint32_t heldSince = 0;
};

// What a shell on its way threatens: the point it comes down on and its blast radius at 100 % scale.
struct CannonThreat {
    int32_t x = 0;
    int32_t y = 0;
    int32_t radius = 0;
};
// True, with the threat, when thing is a cannon whose shell is on its way.
bool cannon_threat(const CThing* thing, CannonThreat* out);

// The level script's cannon sprite: builds the cannon the template describes, adds it to list, sets its
// orientation, playfield placement and sort key. The new id, or -1.
int32_t create_cannon(const SpriteTemplate& sprite, CThingList& list);
