// The built-in player: watches the level like a person at the screen and plays it with posted input only.
#include "game/autoplayer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <vector>

#include "app/app_state.h"
#include "app/input.h"
#include "game/cannon.h"
#include "game/direction.h"
#include "game/dragon_fly.h"
#include "game/hero.h"
#include "game/level_progress.h"
#include "game/monster.h"
#include "game/pickup.h"
#include "game/projectile.h"
#include "game/spell_bar.h"
#include "game/spell_table.h"
#include "game/thing_list.h"
#include "game/time_gate.h"
#include "game/well_known_ids.h"
#include "graphics/playfield.h"
#include "platform/events.h"
#include "util/log.h"

namespace {

// Taps stay clear of the spell icons along the top and the quit and pause buttons along the bottom.
constexpr int kSafeTop = 75;
constexpr int kSafeBottom = 288;
constexpr int kSafeLeft = 2;
constexpr int kSafeRight = 237;
// Closer than this, the last steps to a pickup or the gate are taken with the direction buttons.
constexpr int kFineApproach = 40;
constexpr int kCastNear = 45;    // spells are cast at monsters between these distances
constexpr int kCastFar = 105;
constexpr int kCastEveryFrames = 12;
constexpr int kStuckFrames = 12;
constexpr int kLowHealth = 45;  // below this a health pickup comes before the fight
constexpr int kDetourFrames = 18;
constexpr int kDetourReach = 45;
constexpr float kShotHorizon = 130.0f;  // a shot further off than this along its line is not yet a worry
constexpr float kShotWidth = 32.0f;     // nor one whose line passes further to the side
constexpr float kBlastMargin = 20.0f;   // kept beyond a shell's blast

struct Target {
    int32_t x = 0;
    int32_t y = 0;
};

class Autoplayer {
public:
    void frame();
    void off_the_game();

private:
    // Outgoing messages; one reaches the game each frame.
    void post(MessageType type, uint32_t wParam, uint32_t lParam) { outbox.push_back({type, wParam, lParam}); }
    void press_button(int button)
    {
        post(MSG_KEYDOWN, g_input.code_of(button), 0);
        post(MSG_KEYUP, g_input.code_of(button), 0);
    }
    void tap(int sx, int sy)
    {
        post(MSG_LBUTTONDOWN, 0, pack_point(sx, sy));
        post(MSG_LBUTTONUP, 0, pack_point(sx, sy));
    }
    void release_stylus();
    void release_key();
    void hold_key(int button);
    // The stylus held toward a playfield point (its screen point kept in the safe band).
    void steer_to(int32_t wx, int32_t wy);
    // The last steps onto a point with one direction button at a time.
    void step_onto(const CHero& hero, int32_t wx, int32_t wy);

    void play(CHero& hero);
    void fight(CHero& hero, const CActor& nearest, const std::vector<const CActor*>& monsters);
    void select_a_spell();
    bool stuck(const CHero& hero);
    Target way_round(const CHero& hero) const;
    bool danger(const CHero& hero, CThingList& list, Target* escape) const;
    bool open_spot_toward(const CHero& hero, float awayX, float awayY, Target* spot) const;

