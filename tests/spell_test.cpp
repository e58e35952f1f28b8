// Spells over real strip files: owners spared, every victim in the circle, the last use, Incinerate's reach, edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "game/cannon.h"
#include "game/dragon_fly.h"
#include "game/explosion.h"
#include "game/hero.h"
#include "game/level_progress.h"
#include "game/projectile.h"
#include "game/spell_bar.h"
#include "game/spells.h"
#include "game/well_known_ids.h"
#include "graphics/playfield.h"
#include "support/gameplay_files.h"
#include "support/log_capture.h"
#include "support/monster_files.h"
#include "support/scene_files.h"
#include "support/temp_folder.h"

namespace {

class SpellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_test_level(dir, list, 1);
        for (const char* strip : {"graphics/misc/fire_ball_", "graphics/misc/super_fire_ball_",
                                  "graphics/misc/blue_star_", "graphics/explosion/explod"})
            write_strip(dir, strip, 4, 16, 16);
        write_bytes(dir.file("graphics/misc/shadow_small.tga"), make_keyed_tga(12, 6, 10, 10, 10));
        write_bytes(dir.file("graphics/misc/shadow_big.tga"), make_keyed_tga(20, 8, 10, 10, 10));
        ASSERT_TRUE(write_hero_strips(dir, 6, 3));
        name_projectile_strips();

        // Everything at full size: the near line is at 100 and above.
        Playfield.fieldStart = 200;
        Playfield.fieldEnd = 140;
        Playfield.set_playfield_rect(Rect{0, 100, 640, 220});

        hero = new CHero;
        WellKnownIds[SLOT_HERO] = list.add_thing(hero);
        hero->set_position(200, 150);
        hero->apply_depth_scale();
        Playfield.viewX = 100.0f;
    }
    void TearDown() override { AppState.currentGameList = nullptr; }

    void frame(uint32_t ms = 40) { think_after(list, ms); }
    TargetDummy* add_dummy(int px, int py, int kind = 100) { return add_target_dummy(list, px, py, 100, kind); }
    // A dragon fly of the wanted sort, found by trying seeds.
    CDragonFly* add_fly(bool bomber)
    {
        auto* fly = new CDragonFly;
        list.add_thing(fly);
        for (unsigned seed = 1; seed < 50 && (seed == 1 || bool(fly->bomber) != bomber); seed++) {
            srand(seed);
            fly->init();
        }
        EXPECT_EQ(bool(fly->bomber), bomber);
        return fly;
    }

    TempFolder dir;
    CThingList list;
    CHero* hero = nullptr;
};

TEST_F(SpellTest, EveryoneInAFireballsCircleButItsCasterTakesFiveThenItBurstsWhateverItsHeading)
{
    // The caster stands where the fireball starts: point blank.
    TargetDummy* caster = add_dummy(250, 150);
    TargetDummy* a = add_dummy(260, 150);
    TargetDummy* b = add_dummy(246, 165);
    TargetDummy* far = add_dummy(290, 150);
    cast_spell(caster, 0.0f, SPELL_MONSTER_FIREBALL);
    ASSERT_EQ(count_of<CFireball>(list), 1);
    frame();
    EXPECT_EQ(a->taken, 5);
    EXPECT_EQ(b->taken, 5);
    EXPECT_EQ(far->taken, 0);
    EXPECT_EQ(caster->taken, 0);
    frame();
    EXPECT_EQ(count_of<CFireball>(list), 0);
    EXPECT_EQ(count_of<CExplosion>(list), 1);
    EXPECT_EQ(a->taken, 5);
    // The burst plays its strip and goes; the fireball's shadow went with it.
    for (int i = 0; i < 10; i++) frame();
    EXPECT_EQ(count_of<CExplosion>(list), 0);
    EXPECT_EQ(count_of<CShadow>(list), 0);

    // A heading outside 0..2 pi is logged and still flown.
    LogCapture log;
    cast_spell(caster, 7.5f, SPELL_SUPER_FIREBALL);
    EXPECT_TRUE(log.contains("CProjectile got invalid radian."));
    EXPECT_EQ(count_of<CSuperFireball>(list), 1);
}

