// cast_spell: the projectile each spell launches, the hero's uses of it, and Incinerate's burn of the view.
#include "game/spells.h"

#include <vector>

#include "game/actor.h"
#include "game/explosion.h"
#include "game/hero.h"
#include "game/level_progress.h"
#include "game/projectile.h"
#include "game/spell_bar.h"
#include "game/thing_list.h"
#include "graphics/playfield.h"
#include "sound/sound_table.h"

namespace {

constexpr int32_t kIncinerateDamage = 50;
constexpr int32_t kIncinerateMargin = 30;

struct Launch {
    float targetSpeed;
    float acceleration;
    float startSpeed;
    float verticalSpeed;
    float gravity;
    const char* shadow;
    const char* sound;
};

CProjectile* make_projectile(int32_t spell, Launch* launch)
{
    switch (spell) {
    case SPELL_FIREBALL:
        *launch = {2.0f, 0.01f, 3.0f, 1.12f, 0.042f, kShadowSmall, "sounds\\rocket-f.wav"};
        return new CFireball;
    case SPELL_SUPER_FIREBALL:
        *launch = {2.0f, 0.01f, 1.5f, 0.0f, 0.0f, kShadowBig, "sounds\\fireball.wav"};
        return new CSuperFireball;
    case SPELL_LIGHTNING:
        *launch = {2.0f, 0.01f, 2.2f, 0.0f, 0.0f, kShadowSmall, "sounds\\lightning.wav"};
        return new CLightningBolt;
    case SPELL_MONSTER_FIREBALL:
        // Slow and level: it stays 60 up for the whole flight.
        *launch = {2.0f, 0.01f, 1.2f, 0.0f, 0.0f, kShadowBig, "sounds\\rocket-f.wav"};
        return new CFireball;
    default: return nullptr;
    }
}

CSpellBar* spell_bar(CThingList* list)
{
    if (!list || !LevelProgress.spellBarId) return nullptr;
    return dynamic_cast<CSpellBar*>(list->find_thing(LevelProgress.spellBarId));
}

// The hero spends one use; the bar shows what is left or lets the spell go.
void spend_use(CThingList* list, int32_t spell)
{
    SpellRecord* record = spell_record(spell);
    if (!record) return;
    record->usesLeft--;
    CSpellBar* bar = spell_bar(list);
    if (!bar) return;
    if (record->usesLeft >= 1)
        bar->refresh_count(spell);
    else
        bar->drop_selected();
}

}  // namespace

void cast_spell(CActor* caster, float heading, int32_t spell)
{
    if (!caster || !caster->ownerList || spell == SPELL_NONE) return;
    CThingList* list = caster->ownerList;
    const bool byHero = caster->kindNumber == kHeroKind;
    if (byHero) {
        // The bar never offers a spell that has run out; should one be asked for all the same, nothing
        // is cast and the count stays at 0.
        const SpellRecord* record = spell_record(spell);
        if (!record || record->usesLeft < 1) return;
    }

    if (spell == SPELL_INCINERATE) {
        incinerate(caster);
    } else {
        Launch launch{};
        CProjectile* shot = make_projectile(spell, &launch);
        if (!shot) return;
        if (!list->adopt(shot)) return;
        shot->casterId = int32_t(caster->id);
        shot->set_position_f(caster->fx, caster->fy);
        shot->set_heading(heading);
        shot->targetSpeed = launch.targetSpeed;
        shot->acceleration = launch.acceleration;
        shot->speed = launch.startSpeed;
        shot->verticalSpeed = launch.verticalSpeed;
        shot->gravity = launch.gravity;
        if (shot->width > 0 && shot->height > 0) shot->alloc_scratch(shot->width, shot->height);
        shot->apply_depth_scale();
        shot->attach_shadow(launch.shadow);
        play_sound(launch.sound);
    }
    if (byHero) spend_use(list, spell);
}

void incinerate(CActor* caster)
{
    if (!caster || !caster->ownerList) return;
    CThingList* list = caster->ownerList;
    // Gather first: the bursts join the list while it is being walked.
    std::vector<uint32_t> victims;
    for (CThing* t = list->first_thing(); t; t = list->next_thing()) {
        if (t == caster || t->kindNumber < 100) continue;
        auto* monster = dynamic_cast<CVisual*>(t);
        if (monster && monster->is_on_screen(kIncinerateMargin)) victims.push_back(monster->id);
    }
    for (uint32_t victimId : victims) {
        auto* monster = dynamic_cast<CVisual*>(list->find_thing(victimId));
        if (!monster) continue;
        monster->hit(kIncinerateDamage, 0);
        spawn_explosion(list, monster->x, monster->y, monster->scalePercent + 20, monster->sortKey, EXPLOSION_FIRE);
        spawn_explosion(list, monster->x, monster->y - 20, monster->scalePercent, monster->sortKey, EXPLOSION_FIRE);
    }
    Playfield.start_shake(5, 1000, 110);
    play_sound("sounds\\abomb.wav");
}