    std::deque<Message> outbox;
    long count = 0;
    bool stylusHeld = false;
    int stylusX = 0, stylusY = 0;
    int heldButton = -1;
    long lastCast = -1000;
    float lastX = 0.0f, lastY = 0.0f;
    int stillFrames = 0;
    int detourLeft = 0;
    Target detour;
    int32_t aimX = 0, aimY = 0;  // where she was last steered, detours aside
    int patrolLeg = 0;
    uint32_t heroSeen = 0;
};

void Autoplayer::release_stylus()
{
    if (!stylusHeld) return;
    post(MSG_LBUTTONUP, 0, pack_point(stylusX, stylusY));
    stylusHeld = false;
}

void Autoplayer::release_key()
{
    if (heldButton < 0) return;
    post(MSG_KEYUP, g_input.code_of(heldButton), 0);
    heldButton = -1;
}

void Autoplayer::hold_key(int button)
{
    if (heldButton == button) return;
    release_key();
    post(MSG_KEYDOWN, g_input.code_of(button), 0);
    heldButton = button;
}

void Autoplayer::steer_to(int32_t wx, int32_t wy)
{
    release_key();
    if (detourLeft == 0) {
        aimX = wx;
        aimY = wy;
    }
    int sx = wx - int(Playfield.viewX);
    int sy = wy - int(Playfield.viewY);
    sx = sx < kSafeLeft ? kSafeLeft : (sx > kSafeRight ? kSafeRight : sx);
    sy = sy < kSafeTop ? kSafeTop : (sy > kSafeBottom ? kSafeBottom : sy);
    if (!stylusHeld) {
        post(MSG_LBUTTONDOWN, 0, pack_point(sx, sy));
        stylusHeld = true;
    } else if (std::abs(sx - stylusX) + std::abs(sy - stylusY) > 1) {
        post(MSG_MOUSEMOVE, 0, pack_point(sx, sy));
    }
    stylusX = sx;
    stylusY = sy;
}

void Autoplayer::step_onto(const CHero& hero, int32_t wx, int32_t wy)
{
    release_stylus();
    const int dx = wx - hero.x;
    const int dy = wy - hero.y;
    // Vertical steps cover three quarters of the ground a horizontal one does.
    if (std::abs(dx) > 2 && std::abs(dx) * 3 >= std::abs(dy) * 2)
        hold_key(dx > 0 ? BTN_RIGHT : BTN_LEFT);
    else if (dy != 0)
        hold_key(dy > 0 ? BTN_DOWN : BTN_UP);
    else
        hold_key(dx > 0 ? BTN_RIGHT : BTN_LEFT);
}

bool Autoplayer::stuck(const CHero& hero)
{
    const bool moving = stylusHeld || heldButton >= 0;
    if (moving && hero.state != HERO_STRIKING && std::fabs(hero.fx - lastX) + std::fabs(hero.fy - lastY) < 0.3f)
        stillFrames++;
    else
        stillFrames = 0;
    lastX = hero.fx;
    lastY = hero.fy;
    if (stillFrames < kStuckFrames) return false;
    stillFrames = 0;
    detourLeft = kDetourFrames;
    detour = way_round(hero);
    return true;
}

// Round what blocks her: of the eight ways out, the open one (as far as the eye can tell, every few steps
// along it) that ends nearest to where she was going.
Target Autoplayer::way_round(const CHero& hero) const
{
    static const int kWays[8][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
    Target best{hero.x, hero.y};
    double bestScore = 1e18;
    for (const auto& w : kWays) {
        bool open = true;
        int px = hero.x, py = hero.y;
        for (int step = 2; step <= kDetourReach && open; step += 3) {
            px = hero.x + w[0] * step;
            py = hero.y + w[1] * step * 3 / 4;
            open = Playfield.is_walkable(px, py);
        }
        if (!open) continue;
        const double dx = double(aimX - px), dy = double(aimY - py);
        const double score = dx * dx + dy * dy;
        if (score < bestScore) {
            bestScore = score;
            best = Target{px, py};
        }
    }
    return best;
}

void Autoplayer::select_a_spell()
{
    const SpellRecord* selected = spell_record(SelectedSpell);
    if (SelectedSpell != SPELL_NONE && selected && selected->usesLeft >= 1) return;
    for (int32_t s = SPELL_FIREBALL; s <= SPELL_LIGHTNING; s++) {
        if (SpellTable[s].usesLeft < 1 || !LevelProgress.spellIconIds[s]) continue;
        release_stylus();
        release_key();
        tap(CSpellBar::slot_x(s) + 19, CSpellBar::slot_y() + 17);
        return;
    }
}

// Her swing from where she stands and faces would reach the monster, with a little to spare.
bool in_swing(const CHero& hero, const CActor& monster)
{
    int32_t px = 0, py = 0;
    hero.point_ahead(kHeroStrikeReach, &px, &py);
    const float reach = float(kHeroStrikeRadius) * float((monster.scalePercent + 100) / 2) * 0.01f * 0.85f;
    return std::hypot(float(px - monster.x), float(py - monster.y)) <= reach;
}

void Autoplayer::fight(CHero& hero, const CActor& nearest, const std::vector<const CActor*>& monsters)
{
    // One swing takes everything in the circle: strike when any of them stands in it.
    bool swing = false;
    bool shot = false;
    for (const CActor* m : monsters) {
        const int32_t d = hero.Getdistance(m);
        if (d < 60 && in_swing(hero, *m)) swing = true;
        if (d >= kCastNear && d <= kCastFar &&
            direction_to(float(hero.x), float(hero.y), float(m->x), float(m->y)) == hero.direction)
            shot = true;
    }
    const int32_t d = hero.Getdistance(&nearest);
    if (swing || d < 18) {
        // Stand and swing; with no input she turns to the nearest monster by herself.
        release_stylus();
        release_key();
        if (swing && hero.state != HERO_STRIKING) press_button(BTN_B);
        return;
    }
    const SpellRecord* spell = spell_record(SelectedSpell);
    const bool canCast = SelectedSpell != SPELL_NONE && spell && spell->usesLeft >= 1;
    if (canCast && hero.state != HERO_STRIKING && count - lastCast >= kCastEveryFrames) {
        if (shot) {
            release_stylus();
            release_key();
            press_button(BTN_A);
            lastCast = count;
            return;
        }
        if (d >= kCastNear && d <= kCastFar) {
            // Stand still and let her turn toward it before the cast.
            release_stylus();
            release_key();
            return;
        }
    }
    steer_to(nearest.x, nearest.y);
}

// What is about to hit her: a hostile shot whose line passes close to her soon, or the blast of a cannon shell
// on its way. True, with the open spot to step to, when she should get out of the way.
bool Autoplayer::danger(const CHero& hero, CThingList& list, Target* escape) const
{
    float awayX = 0.0f, awayY = 0.0f;
    bool threatened = false;
    for (CThing* t = list.first_thing(); t; t = list.next_thing()) {
        CannonThreat shell;
        if (cannon_threat(t, &shell)) {
            const float dx = float(hero.x - shell.x), dy = float(hero.y - shell.y);
            const float d = std::hypot(dx, dy);
            if (d < float(shell.radius) + kBlastMargin) {
                threatened = true;
                awayX += d > 0.5f ? dx / d : 1.0f;
                awayY += d > 0.5f ? dy / d : 0.0f;
            }
            continue;
        }
        const auto* shot = dynamic_cast<const CProjectile*>(t);
        if (!shot || dynamic_cast<const CDragonFly*>(t) || shot->casterId == int32_t(hero.id) || shot->removeFlag)
            continue;
        // Its line across the ground, foreshortened as its flight is.
        float vx = std::cos(shot->heading), vy = 0.75f * std::sin(shot->heading);
        const float vl = std::hypot(vx, vy);
        if (vl < 1e-4f) continue;
        vx /= vl;
        vy /= vl;
        const float rx = float(hero.x - shot->x), ry = float(hero.y - shot->y);
        const float along = rx * vx + ry * vy;
        const float aside = rx * vy - ry * vx;
        if (along < -10.0f || along > kShotHorizon || std::fabs(aside) > kShotWidth) continue;
        threatened = true;
        // Sideways off its line, on the side she already leans to.
        const float side = aside >= 0.0f ? 1.0f : -1.0f;
        awayX += side * vy;
        awayY += -side * vx;
    }
    if (!threatened) return false;
    return open_spot_toward(hero, awayX, awayY, escape);
}

// The open spot one stride away in the direction nearest (ax, ay); a wall on that side sends her along it
// instead. False when every way is shut or only ways back toward the danger are open.
bool Autoplayer::open_spot_toward(const CHero& hero, float awayX, float awayY, Target* spot) const
{
    const float l = std::hypot(awayX, awayY);
    if (l < 1e-4f) {
        awayX = 0.0f;
        awayY = 1.0f;
    } else {
        awayX /= l;
        awayY /= l;
    }
    Target best{hero.x, hero.y};
    float bestScore = -1e9f;
    for (int k = 0; k < 8; k++) {
        const float ax = std::cos(float(k) * 0.785398f), ay = std::sin(float(k) * 0.785398f);
        bool open = true;
        int px = hero.x, py = hero.y;
        for (int step = 2; step <= kDetourReach && open; step += 3) {
            px = hero.x + int(ax * float(step));
            py = hero.y + int(ay * float(step) * 0.75f);
            open = Playfield.is_walkable(px, py);
        }
        const float score = ax * awayX + ay * awayY;
        if (open && score > bestScore) {
            bestScore = score;
            best = Target{px, py};
        }
    }
    *spot = best;
    return bestScore > -0.5f;
}

void Autoplayer::play(CHero& hero)
{
    CThingList* list = hero.ownerList;
    if (!hero.alive || !list) {
        release_stylus();
        release_key();
        return;
    }
    if (LevelProgress.paused) {
        release_stylus();
        release_key();
        tap(130, 305);
        return;
    }

    const CActor* monster = nullptr;
    const CPickup* pickup = nullptr;
    const CPickup* health = nullptr;
    const CTimeGate* gate = nullptr;
    int32_t monsterDistance = 1 << 30, pickupDistance = 1 << 30, healthDistance = 1 << 30;
    std::vector<const CActor*> monsters;
    for (CThing* t = list->first_thing(); t; t = list->next_thing()) {
        if (auto* g = dynamic_cast<const CTimeGate*>(t)) {
            if (g->alive) gate = g;
        } else if (auto* p = dynamic_cast<const CPickup*>(t)) {
            const int32_t d = hero.Getdistance(p);
            if (!p->alive || p->vanishing) continue;
            if (d < pickupDistance) {
                pickup = p;
                pickupDistance = d;
            }
            if (dynamic_cast<const CHealthPickup*>(p) && d < healthDistance) {
                health = p;
                healthDistance = d;
            }
        } else if (auto* m = dynamic_cast<const CMonster*>(t)) {
            if (!m->alive) continue;
            monsters.push_back(m);
            const int32_t d = hero.Getdistance(m);
            if (d < monsterDistance) {
                monster = m;
                monsterDistance = d;
            }
        }
    }

    select_a_spell();
    if (!outbox.empty()) return;

    Target escape;
    if (hero.state != HERO_STRIKING && danger(hero, *list, &escape)) {
        detourLeft = 0;
        steer_to(escape.x, escape.y);
        return;
    }

    if (detourLeft > 0) {
        detourLeft--;
        steer_to(detour.x, detour.y);
        return;
    }
    if (stuck(hero)) return;

    // Fight whatever is at her throat; otherwise the gate, then what lies about, then the hunt.
    // Badly hurt, she goes for life first, through whatever stands in the way.
    const bool threatened = monster && monsterDistance < 70;
    const CVisual* goal = nullptr;
    if (health && hero.health < kLowHealth && healthDistance < 250) goal = health;
    else if (gate && !threatened) goal = gate;
    else if (pickup && !threatened && pickupDistance < 300) goal = pickup;
    if (goal) {
        if (hero.Getdistance(goal) < kFineApproach)
            step_onto(hero, goal->x, goal->y);
        else
            steer_to(goal->x, goal->y);
        return;
    }
    if (monster) {
        fight(hero, *monster, monsters);
        return;
    }
    // Nothing in sight: walk the ground from end to end, where the next ones will rise.
    const Rect* r = Playfield.get_playfield_rect();
    const int32_t left = r ? std::max(r->left, 0) + 40 : 40;
    const int32_t right = r ? std::min(r->right, Playfield.width) - 40 : Playfield.width - 40;
    const int32_t middle = r ? (r->top + r->bottom) / 2 + 20 : hero.y;
    const int32_t wx = patrolLeg % 2 ? left : right;
    if (std::abs(hero.x - wx) < 30) patrolLeg++;
    steer_to(wx, middle);
}

void Autoplayer::off_the_game()
{
    // The menus tapped with the stylus and the keys are of no use there: let go of both, forget the rest.
    outbox.clear();
    if (stylusHeld) events_post({MSG_LBUTTONUP, 0, pack_point(stylusX, stylusY)});
    if (heldButton >= 0) events_post({MSG_KEYUP, g_input.code_of(heldButton), 0});
    stylusHeld = false;
    heldButton = -1;
    detourLeft = 0;
    stillFrames = 0;
}

void Autoplayer::frame()
{
    count++;
    // A line for each level it gets to play, so a run's log shows how long each one took.
    if (AppState.screenState == STATE_GAME && WellKnownIds[SLOT_HERO] != heroSeen) {
        // A new level, reached through the menus: whatever was held before is let go.
        off_the_game();
        heroSeen = WellKnownIds[SLOT_HERO];
        if (heroSeen) log_msg("Autoplay: level %d begins at %u ms.", int(LevelProgress.levelNumber), AppState.frameTime);
    }
    if (outbox.empty() && AppState.screenState == STATE_GAME)
        if (CHero* hero = current_hero()) play(*hero);
    if (outbox.empty()) return;
    events_post(outbox.front());
    outbox.pop_front();
}

Autoplayer g_player;

}  // namespace

void autoplay_frame() { g_player.frame(); }