TEST_F(SpellTest, TheLastUseOfASpellDropsItFromTheBar)
{
    SpellTable[SPELL_LIGHTNING].usesLeft = 1;
    SpellTable[SPELL_FIREBALL].usesLeft = 3;
    SelectedSpell = SPELL_LIGHTNING;
    auto* bar = new CSpellBar;
    list.add_thing(bar);
    bar->init();
    // Monsters cast without spending anything; the hero's last use drops the spell (the bar's side is HudTest's).
    cast_spell(add_dummy(300, 150), 0.0f, SPELL_LIGHTNING);
    EXPECT_EQ(SpellTable[SPELL_LIGHTNING].usesLeft, 1);
    hero->cast();
    EXPECT_EQ(count_of<CLightningBolt>(list), 2);
    EXPECT_EQ(SpellTable[SPELL_LIGHTNING].usesLeft, 0);
    EXPECT_EQ(SelectedSpell, SPELL_FIREBALL);

    // Asked for all the same, a spent spell casts nothing and never goes below 0.
    cast_spell(hero, 0.0f, SPELL_LIGHTNING);
    EXPECT_EQ(SpellTable[SPELL_LIGHTNING].usesLeft, 0);
    EXPECT_EQ(count_of<CLightningBolt>(list), 2);
}

TEST_F(SpellTest, IncinerateReachesOnlyMonstersWithinTheViewWidenedByThirty)
{
    // The view shows 100..340; Incinerate reaches 70..370.
    TargetDummy* leftEdge = add_dummy(70, 150);
    TargetDummy* leftOut = add_dummy(69, 150);
    TargetDummy* rightEdge = add_dummy(370, 150);
    TargetDummy* rightOut = add_dummy(371, 150);
    TargetDummy* belowField = add_dummy(200, 220);
    TargetDummy* scenery = add_dummy(200, 160, 0);
    SpellTable[SPELL_INCINERATE].usesLeft = 1;
    SelectedSpell = SPELL_INCINERATE;
    hero->cast();
    EXPECT_EQ(leftEdge->taken, 50);
    EXPECT_EQ(rightEdge->taken, 50);
    EXPECT_EQ(leftOut->hits + rightOut->hits + belowField->hits + scenery->hits, 0);
    // Two bursts on each victim, and the ground shakes.
    EXPECT_EQ(count_of<CExplosion>(list), 4);
    EXPECT_TRUE(Playfield.shakeActive);
}

TEST_F(SpellTest, ABoltLeavingTheNearEdgeFliesFiftyOnAndGoesWithoutABurst)
{
    hero->set_position(200, 215);
    SpellTable[SPELL_LIGHTNING].usesLeft = 5;
    SelectedSpell = SPELL_LIGHTNING;
    hero->set_direction(2);
    hero->cast();
    ASSERT_EQ(count_of<CLightningBolt>(list), 1);
    CLightningBolt* bolt = things_of<CLightningBolt>(list)[0];
    int deepest = 0;
    for (int i = 0; i < 200 && count_of<CLightningBolt>(list); i++) {
        deepest = bolt->y;
        frame();
    }
    EXPECT_EQ(count_of<CLightningBolt>(list), 0);
    EXPECT_GE(deepest, 220 + 50);
    EXPECT_LT(deepest, 220 + 53);
    EXPECT_EQ(count_of<CExplosion>(list), 0);
}

TEST_F(SpellTest, ABomberBombsWhereTheHeroWalksAndAHighFlierCrossesTheSkyInSight)
{
    // Flies the size of the game's own: 81 x 63.
    write_strip(dir, "graphics/dfly/dfly_fly_6_00", 2, 81, 63);
    CDragonFly* bomber = add_fly(true);
    EXPECT_EQ(bomber->y, hero->y);
    EXPECT_EQ(bomber->x, 70);
    CDragonFly* flier = add_fly(false);

    // In the middle of the view the flier is drawn whole (every pixel but the key) in the sky: from 20 below
    // the top of the view, above the ground (the playfield starts at row 100).
    for (int i = 0; i < 100 && flier->x - int(Playfield.viewX) < 120; i++) frame();
    TestScreen screen(0x1234);
    flier->draw();
    int drawn = 0;
    for (int y = 20; y < 20 + 63; y++) drawn += screen.drawn_in_row(y);
    EXPECT_EQ(drawn, 81 * 63 - 1);

    for (int i = 0; i < 30; i++) frame();  // over 1.2 s in all: a bomb away
    EXPECT_GE(count_of<CFireball>(list), 1);
    // Both go on 80 past the view's right edge and leave.
    for (int i = 0; i < 2000 && count_of<CDragonFly>(list); i++) frame();
    EXPECT_EQ(count_of<CDragonFly>(list), 0);
}

