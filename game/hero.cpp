// CHero: construction, thinking by state, movement phases, strikes, damage and death, auto-aim and the camera.
#include "game/hero.h"

#include <cmath>

#include "app/app_state.h"
#include "app/input.h"
#include "game/direction.h"
#include "game/level_progress.h"
#include "game/scene_sprite.h"
#include "game/spells.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "graphics/playfield.h"
#include "sound/sound_table.h"
#include "util/numeric.h"

namespace {

constexpr uint32_t kTurnMs = 75;
constexpr uint32_t kIdleToWalkMs = 350;
constexpr uint32_t kStopMs = 100;
constexpr float kWalkSpeed = 1.4f;
constexpr float kRunSpeed = 1.7f;
constexpr int32_t kRedBelow = 30;  // health under which a hit turns the hero red

// Expired without re-arming (CTimer::ready restarts the timer, which a test of a phase must not do).
bool expired(const CTimer& t) { return int32_t(t.start + t.interval) <= int32_t(AppState.frameTime); }

bool paused() { return LevelProgress.paused != 0; }

// "graphics\interface\GameOver.png" sliding in from the left edge and staying, above the playfield.
void add_game_over_banner(CThingList* list)
{
    auto* banner = new CSceneSprite;
    banner->anchorMode = ANCHOR_TOP_LEFT;
    banner->hitTestable = 0;
    banner->show_picture(-224, 100, kGameOverPicture);
    banner->set_speed(0.51f);
    banner->move_by(232.0f, 0.0f);
    banner->set_sort_key(500);
    list->adopt(banner);
}

}  // namespace

CHero::CHero()
{
    kindNumber = kHeroKind;
    alloc_scratch(kHeroScratchSize, kHeroScratchSize);
    scaleFactor = kHeroScaleFactor;
    health = fullHealth = kHeroFullHealth;
    armour = 0;

    int32_t px = x, py = y;
    hero_start_position(LevelProgress.script, Playfield.get_playfield_rect(), Playfield.height, &px, &py);
    set_position(px, py);
    go_idle();
    set_direction(DIR_RIGHT);
    apply_depth_scale();
    turnTimer.set_interval(kTurnMs);
    stopTimer.set_interval(kStopMs);
    Playfield.scroll_to(700.0f, Playfield.viewY, nullptr);
}

void CHero::think()
{
    if (!paused()) {
        step_tint();
        switch (state) {
        case HERO_DEAD: break;
        case HERO_DYING: think_dying(); break;
        case HERO_STRIKING: think_striking(); break;
        default: think_moving(); break;
        }
    }
    camera_step();
}

void CHero::think_dying()
{
    if (!frameTimer.ready()) return;
    if (!step_animation(ANIM_ONCE)) return;
    state = HERO_DEAD;
    if (ownerList) add_game_over_banner(ownerList);
    play_sound(kGameOverSound);
}

void CHero::think_striking()
{
    if (frameTimer.ready() && step_animation(animMode)) go_idle();
    // The blow lands once, on the first frame numbered 4 or more: a shorter swing never lands.
    if (state == HERO_STRIKING && !struck && frame >= 4) {
        struck = 1;
        strike(kHeroStrikeReach, kHeroStrikeRadius, kHeroStrikeDamage, -1);
    }
    // A held direction turns her at once, keeping the swing where it is.
    int d = 0;
    if (g_input.keys[BTN_RIGHT].held) d = DIR_RIGHT;
    else if (g_input.keys[BTN_DOWN].held) d = DIR_DOWN;
    else if (g_input.keys[BTN_LEFT].held) d = DIR_LEFT;
    else if (g_input.keys[BTN_UP].held) d = DIR_UP;
    if (d && state == HERO_STRIKING) set_direction_keep_frame(d);
    move();
}

