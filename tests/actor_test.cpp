// CActor over real strip files: frame modes, facings, movement, wrap, steering, placement, area attacks, probes.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "game/actor.h"
#include "game/thing_list.h"
#include "graphics/display.h"
#include "graphics/playfield.h"
#include "support/gameplay_files.h"
#include "support/gfx_files.h"
#include "support/temp_folder.h"

namespace {

// Palette entry n (1..8) is the colour of frame n; 0 is the magenta key.
const Bgr kFrameColours[9] = {{255, 0, 255}, {0, 0, 255},   {0, 255, 0},   {255, 0, 0},   {0, 255, 255},
                              {255, 255, 0}, {255, 0, 128}, {128, 128, 0}, {0, 128, 255}};

uint16_t colour_of_frame(int n)
{
    const Bgr& c = kFrameColours[n];
    return rgb565(c.r, c.g, c.b);
}

// Transparent all round and on the left; the right half's inside is the frame's colour.
std::vector<uint8_t> frame_indices(int w, int h, uint8_t n)
{
    std::vector<uint8_t> idx(size_t(w) * size_t(h), 0);
    for (int y = 1; y < h - 1; y++)
        for (int x = w / 2; x < w - 1; x++) idx[size_t(y) * size_t(w) + size_t(x)] = n;
    return idx;
}

// An actor that takes damage through the messages, as creatures do.
using Creature = BlowCounter;

// Strikes once per play of its strip, on the first frame numbered 4 or more.
class Striker : public Creature {
public:
    void think() override
    {
        if (frameTimer.ready()) step_animation(ANIM_ONCE);
        if (!struck && frame >= 4) {
            strike(25, 25, 40, -1);
            struck = true;
            struckAtFrame = frame;
        }
    }
    bool struck = false;
    int struckAtFrame = 0;
};

// Answers pickup probes.
class Pickup : public CActor {
public:
    int32_t message(int32_t code, AttackRecord* record, int32_t) override
    {
        if (code != MSG_PICKUP_PROBE || !alive || !pickup_probe_reaches(record)) return 0;
        alive = 0;
        takenBy = record->source;
        return 1;
    }
    int32_t takenBy = 0;
};

class ActorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.make_program_folder();
        back.assign(size_t(kScreenWidth) * kScreenHeight, 0);
        g_drawTarget = back.data();
        AppState.frameScale = 1.0;
        AppState.frameTime = 1000;
        Playfield.rectSet = 0;
        Playfield.viewX = Playfield.viewY = 0.0f;
        Playfield.scaleMod = 0.8f;  // far line at 20 %
        srand(7);
    }
    void TearDown() override
    {
        list.clear();
        g_drawTarget = nullptr;
        Playfield.clear_hard_boxes();
        Playfield.rectSet = 0;
        Playfield.scaleMod = 1.0f;
    }

    // Frames 1..count of "graphics\c\<name>" written as TGA files.
    void write_strip(const std::string& name, int count, int w = 16, int h = 12)
    {
        std::vector<Bgr> palette(std::begin(kFrameColours), std::end(kFrameColours));
        palette.resize(256);
        for (int n = 1; n <= count; n++) {
            char file[128];
            std::snprintf(file, sizeof file, "graphics/c/%s%s%d.tga", name.c_str(), n < 10 ? "0" : "", n);
            ASSERT_TRUE(write_bytes(folder.file(file), make_tga(w, h, palette, frame_indices(w, h, uint8_t(n)))));
        }
    }

    template <class T = Creature>
    T* add_actor(int x, int y, int facing, CStripSet* set = nullptr)
    {
        auto* a = new T;
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

    // The frame the actor shows, told by its picture's colour.
    static int shown_frame(const CActor* a)
    {
        const uint16_t px = a->picture[size_t(a->width) * 5 + size_t(a->width) - 3];
        for (int n = 1; n <= 8; n++)
            if (px == colour_of_frame(n)) return n;
        return -1;
    }

    uint16_t screen(int x, int y) const { return back[size_t(y) * kScreenWidth + size_t(x)]; }

    TempFolder folder;
    std::vector<uint16_t> back;
    CThingList list;
};

