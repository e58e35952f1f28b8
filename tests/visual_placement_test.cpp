// CVisual on real pictures: loading, the scratch pad, drawing with clip and tint, taps (top thing, transparent
// pixels, seam, screen space), lift and scaling, depth, distances and the tint's fade.
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>
#include "app/app_state.h"
#include "game/thing_list.h"
#include "game/visual.h"
#include "graphics/display.h"
#include "graphics/playfield.h"
#include "support/gfx_files.h"
#include "support/scene_files.h"
#include "support/temp_folder.h"
#include "util/strings.h"

namespace {

// Palette: 0 the magenta key, 1 red, 2 green.
std::vector<Bgr> test_palette()
{
    std::vector<Bgr> p(256);
    p[0] = Bgr{255, 0, 255};
    p[1] = Bgr{0, 0, 255};
    p[2] = Bgr{0, 255, 0};
    return p;
}
const uint16_t kRed = rgb565(255, 0, 0);
const uint16_t kGreen = rgb565(0, 255, 0);
constexpr uint16_t kInk = 0x07E0;

// A picture whose left half is transparent and right half is colour index `fill`.
std::vector<uint8_t> half_picture(int w, int h, uint8_t fill)
{
    std::vector<uint8_t> idx(size_t(w) * size_t(h), 0);
    for (int y = 0; y < h; y++)
        for (int x = w / 2; x < w; x++) idx[size_t(y) * size_t(w) + size_t(x)] = fill;
    return idx;
}

// Opaque but for the key in the top-left pixel.
std::vector<uint8_t> solid_picture(int w, int h, uint8_t fill)
{
    std::vector<uint8_t> idx(size_t(w) * size_t(h), fill);
    idx[0] = 0;
    return idx;
}

class VisualTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.make_program_folder();
        AppState.frameScale = 1.0;
        AppState.frameTime = 1000;
        Playfield.viewX = Playfield.viewY = 0.0f;
        Playfield.seamVisible = 0;
    }
    void TearDown() override { list.clear(); }

    void write_picture(const std::string& relative, int w, int h, const std::vector<uint8_t>& idx)
    {
        ASSERT_TRUE(write_bytes(folder.file(relative), make_tga(w, h, test_palette(), idx)));
    }

    // A sprite showing the file, added to the list at that place.
    CVisual* add_sprite(const char* dataName, int x, int y, int32_t sortKey, int anchor = ANCHOR_TOP_LEFT)
    {
        auto* v = new CVisual;
        copy_text(v->fileName, sizeof v->fileName, dataName);
        EXPECT_TRUE(v->load_picture());
        EXPECT_TRUE(v->alloc_scratch(v->width * 2, v->height * 2));
        v->anchorMode = anchor;
        v->sortKey = sortKey;
        list.add_thing(v);
        v->set_position(x, y);
        return v;
    }
    // Makes v a w x h sprite in screen space, its top row the key colour and solid ink below, with a
    // scratch pad of its size.
    void make_framed(int w, int h)
    {
        ASSERT_TRUE(v.create_picture(w, h, kInk));
        for (int x = 0; x < w; x++) v.picture[x] = kTestKey;
        v.screenSpace = 1;
        ASSERT_TRUE(v.alloc_scratch(w, h));
    }

    uint16_t at(int x, int y) const { return screen.at(x, y); }
    // Leftmost and rightmost drawn column on a row, -1 when nothing was drawn there.
    std::pair<int, int> span(int y) const
    {
        int lo = -1, hi = -1;
        for (int x = 0; x < kScreenWidth; x++)
            if (at(x, y) != screen.floor) {
                if (lo < 0) lo = x;
                hi = x;
            }
        return {lo, hi};
    }

    TempFolder folder;
    LogCapture log;
    TestScreen screen{0};
    CThingList list;
    CVisual v;
};

TEST_F(VisualTest, LoadPictureOwnsItABadLoadLeavesNoneAndAMadeOneIsFilled)
{
    ASSERT_TRUE(write_bytes(folder.file("graphics/misc/icon.tga"), make_flat_tga(12, 7, 0xFF, 0, 0)));
    copy_text(v.fileName, sizeof v.fileName, "graphics\\misc\\icon.tga");
    ASSERT_TRUE(v.load_picture());
    EXPECT_EQ(v.width, 12);
    EXPECT_EQ(v.height, 7);
    EXPECT_EQ(v.pictureOwner, 1);
    EXPECT_EQ(v.picture[0], 0xF800);
    copy_text(v.fileName, sizeof v.fileName, "graphics\\misc\\none.tga");
    EXPECT_FALSE(v.load_picture());
    EXPECT_EQ(v.picture, nullptr);
    EXPECT_TRUE(log.contains("Bad load."));
    v.fill_picture(3);
    EXPECT_TRUE(log.contains("ERROR - Can't fill, no pic in memory!"));
    // A made picture takes the low half of the fill colour.
    ASSERT_TRUE(v.create_picture(32, 26, 0x12345678));
    EXPECT_EQ(v.created, 1);
    EXPECT_EQ(v.picture[32 * 26 - 1], 0x5678);
}

