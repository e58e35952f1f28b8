// Monsters over real strip files: damage and armour, stun and death, melee timing, shots, noticing, the boss's death and corpse.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "app/app_state.h"
#include "game/level_controller.h"
#include "game/level_progress.h"
#include "game/meter.h"
#include "game/monster.h"
#include "game/monster_kind.h"
#include "game/projectile.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "graphics/playfield.h"
#include "support/monster_files.h"
#include "support/scene_files.h"
#include "support/temp_folder.h"

namespace {

class MonsterTest : public ::testing::Test {
protected:
    void SetUp() override { start_test_level(folder, list, 3); }
    void TearDown() override
    {
        list.clear();
        AppState.currentGameList = nullptr;
        MonsterKinds.release_all_graphics();
    }

    // A monster of the kind, grown in, standing at (px, py) facing d.
    CMonster* add_monster(int32_t kindId, int px, int py, int d)
    {
        auto* m = new CMonster;
        list.add_thing(m);
        EXPECT_TRUE(m->init(kindId));
        m->scaleMode = SCALE_NONE;
        m->useSourceRect = 0;
        m->set_position(px, py);
        m->apply_depth_scale();
        m->set_direction(d);
        return m;
    }
    TestHero* add_hero(int px, int py)
    {
        auto* hero = new TestHero;
        WellKnownIds[SLOT_HERO] = list.add_thing(hero);
        hero->set_position(px, py);
        return hero;
    }
    void tick(uint32_t ms) { think_after(list, ms); }
    // One attack animation against the hero; the frames shown in the passes where blows landed.
    std::string attack_once(CMonster* m, TestHero* hero)
    {
        std::string frames;
        m->targetId = hero->id;
        m->go_attack();
        for (int i = 0; i < 300 && m->state == MONSTER_ATTACK; i++) {
            const int before = hero->hits;
            tick(10);
            if (hero->hits != before) frames += std::to_string(strip_frame_of(m->picture)) + " ";
        }
        return frames;
    }