TEST_F(ActorTest, FrameSteppingInItsFourModes)
{
    write_strip("four_6_00", 4);
    write_strip("one_6_00", 1);
    CStripSet four, one;
    four.declare(6, "graphics\\c\\four_6_00");
    one.declare(6, "graphics\\c\\one_6_00");

    // Ping-pong: the strip set shows frame 1, then back and forth without repeating the ends.
    Creature* a = add_actor(100, 200, 6);
    a->animMode = ANIM_PING_PONG;
    a->set_strip_set(&four);
    std::vector<int> frames{a->frame}, shown{shown_frame(a)};
    for (int i = 0; i < 7; i++) {
        EXPECT_FALSE(a->step_animation(ANIM_PING_PONG));
        frames.push_back(a->frame);
        shown.push_back(shown_frame(a));
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 3, 2, 1, 2}));
    EXPECT_EQ(shown, frames);
    EXPECT_EQ(a->width, 16);
    EXPECT_EQ(a->height, 12);

    // A one-frame strip stays on 1 in ping-pong; in a loop every step wraps and reports it.
    Creature* b = add_actor(100, 200, 6);
    b->animMode = ANIM_PING_PONG;
    b->set_strip_set(&one);
    for (int i = 0; i < 3; i++) {
        b->step_animation(ANIM_PING_PONG);
        EXPECT_EQ(b->frame, 1);
    }
    EXPECT_TRUE(b->step_animation(ANIM_LOOP));
    EXPECT_TRUE(b->step_animation(ANIM_LOOP));
    EXPECT_EQ(shown_frame(b), 1);

    // Loop: finished as it wraps to 1, and forward even when a ping-pong left it running backward.
    for (int i = 0; i < 3; i++) a->step_animation(ANIM_PING_PONG);
    ASSERT_EQ(a->frame, 3);
    ASSERT_EQ(a->reverse, 1);
    std::vector<int> loop;
    std::vector<bool> ends;
    for (int i = 0; i < 5; i++) {
        ends.push_back(a->step_animation(ANIM_LOOP));
        loop.push_back(a->frame);
    }
    EXPECT_EQ(loop, (std::vector<int>{4, 1, 2, 3, 4}));
    EXPECT_EQ(ends, (std::vector<bool>{false, true, false, false, false}));
    // Once: holds the last frame and keeps reporting the end.
    EXPECT_TRUE(a->step_animation(ANIM_ONCE));
    EXPECT_EQ(a->frame, 4);
    EXPECT_TRUE(a->step_animation(ANIM_ONCE));
    EXPECT_EQ(shown_frame(a), 4);

    // Backward from the end: 4 3 2 1, then finished without a new picture.
    a->step_animation(ANIM_LOOP);
    a->play_backward_from_end();
    std::vector<int> back4{shown_frame(a)};
    while (!a->step_animation(a->animMode)) back4.push_back(shown_frame(a));
    EXPECT_EQ(back4, (std::vector<int>{4, 3, 2, 1}));
    EXPECT_EQ(a->frame, 1);

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
    for (int d : {6, 2, 8, 9, 3}) write_strip("walk_" + std::to_string(d) + "_00", 2, 20, 14);
    CStripSet walk;
    walk.declare_directions("graphics\\c\\walk");
    Creature* a = add_actor(100, 100, 6, &walk);
    a->alloc_scratch(40, 40);
    a->hitTestable = 1;
    const uint16_t* right = a->picture;
    EXPECT_EQ(a->flip, 0);

    a->set_direction(4);
    EXPECT_EQ(a->picture, right);  // the same frame, borrowed from slot 6
    EXPECT_EQ(a->flip, 1);
    EXPECT_EQ(a->width, 20);
    EXPECT_EQ(a->height, 14);
    EXPECT_TRUE(walk.present(4));
    EXPECT_TRUE(walk.present(6));
    EXPECT_FALSE(walk.present(5));

    // Facing 4 the coloured half is drawn on the left of the feet, and taps find it there.
    list.draw_all();
    EXPECT_EQ(screen(93, 95), colour_of_frame(1));
    EXPECT_EQ(screen(105, 95), 0);
    EXPECT_TRUE(a->contains_point(93, 95));
    EXPECT_FALSE(a->contains_point(105, 95));
    a->set_direction(6);
    std::fill(back.begin(), back.end(), 0);
    list.draw_all();
    EXPECT_EQ(screen(105, 95), colour_of_frame(1));
    EXPECT_EQ(screen(93, 95), 0);
    EXPECT_TRUE(a->contains_point(105, 95));
    EXPECT_FALSE(a->contains_point(93, 95));

    // Turning while keeping the frame: the strike turns without starting over.
    a->step_animation(ANIM_LOOP);
    EXPECT_EQ(a->frame, 2);
    a->set_direction_keep_frame(1);
    EXPECT_EQ(a->frame, 2);
    EXPECT_EQ(a->flip, 1);
    EXPECT_EQ(shown_frame(a), 2);
    a->set_direction(3);
    EXPECT_EQ(a->frame, 1);

    // A flipped frame keys on the first pixel of its second row, in drawing and in taps alike: a
    // picture with an opaque top row still shows, and is hit on, that row when mirrored.
    std::vector<Bgr> palette(std::begin(kFrameColours), std::end(kFrameColours));
    palette.resize(256);
    std::vector<uint8_t> capped = frame_indices(20, 14, 1);
    for (int x = 1; x < 20; x++) capped[size_t(x)] = 8;
    ASSERT_TRUE(write_bytes(folder.file("graphics/c/cap_6_0001.tga"), make_tga(20, 14, palette, capped)));
    CStripSet cap;
    cap.declare(6, "graphics\\c\\cap_6_00");
    cap.mirror(4, 6);
    a->set_strip_set(&cap);
    a->set_direction(4);
    ASSERT_EQ(a->flip, 1);
    std::fill(back.begin(), back.end(), 0);
    list.draw_all();
    EXPECT_EQ(screen(95, 86), colour_of_frame(8));  // top row, drawn
    EXPECT_EQ(screen(95, 88), colour_of_frame(1));
    EXPECT_EQ(screen(105, 88), 0);                  // the transparent half, now on the right
    EXPECT_TRUE(a->contains_point(95, 86));
    EXPECT_TRUE(a->contains_point(95, 88));
    EXPECT_FALSE(a->contains_point(105, 88));
}

