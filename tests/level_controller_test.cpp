// The level controller over real strip files: the initial delay, both spawn caps, the boss phase, the gate, dragon flies and drops.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/app_state.h"
#include "game/dragon_fly.h"
#include "game/level_controller.h"
#include "game/level_progress.h"
#include "game/message_line.h"
#include "game/monster.h"
#include "game/monster_kind.h"
#include "game/pickup.h"
#include "game/thing_list.h"
#include "game/time_gate.h"
#include "game/well_known_ids.h"
#include "support/log_capture.h"
#include "support/monster_files.h"
#include "support/scene_files.h"
#include "support/temp_folder.h"

namespace {

class LevelControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_test_level(folder, list, 11);
        messages = add_test_message_line(list);
    }
    void TearDown() override
    {
        list.clear();
        AppState.currentGameList = nullptr;
        MonsterKinds.release_all_graphics();
    }

    // The script's numbers as start_level copies them, and the controller in its slot.
    CLevelController* start(int32_t killsRequired, int32_t toSpawn, int32_t maxAtOnce, int32_t delayMin,
                            int32_t delayMax, int32_t initialDelay)
    {
        LevelScript& s = LevelProgress.script;
        s.killsRequired = killsRequired;
        s.creaturesToSpawn = toSpawn;
        s.maxCreatures = maxAtOnce;
        s.spawnDelayMin = delayMin;
        s.spawnDelayMax = delayMax;
        s.initialDelay = initialDelay;
        copy_script_numbers(LevelProgress);
        auto* controller = new CLevelController(&list);
        WellKnownIds[SLOT_LEVEL_CONTROLLER] = list.add_thing(controller);
        return controller;
    }
    void tick(uint32_t ms) { think_after(list, ms); }
    CMonster* first_monster(int32_t kindId)
    {
        for (CMonster* m : things_of<CMonster>(list))
            if (m->kindNumber == kindId) return m;
        return nullptr;
    }

    TempFolder folder;
    CThingList list;
    CMessageLine* messages = nullptr;
};

TEST_F(LevelControllerTest, TheFirstSpawnWaitsTheInitialDelayAndBothCapsHold)
{
    ASSERT_TRUE(write_kind_strips(folder, *MonsterKinds.find_kind(100), 2, 6));
    LevelProgress.script.mainEnemy = 100;
    LevelProgress.script.secondaryEnemy = -1;
    CLevelController* controller = start(100, 3, 2, 200, 201, 500);
    // Kills first, then ms waited: the initial 500 ms; with two on screen the third is refused, and the
    // refusal uses its delay up; after a kill the next comes; all three spawned, no more however few are left.
    struct Step {
        int kills;
        uint32_t ms;
        int32_t spawned, onScreen;
    } const steps[] = {{0, 499, 0, 0}, {0, 1, 1, 1}, {0, 200, 2, 2}, {0, 200, 2, 2},
                       {1, 150, 2, 1}, {0, 50, 3, 2}, {2, 200, 3, 0}, {0, 200, 3, 0}};
    for (const Step& step : steps) {
        SCOPED_TRACE(&step - steps);
        for (int k = 0; k < step.kills; k++) controller->on_monster_killed(first_monster(100));
        tick(step.ms);
        EXPECT_EQ(LevelProgress.monstersSpawned, step.spawned);
        EXPECT_EQ(LevelProgress.monstersOnScreen, step.onScreen);
        EXPECT_EQ(count_of<CMonster>(list), step.spawned);
    }
    EXPECT_EQ(LevelProgress.kills, 3);
}

TEST_F(LevelControllerTest, NothingHappensWhilePausedAndWithoutABossTheGateAppearsOnceWhenTheQuotaIsMet)
{
    LogCapture log;
    LevelScript& s = LevelProgress.script;
    s.mainEnemy = 103;  // no such kind: the spawn is reported and counted, and makes no monster
    s.secondaryEnemy = -1;
    s.dragonFlies = 1.0f;
    s.dragonFlyMin = s.dragonFlyMax = 1000;  // an empty range is its lower bound
    start(2, 1, 5, 100, 200, 0);
    LevelProgress.paused = 1;
    for (int i = 0; i < 20; i++) tick(100);
    EXPECT_EQ(LevelProgress.monstersSpawned, 0);
    EXPECT_EQ(count_of<CDragonFly>(list), 0);
    LevelProgress.paused = 0;
    tick(10);
    EXPECT_EQ(LevelProgress.monstersSpawned, 1);
    EXPECT_EQ(LevelProgress.monstersOnScreen, 1);
    EXPECT_EQ(count_of<CMonster>(list), 0);
    EXPECT_TRUE(log.contains("Error: Unable to locate monster 103."));
    EXPECT_TRUE(log.contains("Error initting monster 103."));
    ASSERT_EQ(count_of<CDragonFly>(list), 1);
    EXPECT_EQ(things_of<CDragonFly>(list)[0]->pause, &LevelProgress.paused);

    for (int i = 0; i < 10; i++) tick(100);
    EXPECT_EQ(count_of<CTimeGate>(list), 0);
    LevelProgress.kills = 2;
    for (int i = 0; i < 10; i++) tick(100);
    EXPECT_EQ(count_of<CTimeGate>(list), 1);
}

