// CDragonFly: the flier that crosses the view, and the bomber that drops falling fireballs over the ground.
#include "game/dragon_fly.h"

#include "game/direction.h"
#include "game/hero.h"
#include "game/thing_list.h"
#include "graphics/playfield.h"
#include "sound/sound_table.h"

namespace {

constexpr uint32_t kDragonFlyLifeMs = 100000000;
constexpr uint32_t kBombMs = 1000;
constexpr float kBomberHeight = 140.0f;
constexpr int32_t kLeaveMargin = 80;
constexpr int32_t kHighFlierTop = 20;  // below the top of the view

}  // namespace

CDragonFly::CDragonFly()
{
    use_strips(&DragonFlyStrips, DIR_RIGHT);
    heading = 0.0f;
    targetSpeed = 2.0f;
    acceleration = 0.01f;
    speed = 1.5f;
    lifeTimer.set_interval(kDragonFlyLifeMs);
    bombTimer.set_interval(kBombMs);
}

void CDragonFly::init()
{
    int32_t px = int32_t(Playfield.viewX);
    int32_t py = int32_t(Playfield.viewY) + kHighFlierTop;
    bomber = random_below(2) == 0;
    if (bomber) {
        px -= 30;
        if (const CHero* hero = current_hero()) py = hero->y;
        heightAboveGround = kBomberHeight;
    } else {
        // The high flier is no walker: its picture, not its feet, runs 20 below the top of the view, so the
        // whole of it crosses the sky in sight.
        heightAboveGround = 0.0f;
        set_position(px, py);
        py += py - draw_top();
    }
    set_position(px, py);
    // A bomber flies at the depth it bombs; the high flier passes over at full size.
    if (bomber) apply_depth_scale();
    set_sort_key(py);
    if (bomber) attach_shadow(kShadowBig);
    bombTimer.set_interval(kBombMs);
}

void CDragonFly::think()
{
    if (!is_on_screen(kLeaveMargin)) {
        remove_self();
        return;
    }
    if (paused()) return;
    if (frameTimer.ready()) step_animation(animMode);
    if (bomber && over_ground() && bombTimer.ready()) drop_bomb();
    fly();
    move_shadow();
}

void CDragonFly::drop_bomb()
{
    if (!ownerList) return;
    auto* bomb = new CFireball;
    if (!ownerList->adopt(bomb)) return;
    bomb->casterId = int32_t(id);
    bomb->set_position_f(fx, fy);
    bomb->heightAboveGround = heightAboveGround;
    bomb->set_heading(heading);
    bomb->targetSpeed = 0.5f;
    bomb->speed = 0.5f;
    bomb->acceleration = 0.01f;
    bomb->verticalSpeed = 0.0f;
    bomb->gravity = 0.042f;
    if (bomb->width > 0 && bomb->height > 0) bomb->alloc_scratch(bomb->width, bomb->height);
    bomb->apply_depth_scale();
    bomb->attach_shadow(kShadowSmall);
}