TEST_F(ActorTest, FacingFailuresAreLoggedAndSkipped)
{
    write_strip("only_6_00", 2);
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
    ASSERT_NE(a->picture, nullptr);
    a->set_direction(8);  // no strip there: nothing shown, nothing stale kept
    EXPECT_TRUE(log.contains("Direction 8 not loaded?"));
    EXPECT_EQ(a->picture, nullptr);
    EXPECT_EQ(a->width, 0);
    a->alloc_scratch(40, 40);
    list.draw_all();  // draws nothing and reads nothing
    a->set_direction(6);
    EXPECT_EQ(shown_frame(a), 1);
}

TEST_F(ActorTest, FarMovementIsFiveTimesSlowerAndNeverBelowATenth)
{
    // Far line 77 (20 % at modifier 0.8), near line 163.
    Creature* far = add_actor(100, 77, 6);
    Creature* near = add_actor(100, 200, 6);
    for (Creature* c : {far, near}) {
        c->apply_depth_scale();
        c->speed = c->targetSpeed = 1.0f;
    }
    EXPECT_EQ(far->scalePercent, 20);
    EXPECT_EQ(near->scalePercent, 100);
    for (int i = 0; i < 10; i++) {
        far->move();
        near->move();
    }
    EXPECT_NEAR(far->fx - 100.0f, 2.0f, 1e-3);
    EXPECT_NEAR(near->fx - 100.0f, 10.0f, 1e-3);

    // At a modifier of 1 the far line is 1 %: it still moves at a tenth.
    Playfield.scaleMod = 1.0f;
    far->set_position(100, 77);
    far->apply_depth_scale();
    EXPECT_EQ(far->scalePercent, 1);
    for (int i = 0; i < 10; i++) far->move();
    EXPECT_NEAR(far->fx - 100.0f, 1.0f, 1e-3);

    // Twice the frame length, twice the step.
    AppState.frameScale = 2.0;
    near->set_position(100, 200);
    for (int i = 0; i < 5; i++) near->move();
    EXPECT_NEAR(near->fx - 100.0f, 10.0f, 1e-3);
}