TEST_F(VisualTest, ClippingAtEveryEdge)
{
    ASSERT_NO_FATAL_FAILURE(make_framed(30, 30));
    v.useScratch = 0;
    // Wholly left of the clip rectangle, touching it: nothing drawn, nothing fails.
    v.set_position(-30, 10);
    v.draw();
    EXPECT_EQ(span(20), std::make_pair(-1, -1));
    v.x = -10;
    v.draw();
    EXPECT_EQ(span(20), std::make_pair(0, 19));
    v.set_position(225, 305);
    v.draw();
    EXPECT_EQ(span(319), std::make_pair(225, 239));
    // A narrower clip rectangle, and one reaching past the screen that is held to it.
    screen.clear();
    v.clipRect = Rect{50, 0, 60, 320};
    v.set_position(40, 0);
    v.draw();
    EXPECT_EQ(span(5), std::make_pair(50, 59));
    v.clipRect = Rect{-100, -100, 1000, 1000};
    v.set_position(230, -20);
    v.draw();
    EXPECT_EQ(span(0), std::make_pair(230, 239));
}

// A pad too small for the picture skips the sprite. A frozen one is drawn as it was prepared, later changes to
// the picture are not rescaled, and the tint applies to the drawn pixels, each channel held to its range.
TEST_F(VisualTest, TheScratchPadIsNotDrawnWhenTooSmallAndAsPreparedWhenFrozen)
{
    ASSERT_NO_FATAL_FAILURE(make_framed(61, 40));
    ASSERT_TRUE(v.alloc_scratch(60, 60));
    v.draw();
    EXPECT_TRUE(log.contains("Scratch size is too small!!! Require 61 x."));
    EXPECT_EQ(span(10), std::make_pair(-1, -1));

    ASSERT_NO_FATAL_FAILURE(make_framed(8, 8));
    v.refresh_scratch();
    v.scratchFrozen = 1;
    v.fill_picture(0x0F0F);
    v.tintRed = 45.7f;
    v.tintBlue = -2.9f;
    v.draw();
    EXPECT_EQ(at(3, 3), (31 << 11) | (63 << 5) | 0);  // the ink, red and blue pushed to their ends
    EXPECT_EQ(at(3, 0), screen.floor);
}

TEST_F(VisualTest, TapReachesTheTopThingAndFallsThroughItsTransparentPixels)
{
    write_picture("graphics/t/under.tga", 20, 20, solid_picture(20, 20, 2));
    write_picture("graphics/t/over.tga", 20, 20, half_picture(20, 20, 1));
    CVisual* under = add_sprite("graphics\\t\\under.tga", 100, 50, 10);
    CVisual* over = add_sprite("graphics\\t\\over.tga", 100, 50, 20);
    list.draw_all();
    ASSERT_EQ(at(115, 55), kRed);
    ASSERT_EQ(at(105, 55), kGreen);

    EXPECT_EQ(list.thing_at_point(115, 55, 0, 0), over->id);   // opaque part of the top picture
    EXPECT_EQ(list.thing_at_point(105, 55, 0, 0), under->id);  // its transparent half shows the one below
    EXPECT_EQ(list.thing_at_point(100, 50, 0, 0), kNoThing);   // the key pixel of the lower one too
    EXPECT_EQ(list.thing_at_point(120, 55, 0, 0), kNoThing);   // the right edge is outside

    // At half size the scaled picture is tested where it is drawn: 10 x 10 from (100, 50).
    over->set_scale_percent(50);
    list.draw_all();
    EXPECT_EQ(list.thing_at_point(107, 52, 0, 0), over->id);
    EXPECT_EQ(list.thing_at_point(112, 52, 0, 0), under->id);
    EXPECT_EQ(list.thing_at_point(103, 52, 0, 0), under->id);

    // Without the pixel test a thing is hit anywhere in its rectangle (rect-only ones too: the spell icons'
    // corners, HudTest.SpellBarShowsOwnedSpellsSelectsAndDrops); an untestable one never.
    over->pixelTest = 0;
    EXPECT_EQ(list.thing_at_point(103, 52, 0, 0), over->id);
    over->hitTestable = 0;
    EXPECT_EQ(list.thing_at_point(107, 52, 0, 0), under->id);
}

