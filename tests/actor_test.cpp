// CActor over real strip files: frame modes, facings, movement, wrap, steering, placement, area attacks, probes.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/app_state.h"
#include "game/actor.h"
#include "game/thing_list.h"
#include "graphics/playfield.h"
#include "support/gameplay_files.h"
#include "support/gfx_files.h"
#include "support/scene_files.h"
#include "support/temp_folder.h"

namespace {

// An actor that takes damage through the messages, as creatures do.
using Creature = BlowCounter;

class ActorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.make_program_folder();
        AppState.frameScale = 1.0;
        AppState.frameTime = 1000;
        Playfield.rectSet = 0;
        Playfield.clear_hard_boxes();
        Playfield.viewX = Playfield.viewY = 0.0f;
        Playfield.scaleMod = 0.8f;  // far line at 20 %
        srand(7);
    }

    Creature* add_actor(int x, int y, int facing, CStripSet* set = nullptr)
    {
        auto* a = new Creature;
        list.add_thing(a);
        a->set_position(x, y);
        a->set_scale_percent(100);
        a->direction = facing;
        if (set) {
            a->set_strip_set(set);
            a->set_direction(facing);
        }
        return a;
    }

    // The frames shown over n steps of a mode, "!" after each step that reports the strip finished.
    static std::string play(CActor* a, int32_t mode, int n)
    {
        std::string out;
        for (int i = 0; i < n; i++) {
            const bool finished = a->step_animation(mode);
            out += std::to_string(strip_frame_of(a->picture)) + (finished ? "! " : " ");
        }
        return out;
    }

    TempFolder folder;
    TestScreen screen{0};
    CThingList list;
};

TEST_F(ActorTest, FrameSteppingInItsFourModes)
{
    ASSERT_TRUE(write_strip(folder, "graphics/c/four_6_00", 4, 16, 12));
    ASSERT_TRUE(write_strip(folder, "graphics/c/one_6_00", 1, 16, 12));
    CStripSet four, one;
    four.declare(6, "graphics\\c\\four_6_00");
    one.declare(6, "graphics\\c\\one_6_00");

    // A one-frame strip stays on 1 in ping-pong; in a loop every step wraps and reports it.
    Creature* b = add_actor(100, 200, 6);
    b->animMode = ANIM_PING_PONG;
    b->set_strip_set(&one);
    EXPECT_EQ(play(b, ANIM_PING_PONG, 3), "1 1 1 ");
    EXPECT_EQ(play(b, ANIM_LOOP, 2), "1! 1! ");

    // Ping-pong from the frame the strip set shows, without repeating the ends. A loop runs forward even when
    // a ping-pong left it running backward, finishing as it wraps; once holds the last frame, still finished.
    Creature* a = add_actor(100, 200, 6);
    a->animMode = ANIM_PING_PONG;
    a->set_strip_set(&four);
    EXPECT_EQ(strip_frame_of(a->picture), 1);
    EXPECT_EQ(play(a, ANIM_PING_PONG, 10), "2 3 4 3 2 1 2 3 4 3 ");
    EXPECT_EQ(play(a, ANIM_LOOP, 5), "4 1! 2 3 4 ");
    EXPECT_EQ(play(a, ANIM_ONCE, 2), "4! 4! ");

    // The frame timer restarts with the delay only while the actor means to move.
    a->frameDelay = 120;
    a->frameTimer.set_interval(999);
    a->step_animation(ANIM_LOOP);
    EXPECT_EQ(a->frameTimer.interval, 999u);
    a->targetSpeed = 1.0f;
    a->step_animation(ANIM_LOOP);
    EXPECT_EQ(a->frameTimer.interval, 120u);
}

