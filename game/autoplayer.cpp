// The built-in player: watches the level like a person at the screen and plays it with posted input only.
#include "game/autoplayer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>

#include "app/app_state.h"
#include "app/input.h"
#include "game/direction.h"
#include "game/hero.h"
#include "game/level_progress.h"
#include "game/monster.h"
#include "game/pickup.h"
#include "game/spell_bar.h"
#include "game/spell_table.h"
#include "game/thing_list.h"
#include "game/time_gate.h"
#include "game/well_known_ids.h"
#include "graphics/playfield.h"
#include "platform/events.h"

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
constexpr int kDetourFrames = 18;
constexpr int kStoryTapEvery = 30;

struct Target {
    int32_t x = 0;
    int32_t y = 0;
};

class Autoplayer {
public:
    void frame();

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
    void fight(CHero& hero, const CActor& monster);
    void select_a_spell();
    bool stuck(const CHero& hero);

    std::deque<Message> outbox;
    long count = 0;
    bool stylusHeld = false;
    int stylusX = 0, stylusY = 0;
    int heldButton = -1;
    long lastCast = -1000;
    long lastStoryTap = -1000;
    float lastX = 0.0f, lastY = 0.0f;
    int stillFrames = 0;
    int detourLeft = 0;
    Target detour;
    int patrolLeg = 0;
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
    // Round the obstacle: up or down the ground, a little to either side.
    stillFrames = 0;
    detourLeft = kDetourFrames;
    const Rect* r = Playfield.get_playfield_rect();
    const int32_t middle = r ? (r->top + r->bottom) / 2 : hero.y;
    detour.y = hero.y < middle ? hero.y + 50 : hero.y - 50;
    detour.x = hero.x + ((count / kDetourFrames) % 2 ? 40 : -40);
    return true;
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

void Autoplayer::fight(CHero& hero, const CActor& monster)
{
    const int32_t d = hero.Getdistance(&monster);
    int32_t px = 0, py = 0;
    hero.point_ahead(kHeroStrikeReach, &px, &py);
    const float reach = float(kHeroStrikeRadius) * float((monster.scalePercent + 100) / 2) * 0.01f * 0.85f;
    const float off = std::hypot(float(px - monster.x), float(py - monster.y));
    const bool inReach = off <= reach;

    if (inReach || d < 18) {
        // Stand and swing; with no input she turns to the nearest monster by herself.
        release_stylus();
        release_key();
        if (hero.state != HERO_STRIKING && inReach) press_button(BTN_B);
        return;
    }
    const SpellRecord* spell = spell_record(SelectedSpell);
    const bool canCast = SelectedSpell != SPELL_NONE && spell && spell->usesLeft >= 1;
    const int facing = direction_to(float(hero.x), float(hero.y), float(monster.x), float(monster.y));
    if (canCast && d >= kCastNear && d <= kCastFar && count - lastCast >= kCastEveryFrames) {
        release_stylus();
        release_key();
        if (facing == hero.direction && hero.state != HERO_STRIKING) {
            press_button(BTN_A);
            lastCast = count;
        }
        return;
    }
    steer_to(monster.x, monster.y);
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
    const CTimeGate* gate = nullptr;
    int32_t monsterDistance = 1 << 30, pickupDistance = 1 << 30;
    for (CThing* t = list->first_thing(); t; t = list->next_thing()) {
        if (auto* g = dynamic_cast<const CTimeGate*>(t)) {
            if (g->alive) gate = g;
        } else if (auto* p = dynamic_cast<const CPickup*>(t)) {
            const int32_t d = hero.Getdistance(p);
            if (p->alive && !p->vanishing && d < pickupDistance) {
                pickup = p;
                pickupDistance = d;
            }
        } else if (auto* m = dynamic_cast<const CMonster*>(t)) {
            const int32_t d = hero.Getdistance(m);
            if (m->alive && d < monsterDistance) {
                monster = m;
                monsterDistance = d;
            }
        }
    }

    select_a_spell();
    if (!outbox.empty()) return;

    if (detourLeft > 0) {
        detourLeft--;
        steer_to(detour.x, detour.y);
        return;
    }
    if (stuck(hero)) return;

    // Fight whatever is at her throat; otherwise the gate, then what lies about, then the hunt.
    const bool threatened = monster && monsterDistance < 70;
    const CVisual* goal = nullptr;
    if (gate && !threatened) goal = gate;
    else if (pickup && !threatened && pickupDistance < 300) goal = pickup;
    if (goal) {
        if (hero.Getdistance(goal) < kFineApproach)
            step_onto(hero, goal->x, goal->y);
        else
            steer_to(goal->x, goal->y);
        return;
    }
    if (monster) {
        fight(hero, *monster);
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

void Autoplayer::frame()
{
    count++;
    if (outbox.empty()) {
        switch (AppState.screenState) {
        case STATE_GAME:
            if (CHero* hero = current_hero()) play(*hero);
            break;
        case STATE_STORY:
            // The continue strip along the bottom of the story.
            if (count - lastStoryTap >= kStoryTapEvery) {
                stylusHeld = false;
                heldButton = -1;
                tap(120, 290);
                lastStoryTap = count;
            }
            break;
        default: break;
        }
    }
    if (outbox.empty()) return;
    events_post(outbox.front());
    outbox.pop_front();
}

Autoplayer g_player;

}  // namespace

void autoplay_frame() { g_player.frame(); }