TEST_F(ActorTest, VerticalStepsAreThreeQuartersOfHorizontalOnes)
{
    Creature* a = add_actor(100, 180, 2);
    a->speed = a->targetSpeed = 1.0f;
    for (int i = 0; i < 10; i++) a->move();
    EXPECT_NEAR(a->fy - 180.0f, 7.5f, 1e-4);
    EXPECT_EQ(a->y, 187);
    EXPECT_EQ(a->sortKey, 187);  // the feet decide the drawing order

    a->set_position(100, 180);
    a->direction = 3;
    for (int i = 0; i < 10; i++) a->move();
    EXPECT_NEAR(a->fx - 100.0f, 5.0f, 1e-4);
    EXPECT_NEAR(a->fy - 180.0f, 0.7692308f * 0.75f * 10.0f, 1e-4);

    a->set_position(100, 180);
    a->direction = 7;
    a->verticalMultiplier = 2.0f;
    a->horizontalMultiplier = 0.5f;
    a->move();
    EXPECT_NEAR(a->fx, 100.0f - 0.25f, 1e-5);
    EXPECT_NEAR(a->fy, 180.0f - 0.7692308f * 0.75f * 2.0f, 1e-5);

    // Speed comes up to the target by the acceleration and never passes it.
    a->speed = 0.0f;
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

TEST_F(ActorTest, WalkingOffOneEdgeComesBackAtTheOther)
{
    Creature* a = add_actor(0, 200, 6);
    a->set_position_f(639.5f, 200.0f);
    a->speed = a->targetSpeed = 1.0f;
    a->move();
    EXPECT_NEAR(a->fx, 0.5f, 1e-4);
    EXPECT_EQ(a->x, 0);
    a->direction = 4;
    a->move();
    a->move();
    EXPECT_NEAR(a->fx, 638.5f, 1e-4);
    EXPECT_EQ(a->x, 638);
}

TEST_F(ActorTest, RefusedStepsKeepThePlaceAndUnblockTurnsClockwise)
{
    for (int d : {6, 2, 8, 9, 3}) write_strip("w_" + std::to_string(d) + "_00", 1);
    CStripSet set;
    set.declare_directions("graphics\\c\\w");
    Playfield.set_playfield_rect(Rect{0, 50, 640, 230});
    Playfield.add_hard_box(Rect{150, 0, 200, 240}, 0);
    Creature* a = add_actor(145, 200, 6, &set);
    a->speed = a->targetSpeed = 10.0f;
    a->move();
    EXPECT_EQ(a->blocked, 1);
    EXPECT_FLOAT_EQ(a->fx, 145.0f);
    EXPECT_EQ(a->x, 145);
    EXPECT_TRUE(a->unblock());
    EXPECT_EQ(a->direction, 3);
    EXPECT_EQ(a->blocked, 0);
    EXPECT_FALSE(a->unblock());
    // A later box that is walkable opens the way again.
    Playfield.add_hard_box(Rect{150, 190, 200, 210}, 1);
    a->direction = 6;
    a->move();
    EXPECT_EQ(a->blocked, 0);
    EXPECT_FLOAT_EQ(a->fx, 155.0f);
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
        EXPECT_EQ(c.anchorMode, ANCHOR_FEET);
        EXPECT_EQ(c.hitTestable, 0);
        EXPECT_EQ(c.sortKey, c.y);
        EXPECT_EQ(c.alive, 1);
        facings.insert(c.direction);
    }
    EXPECT_GE(facings.size(), 6u);
    for (int d : facings) EXPECT_TRUE(d >= 1 && d <= 8 && d != 5) << d;

    // No walkable point at all: the constructor still returns, and says so.
    Playfield.add_hard_box(Rect{0, 0, 640, 240}, 0);
    LogCapture log;
    Creature stuck;
    EXPECT_EQ(log.count_starting("No walkable place for a new actor"), 1);

    // Without a rectangle: anywhere across the width, in the band from far + 10 to near - 40.
    Playfield.rectSet = 0;
    for (int i = 0; i < 50; i++) {
        Creature c;
        EXPECT_GE(c.x, 0);
        EXPECT_LT(c.x, Playfield.width);
        EXPECT_GE(c.y, 240 - 163 + 10);
        EXPECT_LT(c.y, 240 - 77 - 40);
    }
}

