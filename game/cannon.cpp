// CCannon: the firing cycle of a scenery cannon — the shot, the whistle and the impact where the hero stood.
#include "game/cannon.h"

#include "app/app_state.h"
#include "game/attack.h"
#include "game/explosion.h"
#include "game/level_progress.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "graphics/playfield.h"
#include "level/level_scan.h"
#include "level/level_script.h"
#include "sound/sound_table.h"
#include "util/numeric.h"

namespace {

constexpr uint32_t kWhistleAfterMs = 1400;
constexpr uint32_t kImpactAfterMs = 5600;
constexpr int32_t kImpactRadius = 80;
constexpr int32_t kImpactDamage = 40;
constexpr int32_t kImpactAbove = 25;  // the blast centres this far above where the hero stood

enum CannonPhase : int32_t { WAITING = 0, IN_FLIGHT = 1, WHISTLING = 2 };

uint32_t next_shot_ms() { return uint32_t(random_range(8000, 11000)); }

// The depth scale a walker standing at y would have.
int32_t scale_at(int32_t y)
{
    CVisual probe;
    probe.set_position(0, y);
    probe.apply_depth_scale();
    return probe.scalePercent;
}

}  // namespace

CCannon::CCannon(const char* firing, int px, int py, const char* secondName, int x2, int y2, int32_t frameDelay)
{
    strips[0].set_name(firing);
    emplacementX[0] = px;
    emplacementY[0] = py;
    if (secondName && secondName[0]) {
        strips[1].set_name(secondName);
        emplacementX[1] = x2;
        emplacementY[1] = y2;
        emplacements = 2;
    }
    firingDelay = frameDelay > 0 ? uint32_t(frameDelay) : 0;
    pause = &LevelProgress.paused;
    hitTestable = 0;
    place_at(px, py);
    // At rest it shows the first emplacement's first frame.
    strip = &strips[0];
    stripBorrowed = 1;
    show_frame(1);
    fireTimer.set_interval(next_shot_ms());
}

void CCannon::think()
{
    if (pause && *pause) {
        if (!held) {
            held = 1;
            heldSince = AppState.frameTime;
        }
        return;
    }
    if (held) {
        // The pause is not part of the cycle: what was left of the wait, or of the shell's flight, is
        // still left, so a shell never lands the moment play resumes without its warning.
        const uint32_t pausedFor = AppState.frameTime - heldSince;
        fireTimer.start += pausedFor;
        flightTimer.start += pausedFor;
        held = 0;
    }
    switch (phase) {
    case WAITING:
        if (fireTimer.ready()) fire();
        break;
    case IN_FLIGHT:
        if (flightTimer.ready()) {
            play_sound("sounds\\whistle.wav");
            phase = WHISTLING;
            flightTimer.set_interval(kImpactAfterMs);
        }
        break;
    case WHISTLING:
        if (flightTimer.ready()) {
            impact();
            phase = WAITING;
            fireTimer.set_interval(next_shot_ms());
        }
        break;
    default: break;
    }
    const bool wasAnimating = animating;
    CSceneSprite::think();
    // A finished shot goes back to the resting frame instead of vanishing.
    if (wasAnimating && !animating) {
        visible = 1;
        show_frame(1);
    }
}

void CCannon::fire()
{
    const int k = current;
    place_at(emplacementX[k], emplacementY[k]);
    play_strip(&strips[k], firingDelay);
    current = (current + 1) % emplacements;
    play_sound("sounds\\cannon.wav");
    aimX = x;
    aimY = y;
    if (ownerList && WellKnownIds[SLOT_HERO])
        if (auto* hero = dynamic_cast<CVisual*>(ownerList->find_thing(WellKnownIds[SLOT_HERO]))) {
            aimX = hero->x;
            aimY = hero->y;
        }
    phase = IN_FLIGHT;
    flightTimer.set_interval(kWhistleAfterMs);
}

void CCannon::impact()
{
    if (!ownerList) return;
    const int32_t scale = scale_at(aimY);
    const int32_t sortKey = aimY;
    if (CExplosion* centre = spawn_explosion(ownerList, aimX, aimY, scale, sortKey, EXPLOSION_FIRE))
        centre->set_tint(10.0f, 0.0f, 0.0f);
    const int32_t offsets[4][2] = {{-50, -25}, {50, -25}, {-50, 25}, {50, 25}};
    for (const auto& o : offsets)
        spawn_explosion(ownerList, aimX + o[0], aimY + o[1], scale, aimY + o[1], EXPLOSION_FIRE);

    AttackRecord record;
    record.source = int32_t(id);
    record.owner = 0;
    record.x = aimX;
    record.y = aimY - kImpactAbove;
    record.radius = kImpactRadius;
    record.damage = kImpactDamage;
    ownerList->broadcast(MSG_AREA_ATTACK, &record, 0);
    play_sound("sounds\\impact.wav");
    Playfield.start_shake(5, 500, 120);
}

bool cannon_threat(const CThing* thing, CannonThreat* out)
{
    const auto* cannon = dynamic_cast<const CCannon*>(thing);
    if (!cannon || cannon->phase == WAITING) return false;
    out->x = cannon->aimX;
    out->y = cannon->aimY - kImpactAbove;
    out->radius = kImpactRadius;
    return true;
}

int32_t create_cannon(const SpriteTemplate& t, CThingList& list)
{
    auto* cannon = new CCannon(t.pictureName, t.x, t.y, t.cannonName, t.cannonValue1, t.cannonValue2,
                               t.animationInterval);
    const uint32_t id = list.adopt(cannon);
    if (!id) return -1;
    cannon->anchorMode =
        t.orientation >= ANCHOR_TOP_LEFT && t.orientation <= ANCHOR_FEET ? t.orientation : ANCHOR_TOP_LEFT;
    cannon->screenSpace = 0;  // scrolls with the playfield
    cannon->set_sort_key(sprite_sort_key(t, cannon->height));
    return int32_t(id);
}
