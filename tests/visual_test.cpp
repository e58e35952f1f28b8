// The picture half of CVisual: loading, blank pictures, the scratch pad, and drawing with lift, clip and seam.
#include <gtest/gtest.h>
#include <vector>
#include "app/app_state.h"
#include "game/visual.h"
#include "graphics/display.h"
#include "graphics/playfield.h"
#include "support/gfx_files.h"
#include "support/scene_files.h"
#include "support/temp_folder.h"
#include "util/strings.h"

namespace {

constexpr uint16_t kKey = 0xF81F;
constexpr uint16_t kInk = 0x07E0;
constexpr uint16_t kFloor = 0x1111;

class VisualTest : public ::testing::Test {
protected:
    void SetUp() override { dir.make_program_folder(); }
    uint16_t at(int x, int y) const { return screen.at(x, y); }
    // Leftmost and rightmost drawn column on a row, -1 when nothing was drawn there.
    std::pair<int, int> span(int y) const
    {
        int lo = -1, hi = -1;
        for (int x = 0; x < AppState.screenWidth; x++)
            if (at(x, y) != kFloor) {
                if (lo < 0) lo = x;
                hi = x;
            }
        return {lo, hi};
    }
    // Makes v a w x h sprite in screen space, its top row the key colour and solid ink below, with a
    // scratch pad of its size.
    void make_framed(int w, int h)
    {
        ASSERT_TRUE(v.create_picture(w, h, kInk));
        for (int x = 0; x < w; x++) v.picture[x] = kKey;
        v.screenSpace = 1;
        ASSERT_TRUE(v.alloc_scratch(w, h));
    }
    TempFolder dir;
    LogCapture log;
    TestScreen screen{kFloor};
    CVisual v;
};

}  // namespace

TEST_F(VisualTest, LoadPictureOwnsItABadLoadLeavesNoneAndAMadeOneIsFilled)
{
    ASSERT_TRUE(write_bytes(dir.file("graphics/misc/icon.tga"), make_flat_tga(12, 7, 0xFF, 0, 0)));
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

TEST_F(VisualTest, ScaledDrawGoesThroughTheScratchPad)
{
    ASSERT_NO_FATAL_FAILURE(make_framed(40, 40));
    v.scalePercent = 50;
    v.update_scaled_size();
    v.set_position(100, 100);
    v.draw();
    // Scratch rows 0..19 hold source rows 0, 2, ..., 38; row 0 is all key.
    EXPECT_EQ(span(100), std::make_pair(-1, -1));
    EXPECT_EQ(span(101), std::make_pair(100, 119));
    EXPECT_EQ(span(119), std::make_pair(100, 119));
    EXPECT_EQ(span(120), std::make_pair(-1, -1));
}

TEST_F(VisualTest, FeetAnchorLiftAndSourceRectangle)
{
    ASSERT_NO_FATAL_FAILURE(make_framed(20, 10));
    v.anchorMode = ANCHOR_FEET;
    v.set_position(50, 200);
    v.heightAboveGround = 30.0f;
    v.draw();
    // Bottom-centre at (50, 200), raised by 30: rows 160..169, columns 40..59.
    EXPECT_EQ(span(161), std::make_pair(40, 59));
    EXPECT_EQ(span(169), std::make_pair(40, 59));
    EXPECT_EQ(span(170), std::make_pair(-1, -1));

    // Rising out of the ground: only the top 6 rows, standing on the feet.
    screen.clear();
    v.heightAboveGround = 0.0f;
    v.useSourceRect = 1;
    v.sourceRect = Rect{0, 0, 20, 6};
    v.draw();
    EXPECT_EQ(span(194), std::make_pair(-1, -1));  // the key row
    EXPECT_EQ(span(195), std::make_pair(40, 59));
    EXPECT_EQ(span(199), std::make_pair(40, 59));
    EXPECT_EQ(span(200), std::make_pair(-1, -1));
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

TEST_F(VisualTest, ScratchPadTooSmallSkipsTheSprite)
{
    ASSERT_NO_FATAL_FAILURE(make_framed(61, 40));
    ASSERT_TRUE(v.alloc_scratch(60, 60));
    v.draw();
    EXPECT_TRUE(log.contains("Scratch size is too small!!! Require 61 x."));
    EXPECT_EQ(span(10), std::make_pair(-1, -1));
}

// A frozen scratch pad is drawn as it was prepared, later changes to the picture are not rescaled, and the
// tint applies to the drawn pixels, each channel held to its range.
TEST_F(VisualTest, FrozenScratchIsDrawnAsPreparedWithTheTint)
{
    ASSERT_NO_FATAL_FAILURE(make_framed(8, 8));
    v.refresh_scratch();
    v.scratchFrozen = 1;
    v.fill_picture(0x0F0F);
    v.tintRed = 45.7f;
    v.tintBlue = -2.9f;
    v.draw();
    EXPECT_EQ(at(3, 3), (31 << 11) | (63 << 5) | 0);  // the ink, red and blue pushed to their ends
    EXPECT_EQ(at(3, 0), kFloor);
}