TEST_F(LevelControllerTest, KillsDropPowerUpsAQuarterOfTheTimeAndHealthAOneTwelfth)
{
    CLevelController* controller = start(100000, 0, 0, 100, 200, 0);
    CMonster corpse;
    corpse.set_position(123, 150);
    const int kills = 3000;
    for (int i = 0; i < kills; i++) controller->on_monster_killed(&corpse);
    for (CPickup* pickup : things_of<CPickup>(list)) EXPECT_TRUE(pickup->x == 123 && pickup->y == 150);  // there
    EXPECT_NEAR(count_of<CPowerUp>(list), kills / 4, 75);
    EXPECT_NEAR(count_of<CHealthPickup>(list), kills / 12, 50);
    std::set<int32_t> spells;
    for (CPowerUp* p : things_of<CPowerUp>(list)) spells.insert(p->spell);
    EXPECT_EQ(spells, (std::set<int32_t>{1, 2, 3, 4}));
}

TEST_F(LevelControllerTest, AMonsterStillAboutWhenTheBossComesShowsItsFrameLoadedAgain)
{
    for (int32_t kind : {100, 108}) ASSERT_TRUE(write_kind_strips(folder, *MonsterKinds.find_kind(kind), 3, 6));
    LevelScript& s = LevelProgress.script;
    s.mainEnemy = 100;
    s.secondaryEnemy = -1;
    s.bossKind = 108;
    CLevelController* controller = start(2, 100, 10, 100, 101, 0);
    tick(100);
    CMonster* regular = first_monster(100);
    ASSERT_NE(regular, nullptr);
    AppState.frameScale = 10.0;  // as 100 ms frames run
    for (int i = 0; i < 30; i++) tick(100);  // grown out of the ground
    LevelProgress.kills = 2;  // the quota: no regular spawns from now until a kill after the boss has come
    tick(10);
    ASSERT_TRUE(controller->bossPhase);
    const int32_t spawned = LevelProgress.monstersSpawned;
    for (int i = 0; i < 29; i++) tick(100);
    controller->on_monster_killed(nullptr);  // a kill during the wait does not count
    tick(99);  // 2999 ms into the 3000 ms wait
    EXPECT_EQ(first_monster(108), nullptr);

    // The moment the boss comes, before anything else thinks (a monster's own think would fetch a new frame
    // only when its animation steps): every kind's frames were let go, and the monster about shows its own
    // frame loaded again.
    regular->set_position(60, 200);  // in view and at full size, to be drawn
    regular->set_scale_percent(100);
    AppState.frameTime += 1;
    controller->think();
    CMonster* boss = first_monster(108);
    ASSERT_NE(boss, nullptr);
    const CGraphicStrip* strip = &regular->stripSet->slot[regular->direction];
    while (strip->mirror && strip->source) strip = strip->source;
    ASSERT_NE(strip->frames, nullptr);
    EXPECT_EQ(regular->picture, strip->frames + size_t(regular->frame - 1) * size_t(strip->width) * strip->height);
    TestScreen screen(0x1234);
    list.draw_all();  // every monster about, read where the sanitizer sees a freed frame

    // Only a kill after the boss came ends its phase: the gate appears and spawning goes on.
    for (int i = 0; i < 20; i++) tick(100);
    EXPECT_EQ(LevelProgress.monstersSpawned, spawned);
    controller->on_monster_killed(boss);
    tick(10);
    tick(10);
    EXPECT_EQ(count_of<CTimeGate>(list), 1);
    EXPECT_STREQ(messages->pendingText, "The time gate has appeared");
    for (int i = 0; i < 3; i++) tick(100);
    EXPECT_GT(LevelProgress.monstersSpawned, spawned);
}

}  // namespace
