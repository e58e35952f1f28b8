// CMonster: initialising from its kind, growing in, the think by state, damage, dying and the corpse.
#include "game/monster.h"

#include "app/app_state.h"
#include "game/direction.h"
#include "game/hud_files.h"
#include "game/level_controller.h"
#include "game/level_progress.h"
#include "game/meter.h"
#include "game/smoke.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "graphics/playfield.h"
#include "sound/sound_table.h"
#include "util/log.h"
#include "util/numeric.h"

namespace {

constexpr int kBossPlacementTries = 10000;
constexpr int32_t kBossOnScreenMargin = 50;
constexpr int kHealthBarX = 3;
constexpr int kHealthBarY = 290;
constexpr int32_t kFlashLift = 30;      // the spawn flash rises from above the feet
constexpr uint32_t kFlashPeriodMs = 150;

CSound& hit_sound()
{
    static CSound sound("sounds\\hit.wav");
    return sound;
}

CSound& impact_sound()
{
    static CSound sound("sounds\\impact.wav");
    return sound;
}

}  // namespace

DifficultyFactors difficulty_factors(uint32_t difficulty)
{
    static constexpr DifficultyFactors kFactors[3] = {{1.0f, 1.0f}, {0.6f, 0.6f}, {1.6f, 1.3f}};
    return difficulty < 3 ? kFactors[difficulty] : kFactors[0];
}

CMonster::CMonster() = default;

CMonster::~CMonster() = default;

bool CMonster::init(int32_t kindId)
{
    kind = MonsterKinds.find_kind(kindId);
    if (!kind) {
        log_msg("Error: Unable to locate monster %d.", int(kindId));
        return false;
    }
    kindNumber = kindId;
    go_idle();
    alloc_scratch(kind->frameBoxWidth, kind->frameBoxHeight);
    scaleFactor = kind->scale;

    // A boss arrives where the player can see it.
    if (kind->boss) {
        if (const Rect* r = Playfield.get_playfield_rect()) {
            const int32_t w = r->right - r->left;
            const int32_t h = r->bottom - r->top;
            for (int tries = 0; w > 0 && h > 0 && tries < kBossPlacementTries; tries++) {
                // x drawn before y in every build (as call arguments the order would be the compiler's).
                const int32_t px = r->left + 1 + random_below(w);
                set_position(px, r->top + 1 + random_below(h));
                if (Playfield.is_walkable(x, y) && is_on_screen(kBossOnScreenMargin)) break;
            }
        }
    }
    apply_depth_scale();
    arrivalDistance = kind->arrival;
    reactionTimer.set_interval(kind->reactionMs);
    shootTimer.set_interval(uint32_t(random_range(kind->shootIntervalMin, kind->shootIntervalMax)));
    start_grow_in();

    const DifficultyFactors f = difficulty_factors(LevelProgress.career.difficulty);
    health = fullHealth = int32_t(f.health * float(kind->health));

    if (kind->boss && ownerList) {
        auto* bar = new CMeter;
        const uint32_t barId = ownerList->adopt(bar);
        if (barId) {
            healthBarId = barId;
            bar->create(ownerList, "", kMeterBarPicture, kHealthBarX, kHealthBarY);
            bar->set_range(0.0f, float(fullHealth));
            bar->set_rate(0.1f);
            bar->set_value(float(health));
            bar->set_tint(-35.0f, 5.0f, -5.0f);
        }
    }
    return true;
}

void CMonster::remove_thing(uint32_t& thingId)
{
    if (thingId && ownerList)
        if (CThing* t = ownerList->find_thing(thingId)) t->removeFlag = 1;
    thingId = 0;
}

void CMonster::think()
{
    if (healthBarId && ownerList)
        if (auto* bar = dynamic_cast<CMeter*>(ownerList->find_thing(healthBarId))) bar->set_value(float(health));
    if (paused && *paused) return;
    step_tint();
    if (!kind) return;
    if (scaleMode != SCALE_NONE) {
        grow_step();
        return;
    }
    if (state == MONSTER_DYING || state == MONSTER_DEAD) {
        dying_step();
        return;
    }
    if (stunned) {
        if (!stunTimer.ready()) return;
        stunned = 0;
    }
    if (targetId)
        combat_step();
    else
        wander_step();

    if (faceOnly && faceOnlyTimer.ready()) faceOnly = 0;
    if (moveTargetActive && reactionTimer.ready()) {
        if (faceOnly)
            face_target();
        else
            walk_toward_target();
    }
    if (state != MONSTER_ATTACK && state != MONSTER_SHOOT && frameTimer.ready()) step_animation(animMode);
    move();
    unblock();
}

bool CMonster::grow_step()
{
    const bool growing = step_scale();
    if (growing && !spawnFlashId && ownerList) {
        auto* flash = new CSmokeEmitter;
        flash->place(x, y - kFlashLift, 0);
        flash->set_period(kFlashPeriodMs);
        spawnFlashId = ownerList->adopt(flash);
        play_sound("sounds\\spawn.wav");
    }
    if (!growing) remove_thing(spawnFlashId);
    return growing;
}