int CHero::movement_input() const
{
    if (g_input.stylusDown) {
        const int wx = Playfield.screen_to_world_x(g_input.stylusX);
        const int wy = Playfield.screen_to_world_y(g_input.stylusY);
        return direction_to(float(x), float(y), float(wx), float(wy));
    }
    if (g_input.keys[BTN_RIGHT].held) return DIR_RIGHT;
    if (g_input.keys[BTN_DOWN].held) return DIR_DOWN;
    if (g_input.keys[BTN_LEFT].held) return DIR_LEFT;
    if (g_input.keys[BTN_UP].held) return DIR_UP;
    return 0;
}

void CHero::think_moving()
{
    const int d = movement_input();
    if (d) {
        go_move();
        turn_step(d);
    } else {
        if (const uint32_t target = auto_aim_target()) {
            const CVisual* it = dynamic_cast<const CVisual*>(ownerList->find_thing(target));
            if (it) turn_step(direction_to(float(x), float(y), float(it->x), float(it->y)));
        }
        if (expired(stopTimer)) runFlag = 0;
        if (state != HERO_STRIKING) go_idle();
    }
    if (frameTimer.ready()) step_animation(animMode);
    move();
    probe_pickups(kHeroProbeRadius);
}

uint32_t CHero::auto_aim_target() const
{
    if (!ownerList) return 0;
    uint32_t best = 0;
    int32_t bestDistance = kHeroAutoAimRange;
    for (CThing* t = ownerList->first_thing(); t; t = ownerList->next_thing()) {
        if (t == this || t->kindNumber < 100) continue;
        const CActor* monster = dynamic_cast<const CActor*>(t);
        if (!monster || !monster->alive) continue;
        const int32_t d = Getdistance(monster);
        if (d >= 0 && d < bestDistance) {
            bestDistance = d;
            best = monster->id;
        }
    }
    return best;
}

void CHero::turn_step(int d)
{
    if (turnTimer.ready()) set_direction(turn_toward(d, direction));
}

void CHero::go_move()
{
    stopTimer.set_interval(kStopMs);
    if (!runFlag && !expired(idleToWalkTimer)) {
        go_walk();
        return;
    }
    runFlag = 1;
    go_run();
}

void CHero::set_gait(int32_t gait, CStripSet* set, float speedTo, float accel, uint32_t delay, int waitLow,
                     int waitHigh)
{
    state = lastState = gait;
    animMode = ANIM_LOOP;
    set_strip_set(set);
    targetSpeed = speedTo;
    acceleration = accel;
    frameDelay = delay;
    frameTimer.set_interval(frameDelay);
    waitTimer.set_interval(uint32_t(random_range(waitLow, waitHigh)));
}

void CHero::go_walk()
{
    if (state != HERO_WALK) set_gait(HERO_WALK, &HeroWalkStrips, kWalkSpeed, 0.15f, 180, 500, 3000);
}

void CHero::go_run()
{
    if (state != HERO_RUN) set_gait(HERO_RUN, &HeroRunStrips, kRunSpeed, 0.05f, 90, 500, 2000);
}

void CHero::go_idle()
{
    idleToWalkTimer.set_interval(kIdleToWalkMs);
    if (state == HERO_IDLE && lastState == HERO_IDLE) return;
    state = lastState = HERO_IDLE;
    animMode = ANIM_PING_PONG;
    set_strip_set(&HeroIdleStrips);
    targetSpeed = 0.0f;
    acceleration = 0.4f;
    frameDelay = 400;
    frameTimer.set_interval(frameDelay);
    waitTimer.set_interval(uint32_t(random_range(1000, 4000)));
}

void CHero::go_strike()
{
    state = lastState = HERO_STRIKING;
    animMode = ANIM_ONCE;
    // The swing always starts from its first frame, even straight after another.
    if (stripSet == &HeroShootStrips) {
        frame = 0;
        reverse = 0;
        step_animation(ANIM_ONCE);
    } else {
        set_strip_set(&HeroShootStrips);
    }
    targetSpeed = 0.0f;
    acceleration = 0.07f;
    frameDelay = 75;
    frameTimer.set_interval(frameDelay);
    play_sound(kWinfireSound);
    struck = 0;
}