// The scenery cannon: the shot, the whistle and the impact where the hero stood.
class CannonTest : public SpellTest {
protected:
    void SetUp() override
    {
        SpellTest::SetUp();
        write_strip(dir, "graphics/cannon/cannon_fire_00", 3, 30, 20);
    }
    CCannon* add_cannon()
    {
        auto* cannon = new CCannon("graphics\\cannon\\cannon_fire_00", 300, 110, "", 0, 0, 90);
        list.add_thing(cannon);
        return cannon;
    }
    // Steps of 1 ms until the cannon fires, at most 11 s; the shot comes 8000..10999 ms after since.
    uint32_t expect_shot(CCannon* cannon, uint32_t since)
    {
        for (uint32_t waited = 0; waited < 11000 && cannon->phase == 0; waited++) frame(1);
        const uint32_t after = AppState.frameTime - since;
        EXPECT_TRUE(cannon->phase != 0 && after >= 8000 && after <= 10999) << after;
        return AppState.frameTime;
    }
    // whistleIn ms of play before the whistle: the shell flies on, whistles, and 5600 ms later lands on the hero.
    void expect_whistle_then_impact(CCannon* cannon, uint32_t whistleIn)
    {
        think_after(list, whistleIn - 1);
        EXPECT_EQ(cannon->phase, 1);
        think_after(list, 1);
        EXPECT_EQ(cannon->phase, 2);
        think_after(list, 5599);
        EXPECT_EQ(count_of<CExplosion>(list), 0);
        EXPECT_EQ(hero->health, kHeroFullHealth);
        think_after(list, 1);
        EXPECT_EQ(count_of<CExplosion>(list), 5);
        EXPECT_EQ(hero->health, kHeroFullHealth - 40);
    }
};

TEST_F(CannonTest, TheWhistleFollowsTheShotAndTheImpactHurtsEverythingInTheCircle)
{
    // The blast centres 25 above where the hero stood, (200, 125); at full size it reaches 80.
    TargetDummy* inside = add_dummy(279, 125);
    TargetDummy* outside = add_dummy(281, 125);
    TargetDummy* scenery = add_dummy(150, 140, 0);
    CCannon* cannon = add_cannon();
    const uint32_t armed = AppState.frameTime;
    const uint32_t firstWait = expect_shot(cannon, armed) - armed;
    EXPECT_EQ(cannon->aimX, 200);
    EXPECT_EQ(cannon->aimY, 150);
    EXPECT_TRUE(cannon->animating);  // the firing strip plays
    hero->set_position(200, 150);     // she stands still for the test

    expect_whistle_then_impact(cannon, 1400);
    EXPECT_EQ(inside->taken, 40);
    EXPECT_EQ(scenery->taken, 40);
    EXPECT_EQ(outside->hits, 0);
    const std::vector<CExplosion*> made = things_of<CExplosion>(list);
    EXPECT_EQ(std::count_if(made.begin(), made.end(), [](CExplosion* e) { return e->tintRed == 10.0f; }), 1);
    EXPECT_TRUE(Playfield.shakeActive);

    // Once, and then the next shot is again 8 to 11 seconds away, the wait drawn anew.
    const uint32_t impact = AppState.frameTime;
    EXPECT_NE(expect_shot(cannon, impact) - impact, firstWait);
    EXPECT_EQ(inside->hits, 1);
}

TEST_F(CannonTest, NothingHappensWhilePausedAndThePauseDoesNotShortenTheWarning)
{
    // The pause button is handled in the frame before everything thinks: the cannon sees it at once.
    auto set_paused = [&](uint8_t on) {
        LevelProgress.paused = on;
        think_after(list, 0);
    };
    // Paused from the start for 30 s: no shot. Unpaused, the wait goes on where it stopped.
    CCannon* cannon = add_cannon();
    const uint32_t armed = AppState.frameTime;
    set_paused(1);
    for (int i = 0; i < 300; i++) frame(100);
    EXPECT_EQ(cannon->phase, 0);
    set_paused(0);
    const uint32_t shot = expect_shot(cannon, armed + 30000);

    // Paused 1 s into the shell's flight, for 20 s: no whistle, no impact.
    think_after(list, 1000);
    set_paused(1);
    for (int i = 0; i < 200; i++) frame(100);
    EXPECT_EQ(cannon->phase, 1);
    set_paused(0);
    // The warning it had left is still ahead: the whistle 1.4 s and the impact 7 s of play after the shot.
    expect_whistle_then_impact(cannon, 400);
    EXPECT_EQ(AppState.frameTime - shot - 20000, 7000u);
}

}  // namespace