void CMonster::dying_step()
{
    if (state == MONSTER_DYING) {
        remove_thing(spawnFlashId);
        if (!frameTimer.ready()) return;
        const bool finished = step_animation(animMode);
        if (kind->boss && !bossShakeDone && frame >= frame_count()) {
            bossShakeDone = 1;
            Playfield.start_shake(5, 1000, 110);
            impact_sound().play();
        }
        if (!finished) return;
        state = lastState = MONSTER_DEAD;
        if (ownerList)
            if (auto* controller =
                    dynamic_cast<CLevelController*>(ownerList->find_thing(WellKnownIds[SLOT_LEVEL_CONTROLLER])))
                controller->on_monster_killed(this);
        corpseTimer.set_interval(kCorpseMs);
        return;
    }
    if (!corpseTimer.ready()) return;
    // The meter's pictures are things of their own and go with it.
    if (healthBarId && ownerList)
        if (auto* bar = dynamic_cast<CMeter*>(ownerList->find_thing(healthBarId))) {
            remove_thing(bar->backId);
            remove_thing(bar->barId);
        }
    remove_thing(healthBarId);
    removeFlag = 1;
}

bool CMonster::still_waiting()
{
    if (!waiting) return false;
    if (!waitTimer.ready()) return true;
    waiting = 0;
    return false;
}

void CMonster::wait_for(int32_t lowMs, int32_t highMs)
{
    waiting = 1;
    waitTimer.set_interval(uint32_t(random_range(lowMs, highMs)));
}

void CMonster::wander_step()
{
    if (still_waiting()) return;
    wait_for(1000, 3000);

    const uint32_t heroId = WellKnownIds[SLOT_HERO];
    if (heroId && is_alive(heroId) && Getdistance(heroId) <= kind->sightRange) {
        targetId = heroId;
        set_move_target_thing(heroId);
        steeringMode = STEER_CHASE;
        if (random_below(2))
            go_run();
        else
            go_walk();
        walk_toward_target();
        return;
    }

    switch (state) {
    case MONSTER_IDLE:
        if (random_below(2))
            go_idle();
        else
            go_walk();
        break;
    case MONSTER_WALK:
    case MONSTER_RUN: {
        const int r = random_below(3);
        if (r == 0) {
            go_run();
        } else if (r == 1) {
            if (state == MONSTER_WALK)
                go_idle();
            else
                go_walk();
        } else {
            if (!moveTargetActive) random_turn();
            go_walk();
        }
        break;
    }
    default: break;
    }
}

void CMonster::combat_step()
{
    const int32_t d = Getdistance(targetId);
    if (d < 0) {
        // The target is gone from the list: forget it and wander again.
        targetId = 0;
        clear_move_target();
        steeringMode = STEER_NORMAL;
        return;
    }

    if (state == MONSTER_SHOOT) {
        if (frameTimer.ready() && step_animation(animMode)) go_idle();
        if (state != MONSTER_SHOOT || struck || frame < 4) return;
        cast_kind_projectile();
        return;
    }

    if (kind->projectile && shootTimer.ready() && d <= kind->sightRange &&
        possible_to_hit_entity(kind->sightRange, 45, targetId)) {
        if (!is_alive(targetId)) {
            steeringMode = STEER_NORMAL;
            go_idle();
        } else {
            go_shoot();
        }
        return;
    }

    if (kind->has_attack()) {
        if (state == MONSTER_ATTACK) {
            if (frameTimer.ready() && step_animation(animMode)) go_idle();
            if (state == MONSTER_ATTACK && !struck && frame >= 4) {
                const DifficultyFactors f = difficulty_factors(LevelProgress.career.difficulty);
                strike(kind->reach, kind->radius, int32_t(f.damage * float(kind->damage)), -1);
                struck = 1;
            }
            return;
        }
        if (d <= arrivalDistance && possible_to_hit_entity(kind->reach, kind->radius, targetId)) {
            if (!is_alive(targetId)) {
                steeringMode = STEER_NORMAL;
                go_idle();
                return;
            }
            go_attack();
        }
    }

    if (targetId && !moveTargetActive) set_move_target_thing(targetId);
    if (still_waiting()) return;

    if (!kind->has_attack()) {
        // Pure shooters keep their distance.
        if (d <= kind->sightRange / 2 && random_below(3) < 2) {
            go_idle();
            wait_for(500, 1500);
            return;
        }
        if (d < arrivalDistance) {
            faceOnly = 1;
            faceOnlyTimer.set_interval(uint32_t(random_range(1000, 3000)));
        }
    }

    if (state == MONSTER_IDLE) {
        if (random_below(2))
            go_walk();
        else
            go_run();
    } else if (state == MONSTER_WALK) {
        if (random_below(2)) go_run();
    }
    wait_for(500, 1500);
}

void CMonster::hit(int32_t amount, int32_t flag)
{
    (void)flag;
    if (!alive || !kind) return;
    const int32_t damage = amount - armour;
    if (damage < 1) return;
    fade_tint(kind->tintRed, kind->tintGreen, kind->tintBlue, kind->tintInRate, kind->tintHoldMs, kind->tintOutRate);
    health -= damage;
    if (health >= 1) {
        stun(kind->stunMs);
        hit_sound().play();
        return;
    }
    health = 0;
    alive = 0;
    go_die();
}

int32_t CMonster::message(int32_t code, AttackRecord* record, int32_t value)
{
    return combat_message(code, record, value);
}