TEST_F(ActorTest, SteeringTurnsOneStepPerCallAndArrives)
{
    for (int d : {6, 2, 8, 9, 3}) write_strip("s_" + std::to_string(d) + "_00", 1);
    CStripSet set;
    set.declare_directions("graphics\\c\\s");
    Creature* a = add_actor(100, 200, 8, &set);
    a->set_move_target(300, 200);
    EXPECT_FALSE(a->walk_toward_target());  // standing still: no steering
    EXPECT_EQ(a->direction, 8);
    a->targetSpeed = 1.0f;
    EXPECT_FALSE(a->walk_toward_target());
    EXPECT_EQ(a->direction, 9);
    EXPECT_FALSE(a->walk_toward_target());
    EXPECT_EQ(a->direction, 6);
    a->set_position(285, 200);
    a->set_position(279, 200);  // 21 away: not there yet
    EXPECT_FALSE(a->walk_toward_target());
    a->set_position(281, 200);  // 19 away: inside the arrival distance of 20
    EXPECT_TRUE(a->walk_toward_target());
    EXPECT_EQ(a->moveTargetActive, 0);

    // Chase mode steers while standing; face_target turns without arriving.
    a->targetSpeed = 0.0f;
    a->steeringMode = STEER_CHASE;
    a->set_move_target(281, 100);
    a->face_target();
    EXPECT_EQ(a->direction, 9);
    a->face_target();
    EXPECT_EQ(a->direction, 8);
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
}

TEST_F(ActorTest, RandomTurnsFollowTheDrawnDirections)
{
    for (int d : {6, 2, 8, 9, 3}) write_strip("e_" + std::to_string(d) + "_00", 1);
    CStripSet eight, four;
    eight.declare_directions("graphics\\c\\e");
    four.declare(6, "graphics\\c\\e_6_00");
    four.declare(2, "graphics\\c\\e_6_00");
    four.declare(8, "graphics\\c\\e_6_00");
    four.mirror(4, 6);
    eight.load_all();
    four.load_all();
    Creature* a = add_actor(100, 200, 8, &eight);
    std::set<int> seen;
    for (int i = 0; i < 40; i++) {
        a->set_direction(8);
        a->random_turn();
        seen.insert(a->direction);
    }
    EXPECT_EQ(seen, (std::set<int>{7, 9}));

    Creature* b = add_actor(100, 200, 8, &four);
    seen.clear();
    for (int i = 0; i < 40; i++) {
        b->set_direction(8);
        b->random_turn();
        seen.insert(b->direction);
    }
    EXPECT_EQ(seen, (std::set<int>{4, 6}));
    b->direction = 3;
    b->lastDirection = 3;
    b->random_turn();
    EXPECT_EQ(b->direction, 3);  // a diagonal facing stays
}

TEST_F(ActorTest, PointAheadAndReach)
{
    Creature* a = add_actor(100, 200, 6);
    int px = 0, py = 0;
    a->point_ahead(25, &px, &py);
    EXPECT_EQ(px, 125);
    EXPECT_EQ(py, 200);
    a->direction = 9;
    a->point_ahead(25, &px, &py);  // 0.5 x 0.75 x 25 = 9.375 each way
    EXPECT_EQ(px, 109);
    EXPECT_EQ(py, 190);
    a->direction = 1;
    a->point_ahead(25, &px, &py);
    EXPECT_EQ(px, 90);
    EXPECT_EQ(py, 209);
    a->direction = 4;
    a->set_scale_percent(50);
    a->point_ahead(25, &px, &py);
    EXPECT_EQ(px, 88);
    EXPECT_EQ(py, 200);

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
}

TEST_F(ActorTest, AreaAttackRadiusShrinksHalfwayWithDepth)
{
    Creature* striker = add_actor(100, 200, 6);  // strikes at (125, 200)
    Creature* nearHalf = add_actor(125 + 18, 200, 4);
    Creature* farHalf = add_actor(125, 200 + 19, 4);
    Creature* full = add_actor(125, 200 - 25, 4);
    Creature* fullOut = add_actor(125 - 26, 200, 4);
    Creature* corpse = add_actor(125, 200, 4);
    nearHalf->set_scale_percent(50);  // radius 25 x 75 % = 18.75
    farHalf->set_scale_percent(50);
    corpse->alive = 0;

    striker->strike(25, 25, 40, -1);
    EXPECT_EQ(nearHalf->taken, 40);
    EXPECT_EQ(farHalf->taken, 0);
    EXPECT_EQ(full->taken, 40);
    EXPECT_EQ(fullOut->taken, 0);
    EXPECT_EQ(corpse->taken, 0);
    EXPECT_EQ(striker->taken, 0);  // 25 from its own blow, and still untouched
    EXPECT_EQ(striker->damageDealt, 80);
    EXPECT_EQ(full->lastHitBy, -1);

    // strike_all is the same blow without an owner.
    striker->strike_all(25, 25, 7);
    EXPECT_EQ(full->taken, 47);
}

