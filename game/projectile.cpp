// CProjectile: flight along a heading with rise and fall, the shadow beneath, and the end of a flight.
#include "game/projectile.h"

#include <cmath>

#include "app/app_state.h"
#include "game/direction.h"
#include "game/explosion.h"
#include "game/level_progress.h"
#include "game/thing_list.h"
#include "graphics/playfield.h"
#include "util/log.h"

const char* const kShadowSmall = "graphics\\misc\\shadow_small.tga";
const char* const kShadowBig = "graphics\\misc\\shadow_big.tga";

namespace {

constexpr uint32_t kProjectileFrameMs = 100;
constexpr float kSmallestDepthFactor = 0.1f;
constexpr float kAspect = 0.75f;      // screen width over height: vertical travel is foreshortened
constexpr int32_t kGraceBelow = 50;   // pixels below the playfield it may fly on without bursting

}  // namespace

CProjectile::CProjectile()
{
    frameDelay = kProjectileFrameMs;
    frameTimer.set_interval(kProjectileFrameMs);
    animMode = ANIM_LOOP;
    frame = 1;
    heightAboveGround = kProjectileStartHeight;
    lifeTimer.set_interval(kProjectileLifeMs);
    pause = &LevelProgress.paused;
}

void CProjectile::use_strips(CStripSet* set, int slot)
{
    animMode = ANIM_LOOP;
    set_strip_set(set);
    set_direction(slot);
    if (width > 0 && height > 0) alloc_scratch(width, height);
}

void CProjectile::set_heading(float radians)
{
    const int whole = int(radians);
    if (whole < 0 || whole > 6) log_msg("CProjectile got invalid radian.");
    heading = radians;
}

void CProjectile::fly()
{
    const float t = float(AppState.frameScale);
    if (speed != targetSpeed) approach(&speed, targetSpeed, acceleration * t);
    const float dx = speed * std::cos(heading) * t;
    const float dy = speed * std::sin(heading) * t;
    float f = float(scalePercent) * 0.01f;
    if (f < kSmallestDepthFactor) f = kSmallestDepthFactor;
    // No walls and no wrap: a projectile ends where the ground ends.
    const float nx = fx + f * dx * horizontalMultiplier;
    const float ny = fy + kAspect * f * dy * verticalMultiplier;

    verticalSpeed -= gravity * t;
    heightAboveGround += verticalSpeed * t;
    if (heightAboveGround < 0.0f) heightAboveGround = 0.0f;
    set_position_f(nx, ny);
}

void CProjectile::think()
{
    if (paused()) return;
    if (frameTimer.ready()) step_animation(animMode);
    fly();
    apply_depth_scale();
    move_shadow();
}

void CProjectile::attach_shadow(const char* file)
{
    if (!ownerList || shadowId) return;
    auto* shadow = new CShadow(file);
    shadowId = ownerList->adopt(shadow);
    if (!shadowId) return;
    move_shadow();
}

void CProjectile::move_shadow()
{
    if (!shadowId || !ownerList) return;
    if (auto* shadow = dynamic_cast<CShadow*>(ownerList->find_thing(shadowId)))
        shadow->follow(x, y, scalePercent, sortKey);
    else
        shadowId = 0;
}

void CProjectile::remove_self()
{
    removeFlag = 1;
    if (shadowId && ownerList)
        if (CThing* shadow = ownerList->find_thing(shadowId)) shadow->removeFlag = 1;
}

bool CProjectile::over_ground() const { return Playfield.is_walkable(x, y); }

bool CProjectile::finish()
{
    const Rect* r = Playfield.get_playfield_rect();
    const int32_t bottom = r ? r->bottom : Playfield.height;
    if (y < bottom) {
        const int32_t left = int32_t(Playfield.viewX);
        if (x >= left && x <= left + AppState.screenWidth) explode();
        remove_self();
        return true;
    }
    if (y - bottom < kGraceBelow) {
        // Just past the near edge it flies on, out of the picture, before it is dropped.
        fly();
        apply_depth_scale();
        move_shadow();
        return false;
    }
    remove_self();
    return true;
}

void CProjectile::striking_think()
{
    if (paused()) return;
    if (frameTimer.ready()) step_animation(animMode);
    // Once it has hurt something, or left the ground it flies over, the flight ends.
    if (damageDealt > 0 || !over_ground()) {
        finish();
        return;
    }
    if (lifeTimer.ready()) {
        remove_self();
        return;
    }
    if (!strike_step()) return;
    fly();
    apply_depth_scale();
    move_shadow();
}

CFireball::CFireball() { use_strips(&FireballStrips, DIR_NONE); }

bool CFireball::strike_step()
{
    if (heightAboveGround <= 0.0f) {
        // Landed: it bursts a little in front of where it touched down.
        set_position_f(fx, fy + 0.3f * float(scalePercent));
        finish();
        return false;
    }
    // High up (a dropped bomb) it only falls.
    if (heightAboveGround < 100.0f) strike(0, 25, 5, casterId);
    return true;
}

void CFireball::explode()
{
    if (ownerList) spawn_explosion(ownerList, x, y, scalePercent - 10, sortKey, EXPLOSION_FIRE);
}

CSuperFireball::CSuperFireball() { use_strips(&SuperFireballStrips, DIR_NONE); }

bool CSuperFireball::strike_step()
{
    strike(0, 35, 50, casterId);
    return true;
}

void CSuperFireball::explode()
{
    if (!ownerList) return;
    spawn_explosion(ownerList, x, y, scalePercent + 20, sortKey, EXPLOSION_FIRE);
    spawn_explosion(ownerList, x, y - 20, scalePercent, sortKey, EXPLOSION_FIRE);
}

CLightningBolt::CLightningBolt()
{
    use_strips(&LightningStrips, DIR_NONE);
    scaleFactor = 0.7f;
    update_scaled_size();
}

bool CLightningBolt::strike_step()
{
    strike(0, 25, 10, casterId);
    return true;
}

void CLightningBolt::explode()
{
    if (ownerList) spawn_explosion(ownerList, x, y, scalePercent, sortKey, EXPLOSION_LIGHTNING);
}

void name_projectile_strips()
{
    FireballStrips.declare(DIR_NONE, "graphics\\misc\\fire_ball_");
    SuperFireballStrips.declare(DIR_NONE, "graphics\\misc\\super_fire_ball_");
    LightningStrips.declare(DIR_NONE, "graphics\\misc\\blue_star_");
    DragonFlyStrips.declare(DIR_RIGHT, "graphics\\dfly\\dfly_fly_6_00");
    ExplosionStrip.set_name("graphics\\explosion\\explod");
}
