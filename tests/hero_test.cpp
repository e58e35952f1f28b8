// CHero over real strip files: the strike on frame 4 in the scaled circle, auto-aim, gaits, damage, death, camera.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "app/app_state.h"
#include "app/input.h"
#include "game/hero.h"
#include "game/level_progress.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "graphics/playfield.h"
#include "platform/events.h"
#include "support/gameplay_files.h"
#include "support/monster_files.h"
#include "support/temp_folder.h"

namespace {

class HeroTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_test_level(dir, list, 1);
        // 6 frames (the swing lands on the 4th), 20 x 20; a death of 3.
        ASSERT_TRUE(write_hero_strips(dir, 6, 3));
        g_input = InputState{};

        // The usual depth band 77..163 with half the usual perspective: y 120 is drawn at 75 %.
        Playfield.scaleMod = 0.5f;
        Playfield.set_playfield_rect(Rect{0, 60, 640, 240});

        hero = new CHero;
        WellKnownIds[SLOT_HERO] = list.add_thing(hero);
        hero->set_position(300, 120);
        hero->apply_depth_scale();
    }
    void TearDown() override { AppState.currentGameList = nullptr; }

    void frame(uint32_t ms = 40) { think_after(list, ms); }

    TempFolder dir;
    CThingList list;
    CHero* hero = nullptr;
};

TEST_F(HeroTest, StrikeLandsOnceOnFrameFourOnEveryLivingThingInTheScaledCircle)
{
    ASSERT_EQ(hero->scalePercent, 75);
    hero->set_direction(6);
    // 25 ahead at 75 % is 18 to the right, (318, 120); a victim at 50 % counts within 25 x 75 % = 18.75 of
    // that point, one at 100 % within 25. Not a monster, or dead: a strike spares nothing alive.
    struct Victim {
        int dx, dy, percent, kind, alive, hits;
    } const victims[] = {{18, 0, 50, 100, 1, 1},  {0, 19, 50, 100, 1, 0}, {-24, 0, 100, 100, 1, 1},
                         {0, -26, 100, 100, 1, 0}, {2, 2, 100, 0, 1, 1},  {0, 0, 100, 100, 0, 0}};
    std::vector<TargetDummy*> dummies;
    for (const Victim& v : victims) {
        dummies.push_back(add_target_dummy(list, 318 + v.dx, 120 + v.dy, v.percent, v.kind));
        dummies.back()->alive = uint8_t(v.alive);
    }

    hero->strike_command();
    ASSERT_EQ(hero->state, HERO_STRIKING);
    int landedOnFrame = 0;
    for (int i = 0; i < 60 && hero->state == HERO_STRIKING; i++) {
        frame(25);
        if (!landedOnFrame && dummies[0]->hits) landedOnFrame = hero->frame;
        // A second command while swinging starts nothing new.
        if (hero->state == HERO_STRIKING) hero->strike_command();
    }
    EXPECT_EQ(landedOnFrame, 4);
    EXPECT_EQ(hero->state, HERO_IDLE);
    EXPECT_EQ(dummies[0]->taken, kHeroStrikeDamage);
    for (size_t i = 0; i < dummies.size(); i++) EXPECT_EQ(dummies[i]->hits, victims[i].hits) << i;
    EXPECT_EQ(hero->health, kHeroFullHealth);
}

TEST_F(HeroTest, AutoAimIgnoresMonstersExactlyOneHundredTenAwayAndTheDeadAndTheStylusSteers)
{
    hero->set_position(100, 200);
    add_target_dummy(list, 210, 200);              // exactly 110: out of range
    add_target_dummy(list, 150, 200)->alive = 0;   // near, but dead
    add_target_dummy(list, 120, 210, 100, 0);      // near, but not a monster
    EXPECT_EQ(hero->auto_aim_target(), 0u);

    TargetDummy* below = add_target_dummy(list, 100, 309);  // 109 straight down
    EXPECT_EQ(hero->auto_aim_target(), below->id);

    // With no input she turns toward it, one 45-degree step per 75 ms.
    hero->set_direction(6);
    frame(80);
    EXPECT_EQ(hero->direction, 3);
    frame(80);
    EXPECT_EQ(hero->direction, 2);

    // A stylus held on the playfield steers her toward its point in the world instead.
    hero->set_position(300, 120);
    Playfield.viewX = 200.0f;
    g_input.on_stylus_down(pack_point(10, 200));  // world (210, 120): to her left
    for (int i = 0; i < 6; i++) frame(80);
    EXPECT_EQ(hero->direction, 4);
    EXPECT_LT(hero->fx, 300.0f);
}

TEST_F(HeroTest, HeldInputWalksThenRunsAndABriefPauseKeepsTheRun)
{
    // Held input walks, and after 360 ms runs. One frame without input idles her, but within 100 ms the run
    // flag still stands; after longer she walks again first.
    struct Step {
        bool held;
        int frames;
        uint32_t ms;
        int32_t state;
    } const steps[] = {{true, 1, 40, HERO_WALK}, {true, 8, 40, HERO_RUN},   {false, 1, 40, HERO_IDLE},
                       {true, 1, 40, HERO_RUN},  {false, 2, 60, HERO_IDLE}, {true, 1, 40, HERO_WALK}};
    hero->set_direction(6);
    for (const Step& step : steps) {
        const float before = hero->fx;
        g_input.keys[BTN_RIGHT].held = step.held;
        for (int i = 0; i < step.frames; i++) frame(step.ms);
        EXPECT_EQ(hero->state, step.state) << &step - steps;
        EXPECT_TRUE(step.state == HERO_IDLE || hero->fx > before) << &step - steps;  // walking and running move her
    }
}

TEST_F(HeroTest, HitsBelowThirtyTurnHerRedAndTheLastOneEndsTheGame)
{
    // No more than the armour does nothing.
    hero->health = 40;
    for (auto [armour, amount, health] : {std::tuple{0, 10, 30}, {2, 2, 30}, {0, 1, 29}}) {
        hero->armour = armour;
        hero->hit(amount, 0);
        EXPECT_EQ(hero->health, health);
        EXPECT_EQ(hero->tintActive, health < 30);
    }

    hero->health = 5;
    hero->message(MSG_DIRECT_DAMAGE, nullptr, 5);
    EXPECT_EQ(hero->alive, 0);
    EXPECT_EQ(hero->state, HERO_DYING);
    hero->hit(50, 0);  // the dying take no more
    EXPECT_EQ(hero->health, 0);
    for (int i = 0; i < 20 && hero->state != HERO_DEAD; i++) frame(100);
    EXPECT_EQ(hero->state, HERO_DEAD);
    EXPECT_EQ(list.highest_sort_key(), 500);  // the game-over banner, on top of the playfield
}

TEST_F(HeroTest, WhilePausedSheHoldsStillButTheViewStillFollows)
{
    Playfield.viewX = 0.0f;
    AppState.frameScale = 4.0;
    hero->set_position(500, 120);
    LevelProgress.paused = 1;
    g_input.keys[BTN_RIGHT].held = 1;
    for (int i = 0; i < 30; i++) frame();
    EXPECT_EQ(hero->x, 500);
    EXPECT_EQ(hero->state, HERO_IDLE);
    // The view eases toward her (x - 120), clamped to the playfield's last screen (400).
    EXPECT_GT(Playfield.viewX, 300.0f);
    EXPECT_LE(Playfield.viewX, 400.0f);
}

}  // namespace