void CHero::go_die()
{
    const int d = death_facing(direction);
    state = lastState = HERO_DYING;
    animMode = ANIM_ONCE;
    set_strip_set(&HeroDeathStrips);
    set_direction(d);
    targetSpeed = 0.0f;
    acceleration = 0.03f;
    frameDelay = 80;
    frameTimer.set_interval(frameDelay);
    play_sound(kHeroDeathSound);
}

void CHero::cast() { cast_spell(this, direction_radians(direction), SelectedSpell); }

void CHero::strike_command()
{
    if (state != HERO_STRIKING) go_strike();
}

void CHero::heal(int32_t n)
{
    health += n;
    if (health > fullHealth) health = fullHealth;
}

void CHero::hit(int32_t amount, int32_t flag)
{
    (void)flag;
    const int32_t damage = amount - armour;
    if (!alive || damage < 1) return;
    health -= damage;
    if (health < kRedBelow) fade_tint(45.0f, 0.0f, 0.0f, 1.56f, 500, 1.06f);
    if (health < 1) {
        alive = 0;
        go_die();
    } else {
        play_sound(kHeroHurtSound);
    }
}

int32_t CHero::message(int32_t code, AttackRecord* record, int32_t value)
{
    return combat_message(code, record, value);
}

void CHero::camera_step()
{
    float lead = 0.0f;
    if (state == HERO_RUN || state == HERO_WALK) {
        const bool running = state == HERO_RUN;
        switch (direction) {
        case DIR_RIGHT: lead = running ? 80.0f : 30.0f; break;
        case DIR_LEFT: lead = running ? -80.0f : -30.0f; break;
        case DIR_DOWN_RIGHT:
        case DIR_UP_RIGHT: lead = running ? 40.0f : 15.0f; break;
        case DIR_DOWN_LEFT:
        case DIR_UP_LEFT: lead = running ? -40.0f : -15.0f; break;
        default: break;
        }
    }
    const float target = fx - float(AppState.screenWidth) * 0.5f + lead;
    const float scroll = Playfield.viewX;
    float next = std::trunc(scroll + float(AppState.frameScale) * 0.03f * (target - scroll));
    const float widest = float(Playfield.width - AppState.screenWidth);
    if (next > widest) next = widest;
    if (next < 0.0f) next = 0.0f;

    float nextY = Playfield.viewY;
    if (Playfield.height > AppState.screenHeight) {
        int32_t vy = y - 240;
        clamp_int(&vy, 0, Playfield.height - AppState.screenHeight);
        nextY = float(vy);
    }
    Playfield.scroll_to(next, nextY, nullptr);
}

void hero_start_position(const LevelScript& script, const Rect* playfieldRect, int32_t playfieldHeight,
                         int32_t* x, int32_t* y)
{
    if (script.hasStartPosition) {
        *x = script.startX;
        *y = script.startY;
        return;
    }
    if (playfieldRect) *x = playfieldRect->left + 5;
    *y = playfieldHeight - 40;
}

void name_hero_strips()
{
    HeroRunStrips.declare_directions("graphics\\goddess\\goddess_run");
    HeroWalkStrips.declare_directions("graphics\\goddess\\goddess_walk");
    HeroIdleStrips.declare_directions("graphics\\goddess\\goddess_idle");
    HeroShootStrips.declare_directions("graphics\\goddess\\goddess_shoot");
    HeroDeathStrips.declare(DIR_RIGHT, "graphics\\goddess\\goddess_death_6_00");
    HeroDeathStrips.mirror(DIR_LEFT, DIR_RIGHT);
}

void load_hero_strips()
{
    for (CStripSet* set : {&HeroRunStrips, &HeroWalkStrips, &HeroIdleStrips, &HeroShootStrips, &HeroDeathStrips})
        set->load_all();
}

CHero* current_hero()
{
    CThingList* list = AppState.currentGameList;
    const uint32_t heroId = WellKnownIds[SLOT_HERO];
    if (!list || !heroId) return nullptr;
    return dynamic_cast<CHero*>(list->find_thing(heroId));
}
