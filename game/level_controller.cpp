// CLevelController: spawning by the script's numbers and caps, the boss phase, the time gate, dragon flies and drops.
#include "game/level_controller.h"

#include "app/app_state.h"
#include "game/dragon_fly.h"
#include "game/game_services.h"
#include "game/level_progress.h"
#include "game/monster.h"
#include "game/monster_kind.h"
#include "game/pickup.h"
#include "game/thing_list.h"
#include "game/time_gate.h"
#include "game/well_known_ids.h"
#include "level/loader.h"
#include "sound/sound_table.h"
#include "util/log.h"
#include "util/numeric.h"

namespace {

constexpr uint32_t kBossWaitMs = 3000;
constexpr uint32_t kBossIntroMuteMs = 800000;
constexpr uint32_t kGateMessageMs = 3000;

// A delay in [lo, hi); a script giving an empty or reversed range gets its lower bound instead of a
// division by zero.
uint32_t delay_between(int32_t lo, int32_t hi)
{
    const int32_t ms = hi > lo ? random_range(lo, hi) : lo;
    return ms > 0 ? uint32_t(ms) : 0u;
}

}  // namespace

CLevelController::CLevelController(CThingList* into) : CLevelController(into, &LevelProgress) {}

CLevelController::CLevelController(CThingList* into, LevelProgressRecord* record) : list(into), progress(record)
{
    spawnTimer.set_interval(progress->initialDelay > 0 ? uint32_t(progress->initialDelay) : 0u);
    const LevelScript& s = progress->script;
    if (s.dragonFlies != 0.0f) dragonFlyTimer.set_interval(delay_between(s.dragonFlyMin, s.dragonFlyMax));
}

void CLevelController::think()
{
    if (!list || progress->paused) return;
    LevelProgressRecord& p = *progress;
    const LevelScript& s = p.script;

    if (s.dragonFlies != 0.0f && dragonFlyTimer.ready()) {
        send_dragon_fly();
        dragonFlyTimer.set_interval(delay_between(s.dragonFlyMin, s.dragonFlyMax));
    }
    if (bossPhase) {
        boss_step();
        return;
    }

    if (p.kills >= p.killsRequired) {
        if (s.bossKind != 0 && !s.bossReleased) {
            // No regular spawns until a kill after the boss's arrival.
            bossTimer.set_interval(kBossWaitMs);
            bossPhase = 1;
            killsAtBossPhase = p.kills;
            return;
        }
        if (!p.timeGateAppeared) place_time_gate();
    }

    // A refused attempt still uses up its delay.
    if (!spawnTimer.ready()) return;
    spawnTimer.set_interval(delay_between(p.spawnDelayMin, p.spawnDelayMax));
    if (p.monstersOnScreen >= p.maxCreatures || p.monstersSpawned >= p.creaturesToSpawn) return;
    p.monstersSpawned++;
    p.monstersOnScreen++;
    if (s.mainEnemy == -1) return;
    const bool secondary = s.secondaryEnemy != -1 && random_below(2) == 0;
    spawn_monster(secondary ? s.secondaryEnemy : s.mainEnemy);
}

void CLevelController::boss_step()
{
    LevelProgressRecord& p = *progress;
    LevelScript& s = p.script;
    if (s.bossReleased) {
        // The boss, or anything, has died since it came: the level goes on toward the gate.
        if (p.kills > killsAtBossPhase) bossPhase = 0;
        return;
    }
    if (!bossTimer.ready()) return;

    if (s.bossIntroSound[0]) {
        mute_ambient(kBossIntroMuteMs);
        play_sound(s.bossIntroSound);
    }
    MonsterKinds.release_all_graphics();
    s.bossReleased = 1;
    if (Loader.sprite) Loader.show(1);
    // Monsters still about were showing frames that were just freed: fetch theirs again.
    for (CThing* t = list->first_thing(); t; t = list->next_thing())
        if (auto* m = dynamic_cast<CMonster*>(t)) m->refresh_frame();
    if (CMonsterKind* boss = MonsterKinds.find_kind(s.bossKind)) MonsterKinds.load_graphics(boss);
    spawn_monster(s.bossKind);
    // Counted from the boss's arrival: monsters that fell during the wait must not end the phase at once.
    killsAtBossPhase = p.kills;
    if (Loader.sprite) Loader.show(0);
}

uint32_t CLevelController::spawn_monster(int32_t kindId)
{
    if (!list) return 0;
    auto* monster = new CMonster;
    const uint32_t monsterId = list->adopt(monster);
    if (!monsterId) return 0;
    if (!monster->init(kindId)) {
        monster->removeFlag = 1;
        log_error("Error initting monster %d.", int(kindId));
        return 0;
    }
    monster->watch_pause(&progress->paused);
    return monsterId;
}

void CLevelController::send_dragon_fly()
{
    auto* fly = new CDragonFly;
    if (!list->adopt(fly)) return;
    fly->init();
    fly->watch_pause(&progress->paused);
}

void CLevelController::place_time_gate()
{
    auto* gate = new CTimeGate(progress);
    if (!list->adopt(gate)) return;
    gate->place_gate();
    progress->timeGateAppeared = 1;
    show_message("The time gate has appeared", kGateMessageMs);
}

void CLevelController::on_monster_killed(CMonster* monster)
{
    progress->monstersOnScreen--;
    progress->kills++;
    if (!monster || !list || random_below(3) != 0) return;
    drop_at(monster->x, monster->y);
}

void CLevelController::drop_at(int32_t px, int32_t py)
{
    CPickup* pickup = nullptr;
    if (random_below(4) < 3)
        pickup = new CPowerUp(1 + random_below(4));
    else
        pickup = new CHealthPickup;
    if (list->adopt(pickup)) pickup->place(px, py);
}

CLevelController* current_level_controller()
{
    CThingList* gameList = AppState.currentGameList;
    const uint32_t controllerId = WellKnownIds[SLOT_LEVEL_CONTROLLER];
    if (!gameList || !controllerId) return nullptr;
    return dynamic_cast<CLevelController*>(gameList->find_thing(controllerId));
}
