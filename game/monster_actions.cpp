// CMonster's action starters: idle, walk, run, attack, shoot and die, each choosing strips, speed and pace.
#include "game/direction.h"
#include "game/monster.h"
#include "game/spells.h"
#include "game/thing_list.h"
#include "sound/sound_table.h"
#include "util/numeric.h"

namespace {

constexpr uint32_t kIdleFrameMs = 400;

// Frames of a slot, loading the strip first if it has not been read yet.
int32_t slot_frames(CGraphicStrip& strip)
{
    if (strip.frame_count() == 0 && (strip.mirror || strip.name[0])) {
        uint8_t flip = 0;
        strip.get_frame(1, &flip);
    }
    return int32_t(strip.frame_count());
}

}  // namespace

void CMonster::show_action(CStripSet* set, int d, int32_t mode, uint32_t delay)
{
    animMode = mode;
    frameDelay = delay;
    frameTimer.set_interval(delay);
    direction = d;
    // An action played once starts from its first frame, even when it uses the set already shown.
    if (set == stripSet && mode == ANIM_ONCE) {
        frame = 1;
        reverse = 0;
    }
    set_strip_set(set);
    set_direction_keep_frame(d);
}

void CMonster::turn_to_target()
{
    CThing* t = ownerList ? ownerList->find_thing(targetId) : nullptr;
    auto* target = dynamic_cast<CVisual*>(t);
    if (!target) return;
    set_direction(turn_toward(direction_to(float(x), float(y), float(target->x), float(target->y)), direction));
}

void CMonster::go_idle()
{
    if (!kind) return;
    // A kind drawn standing in a single pose looks livelier walking.
    if (slot_frames(kind->strips[ACTION_IDLE].slot[4]) == 1) {
        go_walk();
        return;
    }
    if (lastState == MONSTER_IDLE) return;
    targetSpeed = 0.0f;
    acceleration = 0.2f;
    show_action(&kind->strips[ACTION_IDLE], direction, ANIM_PING_PONG, kIdleFrameMs);
    state = lastState = MONSTER_IDLE;
}

void CMonster::go_walk()
{
    if (!kind || lastState == MONSTER_WALK) return;
    targetSpeed = kind->walkSpeed;
    acceleration = 0.05f;
    show_action(&kind->strips[ACTION_WALK], direction, ANIM_LOOP, kind->walkDelay);
    state = lastState = MONSTER_WALK;
}

void CMonster::go_run()
{
    if (!kind || lastState == MONSTER_RUN) return;
    // Kinds drawn without a run play their walk faster.
    const MonsterAction set = kind->has_slot(ACTION_RUN, 2) ? ACTION_RUN : ACTION_WALK;
    targetSpeed = kind->runSpeed;
    acceleration = 0.05f;
    show_action(&kind->strips[set], direction, ANIM_LOOP, kind->runDelay);
    state = lastState = MONSTER_RUN;
}

void CMonster::go_attack()
{
    if (!kind) return;
    targetSpeed = 0.0f;
    acceleration = 0.07f;
    show_action(&kind->strips[ACTION_ATTACK], direction, ANIM_ONCE, kind->attackDelay);
    state = lastState = MONSTER_ATTACK;
    kind->attackSound.play();
    struck = 0;
    turn_to_target();
}

void CMonster::go_shoot()
{
    if (!kind) return;
    const MonsterAction set = kind->has_slot(ACTION_SHOOT, 6) ? ACTION_SHOOT : ACTION_ATTACK;
    targetSpeed = 0.0f;
    acceleration = 0.07f;
    show_action(&kind->strips[set], direction, ANIM_ONCE, kind->shootDelay);
    state = lastState = MONSTER_SHOOT;
    struck = 0;
    turn_to_target();
    shootTimer.set_interval(uint32_t(random_range(kind->shootIntervalMin, kind->shootIntervalMax)));
}

void CMonster::cast_kind_projectile()
{
    cast_spell(this, get_angle_to_handle(targetId), kind->projectile);
    struck = 1;
}

void CMonster::go_die()
{
    if (!kind || lastState == MONSTER_DYING) return;
    int face = death_facing(direction);
    // Kinds drawn falling one way only fall toward the viewer.
    if (!kind->has_slot(ACTION_DEATH, face)) face = DIR_DOWN;
    targetSpeed = 0.0f;
    acceleration = 0.03f;
    show_action(&kind->strips[ACTION_DEATH], face, ANIM_ONCE, kind->deathDelay);
    state = lastState = MONSTER_DYING;
    if (kind->deathSound.name[0]) {
        kind->deathSound.play();
    } else {
        snd_frag.overlap = 1;
        snd_frag.play();
    }
}