// How things are drawn across the seam is LoaderTest.ALevelsBackgroundHardBoxesAndSceneryShowAcrossTheSeam's.
TEST_F(VisualTest, ThingPastTheSeamIsHitAtTheStartOfThePlayfieldWhereItIsDrawnAndIsOnScreen)
{
    write_picture("graphics/t/post.tga", 20, 30, solid_picture(20, 30, 1));
    // Feet at x = width - 5: the picture covers world x 625..644, i.e. 625..639 and 0..4.
    CVisual* post = add_sprite("graphics\\t\\post.tga", Playfield.width - 5, 100, 100, ANCHOR_FEET);
    const int top = 100 - 30;
    EXPECT_TRUE(post->contains_point(2, 90));
    EXPECT_TRUE(post->contains_point(2 + Playfield.width, 90));
    EXPECT_TRUE(post->contains_point(630, 90));
    EXPECT_FALSE(post->contains_point(5, 90));
    EXPECT_FALSE(post->contains_point(624, 90));
    EXPECT_FALSE(post->contains_point(2, top - 1));

    // Drawn with the view across the seam (view 500: screen 140 onward shows world 0 onward), the tap
    // at the screen point that shows world x 2 lands on the sprite's colour.
    Playfield.viewX = 500.0f;
    Playfield.seamVisible = 1;
    Playfield.seamX = 140;
    list.draw_all();
    const int sx = 142, sy = 90;
    EXPECT_EQ(at(sx, sy), kRed);
    EXPECT_EQ(Playfield.screen_to_world_x(sx), 2);
    EXPECT_EQ(list.thing_at_point(Playfield.screen_to_world_x(sx), Playfield.screen_to_world_y(sy), 0, 0), post->id);
    EXPECT_EQ(at(146, sy), 0);  // world x 6: past the picture, nothing drawn
    EXPECT_EQ(list.thing_at_point(6, sy, 0, 0), kNoThing);

    // What is on screen reaches across the seam too: world 500..639, then 0..99. (The margins either side
    // and the field's bottom: SpellTest.IncinerateReachesOnlyMonstersWithinTheViewWidenedByThirty.)
    for (auto [x, on] : {std::pair{60, true}, std::pair{150, false}, std::pair{520, true}, std::pair{480, false}}) {
        v.set_position(x, 100);
        EXPECT_EQ(v.is_on_screen(0), on) << x;
    }
}

TEST_F(VisualTest, ScreenSpaceThingIsHitWhereItIsDrawnWhateverTheView)
{
    write_picture("graphics/t/button.tga", 30, 10, solid_picture(30, 10, 2));
    CVisual* button = add_sprite("graphics\\t\\button.tga", 10, 20, 1000);
    button->screenSpace = 1;
    for (float view : {0.0f, 300.0f, 560.0f}) {
        Playfield.viewX = view;
        Playfield.viewY = -80.0f;
        Playfield.seamVisible = view > float(Playfield.width - kScreenWidth);
        Playfield.seamX = Playfield.width - int(view);
        screen.clear();
        list.draw_all();
        ASSERT_EQ(at(15, 25), kGreen);
        const int wx = Playfield.screen_to_world_x(15), wy = Playfield.screen_to_world_y(25);
        EXPECT_EQ(list.thing_at_point(wx, wy, 0, 0), button->id) << "view " << view;
        EXPECT_EQ(list.thing_at_point(Playfield.screen_to_world_x(45), wy, 0, 0), kNoThing) << "view " << view;
    }
}

TEST_F(VisualTest, LiftedAndGrowingPicturesAreHitWhereTheyAreDrawnAndScalingStopsAtItsTarget)
{
    write_picture("graphics/t/ball.tga", 20, 20, solid_picture(20, 20, 1));
    CVisual* ball = add_sprite("graphics\\t\\ball.tga", 100, 200, 5, ANCHOR_FEET);
    ball->hitTestable = 1;
    ball->heightAboveGround = 40.0f;  // at 100 %: drawn 40 higher, rows 140..159
    list.draw_all();
    EXPECT_EQ(at(100, 150), kRed);
    EXPECT_EQ(at(100, 190), 0);
    EXPECT_TRUE(ball->contains_point(100, 150));
    EXPECT_FALSE(ball->contains_point(100, 190));

    // Grow-in at 50 % scale: halfway through, the top half of the 10 x 10 picture stands on the feet.
    ball->heightAboveGround = 0.0f;
    ball->set_scale_percent(50);
    ball->start_grow_in();
    for (int i = 0; i < 126; i++) ASSERT_TRUE(ball->step_scale());  // progress just past 0.5
    EXPECT_EQ(ball->sourceRect.bottom, 5);
    screen.clear();
    list.draw_all();
    EXPECT_EQ(at(97, 197), kRed);
    EXPECT_EQ(at(97, 194), 0);
    EXPECT_TRUE(ball->contains_point(97, 197));
    EXPECT_FALSE(ball->contains_point(97, 193));
    int steps = 126;
    while (ball->step_scale()) steps++;
    EXPECT_NEAR(steps, 249, 1);  // 0.004 a hundredth: done after 250 steps of one hundredth
    EXPECT_EQ(ball->scaleMode, SCALE_NONE);
    EXPECT_EQ(ball->useSourceRect, 0);

    // Scaling to a target grows the scaled size and stops there.
    ball->set_scale_percent(100);
    ball->start_scale_to_target(2.0f, 0.02f);
    steps = 0;
    while (ball->step_scale()) steps++;
    EXPECT_NEAR(steps, 49, 1);
    EXPECT_FLOAT_EQ(ball->scaleFactor, 2.0f);
    EXPECT_EQ(ball->scaledWidth, 40);
}