TEST_F(ActorTest, MirrorFacingsDrawAndHitFlipped)
{
    // Frames of 20 x 14, transparent all round and on the left; the right half's inside is blue in frame 1
    // and green in frame 2. The capped picture also has an opaque top row, all but the key pixel.
    std::vector<Bgr> palette = {{255, 0, 255}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    palette.resize(256);
    const uint16_t blue = rgb565(0, 0, 255), green = rgb565(0, 255, 0);
    auto write_half = [&](const std::string& strip, int n, bool capped) {
        std::vector<uint8_t> idx(20 * 14, 0);
        for (int y = 1; y < 13; y++)
            for (int x = 10; x < 19; x++) idx[size_t(y) * 20 + size_t(x)] = uint8_t(n);
        for (int x = 1; x < 20 && capped; x++) idx[size_t(x)] = 3;
        const std::string file = "graphics/c/" + strip + "_000" + std::to_string(n) + ".tga";
        return write_bytes(folder.file(file), make_tga(20, 14, palette, idx));
    };
    for (int d : {6, 2, 8, 9, 3})
        for (int n : {1, 2}) ASSERT_TRUE(write_half("walk_" + std::to_string(d), n, false));
    CStripSet walk;
    walk.declare_directions("graphics\\c\\walk");
    Creature* a = add_actor(100, 100, 6, &walk);
    a->alloc_scratch(40, 40);
    a->hitTestable = 1;

    // Facing 4 the coloured half is drawn on the left of the feet, and taps find it there.
    for (auto [facing, opaque, clear] : {std::tuple{4, 93, 105}, std::tuple{6, 105, 93}}) {
        SCOPED_TRACE(facing);
        a->set_direction(facing);
        screen.clear();
        list.draw_all();
        EXPECT_EQ(screen.at(opaque, 95), blue);
        EXPECT_EQ(screen.at(clear, 95), 0);
        EXPECT_TRUE(a->contains_point(opaque, 95));
        EXPECT_FALSE(a->contains_point(clear, 95));
    }

    // Turning while keeping the frame: the strike turns without starting over.
    a->step_animation(ANIM_LOOP);
    a->set_direction_keep_frame(1);
    EXPECT_EQ(a->frame, 2);
    EXPECT_EQ(a->picture[20 * 5 + 17], green);  // frame 2, flipped
    a->set_direction(3);
    EXPECT_EQ(a->frame, 1);

    // A flipped frame keys on the first pixel of its second row in taps as in drawing (BlitTest's): a
    // mirrored picture with an opaque top row is hit on that row.
    ASSERT_TRUE(write_half("cap_6", 1, true));
    CStripSet cap;
    cap.declare(6, "graphics\\c\\cap_6_00");
    cap.mirror(4, 6);
    a->set_strip_set(&cap);
    a->set_direction(4);
    EXPECT_TRUE(a->contains_point(95, 86));
    EXPECT_TRUE(a->contains_point(95, 88));
    EXPECT_FALSE(a->contains_point(105, 88));
}

TEST_F(ActorTest, FacingFailuresAreLoggedAndSkipped)
{
    ASSERT_TRUE(write_strip(folder, "graphics/c/only_6_00", 2, 16, 12));
    CStripSet set;
    set.declare(6, "graphics\\c\\only_6_00");
    LogCapture log;
    Creature* bare = add_actor(50, 200, 6);
    bare->set_direction(2);
    EXPECT_TRUE(log.contains("Error, can't set dir on bad p_strip! 2"));
    EXPECT_EQ(bare->picture, nullptr);
    bare->set_strip_set(nullptr);
    EXPECT_TRUE(log.contains("Error, tried to set to NULL graphic strip."));

    Creature* a = add_actor(50, 200, 6, &set);
    a->set_direction(8);  // no strip there: nothing shown, nothing stale kept
    EXPECT_TRUE(log.contains("Direction 8 not loaded?"));
    EXPECT_EQ(a->picture, nullptr);
    EXPECT_EQ(a->width, 0);
    a->alloc_scratch(40, 40);
    list.draw_all();  // draws nothing and reads nothing
    a->set_direction(6);
    EXPECT_EQ(strip_frame_of(a->picture), 1);
}

TEST_F(ActorTest, StepsFollowFacingDepthAndFrameLengthAndWrapAtTheEdges)
{
    // Far line 77 (20 % at modifier 0.8), near line 163. Far away steps are five times shorter but never
    // below a tenth; vertical steps are three quarters of horizontal ones.
    const float diagonal = 0.7692308f * 0.75f;
    struct Case {
        float x, y;
        int facing, steps, percent;
        float endX, endY, scaleMod = 0.8f;
        double frameScale = 1.0;
    } const cases[] = {
        {100, 77, 6, 10, 20, 102, 77},
        {100, 77, 6, 10, 1, 101, 77, 1.0f},
        {100, 200, 6, 10, 100, 110, 200},
        {100, 200, 6, 5, 100, 110, 200, 0.8f, 2.0},  // twice the frame length, twice the step
        {100, 180, 2, 10, 100, 100, 187.5f},
        {100, 180, 3, 10, 100, 105, 180 + diagonal * 10},
        {639.5f, 200, 6, 1, 100, 0.5f, 200},  // off one edge, back at the other
        {0.5f, 200, 4, 2, 100, 638.5f, 200},
        {100, 180, 7, 2, 100, 99, 180 - diagonal * 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "facing " << c.facing << " from " << c.x << ", " << c.y);
        Playfield.scaleMod = c.scaleMod;
        AppState.frameScale = c.frameScale;
        Creature* a = add_actor(0, 0, c.facing);
        a->set_position_f(c.x, c.y);
        a->apply_depth_scale();
        EXPECT_EQ(a->scalePercent, c.percent);
        a->speed = a->targetSpeed = 1.0f;
        for (int i = 0; i < c.steps; i++) a->move();
        EXPECT_NEAR(a->fx, c.endX, 1e-3);
        EXPECT_NEAR(a->fy, c.endY, 1e-3);
        EXPECT_EQ(a->x, int(a->fx));        // the whole position wraps with the exact one
        EXPECT_EQ(a->sortKey, int(a->fy));  // the feet decide the drawing order
    }

    // Speed comes up to the target by the acceleration and never passes it.
    AppState.frameScale = 1.0;
    Creature* a = add_actor(100, 180, 7);
    a->targetSpeed = 1.0f;
    a->acceleration = 0.3f;
    a->move();
    EXPECT_FLOAT_EQ(a->speed, 0.3f);
    for (int i = 0; i < 3; i++) a->move();
    EXPECT_FLOAT_EQ(a->speed, 1.0f);

    // Moving up across the depth band makes it smaller.
    a->set_position(100, 164);
    a->apply_depth_scale();
    a->speed = a->targetSpeed = 4.0f;
    a->direction = 8;
    a->move();
    EXPECT_LT(a->scalePercent, 100);
}

TEST_F(ActorTest, NewActorsStandOnWalkableGroundOrGiveUp)
{
    Playfield.set_playfield_rect(Rect{10, 60, 600, 220});
    Playfield.add_hard_box(Rect{0, 0, 640, 200}, 0);
    std::set<int> facings;
    for (int i = 0; i < 50; i++) {
        Creature c;
        EXPECT_TRUE(Playfield.is_walkable(c.x, c.y)) << c.x << ", " << c.y;
        EXPECT_GE(c.y, 200);  // the box's own edge is not inside it
        EXPECT_EQ(c.sortKey, c.y);
        facings.insert(c.direction);
    }
    EXPECT_GE(facings.size(), 6u);
    for (int d : facings) EXPECT_TRUE(d >= 1 && d <= 8 && d != 5) << d;

    // No walkable point at all: the constructor still returns, and says so.
    Playfield.add_hard_box(Rect{0, 0, 640, 240}, 0);
    LogCapture log;
    Creature stuck;
    EXPECT_EQ(log.count_starting("No walkable place for a new actor"), 1);

    // Without a rectangle: in the band from far + 10 to near - 40.
    Playfield.rectSet = 0;
    Creature c;
    EXPECT_TRUE(c.y >= 240 - 163 + 10 && c.y < 240 - 77 - 40) << c.y;
}

TEST_F(ActorTest, TurnsFollowTheDrawnDirectionsSteeringAndRefusedSteps)
{
    // Five facings drawn, the other three their mirrors.
    for (int d : {6, 2, 8, 9, 3})
        ASSERT_TRUE(write_strip(folder, "graphics/c/e_" + std::to_string(d) + "_00", 1, 16, 12));
    CStripSet eight, four;
    eight.declare_directions("graphics\\c\\e");
    eight.load_all();
    for (int d : {6, 2, 8}) four.declare(d, "graphics\\c\\e_6_00");
    four.mirror(4, 6);
    // A random turn from up reaches a neighbour with eight facings drawn, a right angle with four; a
    // diagonal facing the four cannot show stays.
    auto turns_from_up = [](Creature* c) {
        std::set<int> seen;
        for (int i = 0; i < 40; i++) {
            c->set_direction(8);
            c->random_turn();
            seen.insert(c->direction);
        }
        return seen;
    };
    EXPECT_EQ(turns_from_up(add_actor(100, 200, 8, &eight)), (std::set<int>{7, 9}));
    Creature* b = add_actor(100, 200, 8, &four);
    EXPECT_EQ(turns_from_up(b), (std::set<int>{4, 6}));
    b->direction = b->lastDirection = 3;
    b->random_turn();
    EXPECT_EQ(b->direction, 3);

    // Steering turns one step per call, only while it means to move, and arrives within 20.
    Creature* a = add_actor(100, 200, 8, &eight);
    a->set_move_target(300, 200);
    EXPECT_FALSE(a->walk_toward_target());
    EXPECT_EQ(a->direction, 8);
    a->targetSpeed = 1.0f;
    for (int facing : {9, 6}) {
        EXPECT_FALSE(a->walk_toward_target());
        EXPECT_EQ(a->direction, facing);
    }
    a->set_position(279, 200);
    EXPECT_FALSE(a->walk_toward_target());
    a->set_position(281, 200);
    EXPECT_TRUE(a->walk_toward_target());
    EXPECT_EQ(a->moveTargetActive, 0);

    // Chase mode steers while standing; face_target turns without arriving.
    a->targetSpeed = 0.0f;
    a->steeringMode = STEER_CHASE;
    a->set_move_target(281, 100);
    for (int facing : {9, 8}) {
        a->face_target();
        EXPECT_EQ(a->direction, facing);
    }
    EXPECT_EQ(a->moveTargetActive, 1);

    // A tracked thing that leaves the list ends the chase.
    Creature* prey = add_actor(100, 200, 6);
    a->set_move_target_thing(prey->id);
    a->face_target();
    EXPECT_EQ(a->moveTargetX, 100);
    prey->removeFlag = 1;
    list.think_all();
    LogCapture log;
    EXPECT_FALSE(a->walk_toward_target());
    EXPECT_TRUE(log.contains("Can't target null, removing target."));
    EXPECT_EQ(a->moveTargetActive, 0);

    // A refused step keeps the place, and unblock turns clockwise once; a later walkable box opens the way.
    Playfield.set_playfield_rect(Rect{0, 50, 640, 230});
    Playfield.add_hard_box(Rect{150, 0, 200, 240}, 0);
    a->set_position(145, 200);
    a->set_direction(6);
    a->speed = a->targetSpeed = 10.0f;
    a->move();
    EXPECT_EQ(a->blocked, 1);
    EXPECT_FLOAT_EQ(a->fx, 145.0f);
    EXPECT_TRUE(a->unblock());
    EXPECT_EQ(a->direction, 3);
    EXPECT_FALSE(a->unblock());
    Playfield.add_hard_box(Rect{150, 190, 200, 210}, 1);
    a->direction = 6;
    a->move();
    EXPECT_EQ(a->blocked, 0);
    EXPECT_FLOAT_EQ(a->fx, 155.0f);
}

TEST_F(ActorTest, PointAheadReachAndAreaAttacksThatSpareTheirSourceAndOwner)
{
    Creature* a = add_actor(100, 200, 6);
    struct Aim {
        int facing, percent, x, y;
    };
    // Diagonals go 0.5 x 0.75 x 25 = 9.375 each way.
    for (const Aim& c : {Aim{6, 100, 125, 200}, Aim{9, 100, 109, 190}, Aim{1, 100, 90, 209}, Aim{4, 50, 88, 200}}) {
        a->direction = c.facing;
        a->set_scale_percent(c.percent);
        int px = 0, py = 0;
        a->point_ahead(25, &px, &py);
        EXPECT_EQ(px, c.x) << c.facing;
        EXPECT_EQ(py, c.y) << c.facing;
    }

    // At 50 % the blow lands 12 ahead and reaches 12.5 around that point.
    Creature* target = add_actor(88 - 12, 200, 6);
    EXPECT_TRUE(a->possible_to_hit_entity(25, 25, target->id));
    target->set_position(88 - 13, 200);
    EXPECT_FALSE(a->possible_to_hit_entity(25, 25, target->id));
    a->direction = 6;
    target->set_position(88, 200);
    EXPECT_FALSE(a->possible_to_hit_entity(25, 25, target->id));  // behind it
    LogCapture log;
    EXPECT_FALSE(a->possible_to_hit_entity(25, 25, 4242u));
    EXPECT_TRUE(log.contains("possible_to_hit_entity says entity doesn't exist!"));
    list.clear();

    // An area attack spares its source and its owner (that the source learns it has hit is SpellTest's burst).
    Creature* caster = add_actor(100, 200, 6);
    Creature* shot = add_actor(105, 200, 6);
    Creature* monster = add_actor(110, 200, 4);
    shot->strike(0, 30, 5, int32_t(caster->id));
    EXPECT_EQ(caster->hits + shot->hits, 0);
    EXPECT_EQ(monster->taken, 5);

    // A monster's shot hurts other monsters, the hero's never the hero.
    Creature* other = add_actor(100, 200, 4);
    shot->strike(0, 30, 5, int32_t(monster->id));
    EXPECT_EQ(caster->taken, 5);
    EXPECT_EQ(other->taken, 5);
    EXPECT_EQ(monster->taken, 5);

    // A record from a source that is gone still hurts; nobody is credited.
    AttackRecord r{.source = 9999, .owner = 0, .x = 110, .y = 200, .radius = 5, .damage = 3};
    EXPECT_EQ(list.broadcast(MSG_AREA_ATTACK, &r, 0), 0);
    EXPECT_EQ(monster->taken, 8);
    EXPECT_EQ(monster->receive_area_attack(nullptr), 0);
}

}  // namespace