    TempFolder folder;
    CThingList list;
};

TEST_F(MonsterTest, DamagePastTheArmourStunsTheLastPointDecidesDeathAndDifficultyScalesHealth)
{
    ASSERT_TRUE(write_kind_strips(folder, *MonsterKinds.find_kind(100), 4, 6));
    CMonster* armoured = add_monster(100, 100, 150, 6);
    ASSERT_EQ(armoured->health, 30);
    armoured->armour = 5;
    armoured->hit(5, 0);
    EXPECT_EQ(armoured->health, 30);
    EXPECT_FALSE(armoured->tintActive);
    EXPECT_FALSE(armoured->stunned);

    armoured->go_walk();
    armoured->speed = armoured->targetSpeed;
    armoured->hit(34, 0);  // 29 gets through: one point left
    EXPECT_EQ(armoured->health, 1);
    EXPECT_TRUE(armoured->alive);
    EXPECT_TRUE(armoured->tintActive);
    // The stun holds it still for the kind's 3000 ms.
    EXPECT_TRUE(armoured->stunned);
    const float startX = armoured->fx;
    for (int i = 0; i < 29; i++) tick(100);
    EXPECT_EQ(armoured->fx, startX);
    for (int i = 0; i < 40; i++) tick(100);
    EXPECT_FALSE(armoured->stunned);
    EXPECT_NE(armoured->fx, startX);

    CMonster* plain = add_monster(100, 300, 150, 6);
    plain->hit(30, 0);  // exactly to 0
    EXPECT_EQ(plain->health, 0);
    EXPECT_FALSE(plain->alive);
    EXPECT_EQ(plain->state, MONSTER_DYING);
    // A dead monster takes no further damage.
    plain->hit(10, 0);
    EXPECT_EQ(plain->health, 0);

    // Still rising out of the ground, a fresh monster can already be struck.
    auto* fresh = new CMonster;
    list.add_thing(fresh);
    ASSERT_TRUE(fresh->init(100));
    ASSERT_EQ(fresh->scaleMode, SCALE_GROW_IN);
    TestHero* hero = add_hero(fresh->x, fresh->y);
    hero->strike(0, 10, 12, int32_t(hero->id));
    EXPECT_EQ(fresh->health, 18);

    // The difficulty scales health; nonsense counts as normal.
    for (auto [difficulty, health] : {std::pair<uint32_t, int>{DIFFICULTY_EASY, 18}, {DIFFICULTY_HARD, 48}, {7, 30}}) {
        LevelProgress.career.difficulty = difficulty;
        EXPECT_EQ(add_monster(100, 100, 150, 6)->fullHealth, health) << difficulty;
    }
}

TEST_F(MonsterTest, BlowsAndShotsLeaveOnceOnFrameFourAndNoBlowFromAnAttackStripUnderFourFrames)
{
    LevelProgress.career.difficulty = DIFFICULTY_HARD;
    ASSERT_TRUE(write_kind_strips(folder, *MonsterKinds.find_kind(100), 4, 6));  // wolf: 6 attack frames
    ASSERT_TRUE(write_kind_strips(folder, *MonsterKinds.find_kind(104), 4, 3));  // snow beast: 3
    ASSERT_TRUE(write_kind_strips(folder, *MonsterKinds.find_kind(101), 4, 6));  // zombie: fireballs
    Playfield.set_playfield_rect(Rect{0, 0, 640, 240});  // open ground: the shot flies on
    CMonster* wolf = add_monster(100, 100, 150, 6);
    int32_t bx = 0, by = 0;
    wolf->point_ahead(wolf->kind->reach, &bx, &by);
    TestHero* hero = add_hero(bx, by);
    EXPECT_EQ(attack_once(wolf, hero), "4 ");
    EXPECT_EQ(hero->taken, 39);  // 30 on hard
    wolf->removeFlag = 1;
    CMonster* snow = add_monster(104, 100, 150, 6);
    EXPECT_EQ(attack_once(snow, hero), "");
    EXPECT_NE(snow->state, MONSTER_ATTACK);  // the animation did end
    snow->removeFlag = 1;

    // The shot is the shooter's.
    CMonster* zombie = add_monster(101, 100, 150, 6);
    hero->set_position(300, 150);
    zombie->targetId = hero->id;
    zombie->go_shoot();
    std::set<uint32_t> shots;
    int frameAtShot = 0;
    for (int i = 0; i < 300 && zombie->state == MONSTER_SHOOT; i++) {
        tick(10);
        for (CProjectile* p : things_of<CProjectile>(list)) {
            EXPECT_EQ(p->casterId, int32_t(zombie->id));
            if (shots.insert(p->id).second) frameAtShot = zombie->frame;
        }
    }
    EXPECT_EQ(shots.size(), 1u);
    EXPECT_EQ(frameAtShot, 4);
}

TEST_F(MonsterTest, OnlyALivingHeroWithinSightIsNoticed)
{
    ASSERT_TRUE(write_kind_strips(folder, *MonsterKinds.find_kind(100), 4, 6));
    CMonster* m = add_monster(100, 100, 150, 6);  // sight 140
    TestHero* hero = add_hero(0, 0);
    for (auto [dx, alive, noticed] : {std::tuple{141, 1, false}, {140, 0, false}, {140, 1, true}}) {
        hero->set_position(100 + dx, 150);
        hero->alive = uint8_t(alive);
        m->set_position(100, 150);  // wandering moves it: back before each look round
        tick(3000);                 // past any wait
        EXPECT_EQ(m->targetId, noticed ? hero->id : 0u) << dx << (alive ? " alive" : " dead");
    }
    EXPECT_EQ(m->steeringMode, STEER_CHASE);
    EXPECT_TRUE(m->moveTargetActive);
    EXPECT_TRUE(m->state == MONSTER_WALK || m->state == MONSTER_RUN);
}

TEST_F(MonsterTest, ABossShakesOnItsLastDeathFrameCountsWhenItEndsAndLies5000ms)
{
    ASSERT_TRUE(write_kind_strips(folder, *MonsterKinds.find_kind(108), 4, 6));
    ASSERT_TRUE(write_bytes(folder.file("graphics/misc/time_meter.tga"), make_keyed_tga(60, 8, 200, 40, 40)));
    LevelProgress.killsRequired = 100;  // the controller neither spawns nor places a gate
    LevelProgress.script.mainEnemy = -1;
    auto* controller = new CLevelController(&list);
    WellKnownIds[SLOT_LEVEL_CONTROLLER] = list.add_thing(controller);

    CMonster* boss = add_monster(108, 100, 150, 6);
    const uint32_t bossId = boss->id;
    auto* bar = dynamic_cast<CMeter*>(list.find_thing(boss->healthBarId));
    ASSERT_NE(bar, nullptr);
    const uint32_t barId = bar->id, barPictureId = bar->barId;
    ASSERT_NE(list.find_thing(barPictureId), nullptr);

    boss->hit(1000, 0);
    ASSERT_EQ(boss->state, MONSTER_DYING);
    int shakes = 0;
    for (int i = 0; i < 500 && boss->state == MONSTER_DYING; i++) {
        const uint8_t before = Playfield.shakeActive;
        tick(10);
        if (!before && Playfield.shakeActive) {
            shakes++;
            EXPECT_EQ(boss->frame, 4);
            EXPECT_EQ(LevelProgress.kills, 0);  // the kill counts once the animation has ended
        }
    }
    ASSERT_EQ(boss->state, MONSTER_DEAD);
    EXPECT_EQ(shakes, 1);
    EXPECT_EQ(LevelProgress.kills, 1);

    tick(4990);
    EXPECT_NE(list.find_thing(bossId), nullptr);
    tick(20);
    EXPECT_EQ(list.find_thing(bossId), nullptr);
    EXPECT_EQ(list.find_thing(barId), nullptr);
    EXPECT_EQ(list.find_thing(barPictureId), nullptr);
}

}  // namespace