TEST_F(VisualTest, DepthScaleFollowsTheBandAndSetsTheSortKey)
{
    Playfield.height = 240;
    v.width = 100;
    v.height = 50;
    const struct {
        int fieldStart, fieldEnd;
        float mod;
        int y, percent;
    } cases[] = {
        // The far line at 77, the near line at 163; the lines themselves and a modifier of 1 are checked by
        // ActorTest.StepsFollowFacingDepthAndFrameLengthAndWrapAtTheEdges.
        {163, 77, 0.8f, 120, 60}, {163, 77, 0.8f, 0, 1}, {163, 77, 0.8f, 239, 100},
        {100, 100, 1.0f, 139, 1}, {100, 100, 1.0f, 140, 100},  // an empty band is not a division by zero
    };
    for (auto c : cases) {
        Playfield.fieldStart = c.fieldStart;
        Playfield.fieldEnd = c.fieldEnd;
        Playfield.scaleMod = c.mod;
        v.set_position(10, c.y);
        v.apply_depth_scale();
        EXPECT_EQ(v.scalePercent, c.percent) << "y " << c.y << ", band " << c.fieldStart << "/" << c.fieldEnd;
        EXPECT_EQ(v.sortKey, c.y);
        EXPECT_EQ(v.scaledWidth, 100 * c.percent / 100);
    }
    Playfield.fieldStart = 163;
    Playfield.fieldEnd = 77;
    Playfield.scaleMod = 1.0f;
}

TEST_F(VisualTest, DistancesAndBearingsGoThroughTheList)
{
    auto* a = new CVisual;
    auto* b = new CVisual;
    list.add_thing(a);
    list.add_thing(b);
    a->set_position(100, 100);
    b->set_position(130, 140);
    EXPECT_EQ(a->Getdistance(b->id), 50);
    EXPECT_EQ(a->Getdistance(b), 50);
    b->set_position(100, 160);
    EXPECT_NEAR(a->get_angle_to_handle(b->id), 1.57f, 1e-4);  // straight down
    b->set_position(40, 100);
    EXPECT_NEAR(a->get_angle_to_handle(b->id), 3.1415925f, 1e-4);
    EXPECT_EQ(a->Getdistance(999u), -1);
    EXPECT_EQ(a->get_angle_to_handle(999u), 0.0f);
    EXPECT_TRUE(log.contains("Getdistance from entity, entity doesn't exist."));
    EXPECT_TRUE(log.contains("get_angle_to_handle entity doesn't exist!"));
}

TEST_F(VisualTest, TintFadesInHoldsAndFadesOut)
{
    // Thinks 10 ms apart while the condition holds; how many.
    auto frames_while = [&](auto going) {
        int n = 0;
        for (; going() && n < 1000; n++, AppState.frameTime += 10) v.think();
        return n;
    };
    v.fade_tint(45.0f, 0.0f, -20.0f, 1.5f, 500, 1.0f);
    EXPECT_EQ(frames_while([&] { return v.tintInRate != 0.0f; }), 30);  // 45 at 1.5 a hundredth
    EXPECT_FLOAT_EQ(v.tintBlue, -20.0f);
    // Held 500 ms from arrival; the think after that takes the first of 45 steps out at 1.0 a hundredth.
    EXPECT_EQ(frames_while([&] { return v.tintRed == 45.0f; }), 51);
    EXPECT_EQ(frames_while([&] { return v.tintActive != 0; }), 44);
    EXPECT_FLOAT_EQ(v.tintRed, 0.0f);
    EXPECT_FLOAT_EQ(v.tintBlue, 0.0f);
}

}  // namespace
