// Pickups and the time gate over real files: one use per pickup, reach by scale, the effects and messages, the gate's career save.
#include <gtest/gtest.h>

#include <cstring>

#include "app/app_state.h"
#include "game/level_progress.h"
#include "game/message_line.h"
#include "game/pickup.h"
#include "game/spell_bar.h"
#include "game/spell_table.h"
#include "game/thing_list.h"
#include "game/time_gate.h"
#include "game/well_known_ids.h"
#include "level/career.h"
#include "support/monster_files.h"
#include "support/scene_files.h"
#include "support/temp_folder.h"

namespace {

class PickupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_test_level(folder, list, 5);
        ASSERT_TRUE(write_strip(folder, "graphics/misc/health_2_00", 3, 16, 16));
        ASSERT_TRUE(write_strip(folder, "graphics/interface/pod_", 3, 40, 60));
        messages = add_test_message_line(list);
        hero = new TestHero;
        WellKnownIds[SLOT_HERO] = list.add_thing(hero);
        hero->set_position(200, 150);
    }
    void TearDown() override { AppState.currentGameList = nullptr; }

    // The prober steps onto (px, py) and probes for pickups there, as the hero does each frame.
    void probe_from(CActor* prober, int px, int py)
    {
        prober->set_position(px, py);
        prober->probe_pickups(20);
    }
    template <class T>
    T* drop(T* pickup, int px, int py)
    {
        list.add_thing(pickup);
        pickup->place(px, py);
        return pickup;
    }
    void tick(uint32_t ms) { think_after(list, ms); }

    TempFolder folder;
    CThingList list;
    CMessageLine* messages = nullptr;
    TestHero* hero = nullptr;
};

TEST_F(PickupTest, AHealthPickupServesTheFirstProbeInReachOnceAndOnlyTheHero)
{
    // Two probes in one frame take effect once; the pickup then grows away.
    hero->health = 30;
    const uint32_t healthId = drop(new CHealthPickup, 200, 150)->id;
    probe_from(hero, 200, 150);
    probe_from(hero, 200, 150);
    EXPECT_EQ(hero->health, 50);
    EXPECT_STREQ(messages->pendingText, "Found life");
    EXPECT_FALSE(messages->pending);  // shown once, nothing queued behind it
    for (int i = 0; i < 200 && list.find_thing(healthId); i++) tick(10);
    EXPECT_EQ(list.find_thing(healthId), nullptr);

    // The reach shrinks with depth, and a pickup never takes its own probe. At full health it is still used
    // up, and still told.
    hero->health = 75;
    messages->pendingText[0] = '\0';
    CHealthPickup* far = drop(new CHealthPickup, 300, 150);
    const int reach = far->scalePercent * 20 / 100;
    ASSERT_LT(reach, 20);
    probe_from(hero, 300 + reach + 1, 150);
    far->probe_pickups(100);
    EXPECT_TRUE(far->alive);
    probe_from(hero, 300 + reach, 150);
    EXPECT_FALSE(far->alive);
    EXPECT_EQ(hero->health, 75);
    EXPECT_STREQ(messages->pendingText, "Found life");

    // Anything else walking over it wastes it.
    auto* other = new TestHero;
    list.add_thing(other);
    other->health = 10;
    hero->health = 10;
    CHealthPickup* wasted = drop(new CHealthPickup, 400, 150);
    probe_from(other, 400, 150);
    EXPECT_FALSE(wasted->alive);
    EXPECT_EQ(other->health, 10);
    EXPECT_EQ(hero->health, 10);
}

TEST_F(PickupTest, PowerUpsAddUsesAndSayUseOrUses)
{
    auto* bar = new CSpellBar;
    list.add_thing(bar);
    bar->init();

    drop(new CPowerUp(SPELL_INCINERATE), 200, 150);
    probe_from(hero, 200, 150);
    EXPECT_EQ(SpellTable[SPELL_INCINERATE].usesLeft, 1);
    EXPECT_NE(LevelProgress.spellIconIds[SPELL_INCINERATE], 0u);  // the bar shows it now
    EXPECT_STREQ(messages->pendingText, "Found Incinerate. (1 use)");

    drop(new CPowerUp(SPELL_FIREBALL), 200, 150);
    probe_from(hero, 200, 150);
    EXPECT_EQ(SpellTable[SPELL_FIREBALL].usesLeft, 30);
    EXPECT_STREQ(messages->pendingText, "Found Fireball. (15 uses)");
}

TEST_F(PickupTest, TheGateFinishesTheLevelAndBelowLevelTwelveUnlocksTheNextAndSavesTheCareer)
{
    // Level 12 first: it leaves the career as it was and writes no file.
    const CareerRecord before = LevelProgress.career;
    for (int32_t level : {12, 5}) {
        SCOPED_TRACE(level);
        LevelProgress.levelNumber = level;
        auto* gate = new CTimeGate;
        list.add_thing(gate);
        gate->place_gate();
        EXPECT_EQ(gate->scaleMode, SCALE_GROW_IN);
        probe_from(hero, gate->x, gate->y);
        EXPECT_EQ(LevelProgress.levelFinished, 1u);
        LevelProgress.levelFinished = 0;
        EXPECT_EQ(std::memcmp(&before, &LevelProgress.career, sizeof before) == 0, level == 12);
        EXPECT_EQ(level_unlocked(LevelProgress.career, 6), level == 5);
        EXPECT_EQ(path_exists(folder.file("career.dat")), level == 5);  // its layout is the career test's
        int banners = 0;
        for (CThing* t = list.first_thing(); t; t = list.next_thing()) banners += t->sortKey == 500;
        EXPECT_EQ(banners, level == 12 ? 1 : 2);
        tick(10);
        EXPECT_NE(list.find_thing(gate->id), nullptr);  // the level change clears it, not the probe
    }
}

}  // namespace