TEST_F(ActorTest, AreaAttackSparesItsSourceAndOwner)
{
    Creature* caster = add_actor(100, 200, 6);
    Creature* shot = add_actor(105, 200, 6);
    Creature* monster = add_actor(110, 200, 4);
    shot->strike(0, 30, 5, int32_t(caster->id));
    EXPECT_EQ(caster->hits, 0);
    EXPECT_EQ(shot->hits, 0);
    EXPECT_EQ(monster->taken, 5);
    EXPECT_EQ(monster->lastHitBy, int32_t(caster->id));
    EXPECT_EQ(shot->damageDealt, 5);  // a shot that has dealt damage knows it has hit
    EXPECT_EQ(caster->damageDealt, 0);

    // A monster's shot hurts other monsters, the hero's never the hero.
    Creature* other = add_actor(100, 200, 4);
    shot->strike(0, 30, 5, int32_t(monster->id));
    EXPECT_EQ(caster->taken, 5);
    EXPECT_EQ(other->taken, 5);
    EXPECT_EQ(monster->taken, 5);

    // A record from a source that is gone still hurts; nobody is credited.
    AttackRecord r;
    r.source = 9999;
    r.owner = 0;
    r.x = 110;
    r.y = 200;
    r.radius = 5;
    r.damage = 3;
    EXPECT_EQ(list.broadcast(MSG_AREA_ATTACK, &r, 0), 0);
    EXPECT_EQ(monster->taken, 8);
    EXPECT_EQ(monster->receive_area_attack(nullptr), 0);
}

TEST_F(ActorTest, StrikeLandsOnceOnItsFourthFrame)
{
    write_strip("attack6_6_00", 6);
    write_strip("attack3_6_00", 3);
    CStripSet six, three;
    six.declare(6, "graphics\\c\\attack6_6_00");
    three.declare(6, "graphics\\c\\attack3_6_00");
    for (CStripSet* set : {&six, &three}) {
        list.clear();
        Striker* s = add_actor<Striker>(100, 200, 6);
        s->animMode = ANIM_ONCE;
        s->set_strip_set(set);
        s->frameTimer.set_interval(75);
        Creature* victim = add_actor(125, 200, 4);
        std::vector<int> hits, shown;
        for (int f = 0; f < 60; f++) {
            AppState.frameTime += 10;
            list.think_all();
            hits.push_back(victim->hits);
            shown.push_back(shown_frame(s));
        }
        if (set == &six) {
            EXPECT_EQ(victim->hits, 1);
            EXPECT_EQ(s->struckAtFrame, 4);
            EXPECT_EQ(shown.back(), 6);
            // The blow lands in the very pass that first shows frame 4.
            size_t landed = 0;
            while (landed < hits.size() && hits[landed] == 0) landed++;
            ASSERT_LT(landed, hits.size());
            EXPECT_EQ(shown[landed], 4);
            EXPECT_EQ(shown[landed - 1], 3);
        } else {
            EXPECT_EQ(victim->hits, 0);
        }
    }
}

TEST_F(ActorTest, PickupProbesReachByThePickupsScale)
{
    Creature* hero = add_actor(100, 200, 6);
    Pickup* nearBy = add_actor<Pickup>(115, 200, 2);
    Pickup* small = add_actor<Pickup>(100, 185, 2);
    small->set_scale_percent(50);  // 20 x 50 % = 10: 15 away is out of reach
    hero->probe_pickups(20);
    EXPECT_EQ(nearBy->takenBy, int32_t(hero->id));
    EXPECT_EQ(nearBy->alive, 0);
    EXPECT_EQ(small->alive, 1);
    EXPECT_TRUE(hero->is_alive(small->id));
    EXPECT_FALSE(hero->is_alive(nearBy->id));
    EXPECT_FALSE(hero->is_alive(12345u));

    // A pickup never takes its own probe.
    small->probe_pickups(100);
    EXPECT_EQ(small->alive, 1);

    hero->stun(300);
    EXPECT_EQ(hero->stunned, 1);
    EXPECT_FALSE(hero->stunTimer.ready());
    AppState.frameTime += 300;
    EXPECT_TRUE(hero->stunTimer.ready());
}

}  // namespace
