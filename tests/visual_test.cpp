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
    // A sprite with a key-coloured border and solid ink inside.
    void make_framed(CVisual& v, int w, int h)
    {
        ASSERT_TRUE(v.create_picture(w, h, kInk));
        for (int x = 0; x < w; x++) v.picture[x] = kKey;
        v.screenSpace = 1;
    }
    TempFolder dir;
    LogCapture log;
    TestScreen screen{kFloor};
};

}  // namespace

TEST_F(VisualTest, LoadPictureOwnsItAndABadLoadLeavesNone)
{
    ASSERT_TRUE(write_bytes(dir.file("graphics/misc/icon.tga"), make_flat_tga(12, 7, 0xFF, 0, 0)));
    CVisual v;
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
}

TEST_F(VisualTest, CreateAndFillPicture)
{
    CVisual v;
    v.fill_picture(3);
    EXPECT_TRUE(log.contains("ERROR - Can't fill, no pic in memory!"));
    ASSERT_TRUE(v.create_picture(32, 26, 0x12345678));
    EXPECT_EQ(v.created, 1);
    EXPECT_EQ(v.picture[32 * 26 - 1], 0x5678);
    v.fill_picture(0xFFFF);
    EXPECT_EQ(v.picture[0], 0xFFFF);
}

TEST_F(VisualTest, ScaledDrawGoesThroughTheScratchPad)
{
    CVisual v;
    make_framed(v, 40, 40);
    ASSERT_TRUE(v.alloc_scratch(40, 40));
    v.scalePercent = 50;
    v.update_scaled_size();
    v.x = 100;
    v.y = 100;
    v.draw();
    // Scratch rows 0..19 hold source rows 0, 2, ..., 38; row 0 is all key.
    EXPECT_EQ(span(100), std::make_pair(-1, -1));
    EXPECT_EQ(span(101), std::make_pair(100, 119));
    EXPECT_EQ(span(119), std::make_pair(100, 119));
    EXPECT_EQ(span(120), std::make_pair(-1, -1));
}

TEST_F(VisualTest, FeetAnchorLiftAndSourceRectangle)
{
    CVisual v;
    make_framed(v, 20, 10);
    ASSERT_TRUE(v.alloc_scratch(20, 10));
    v.anchorMode = ANCHOR_FEET;
    v.x = 50;
    v.y = 200;
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
    CVisual v;
    make_framed(v, 30, 30);
    v.useScratch = 0;
    // Wholly left of the clip rectangle, touching it: nothing drawn, nothing fails.
    v.x = -30;
    v.y = 10;
    v.draw();
    EXPECT_EQ(span(20), std::make_pair(-1, -1));
    v.x = -10;
    v.draw();
    EXPECT_EQ(span(20), std::make_pair(0, 19));
    v.x = 225;
    v.y = 305;
    v.draw();
    EXPECT_EQ(span(319), std::make_pair(225, 239));
    // A narrower clip rectangle, and one reaching past the screen that is held to it.
    screen.clear();
    v.clipRect = Rect{50, 0, 60, 320};
    v.x = 40;
    v.y = 0;
    v.draw();
    EXPECT_EQ(span(5), std::make_pair(50, 59));
    v.clipRect = Rect{-100, -100, 1000, 1000};
    v.x = 230;
    v.y = -20;
    v.draw();
    EXPECT_EQ(span(0), std::make_pair(230, 239));
}

TEST_F(VisualTest, ScratchPadTooSmallSkipsTheSprite)
{
    CVisual v;
    make_framed(v, 61, 40);
    ASSERT_TRUE(v.alloc_scratch(60, 60));
    v.draw();
    EXPECT_TRUE(log.contains("Scratch size is too small!!! Require 61 x."));
    EXPECT_EQ(span(10), std::make_pair(-1, -1));
}

TEST_F(VisualTest, FlippedSpriteKeysOnItsSecondRow)
{
    // Row 0 is ink but for its last pixel, which the mirror brings to the top-left; row 1 starts with key
    // after mirroring (its last source pixel is key).
    CVisual v;
    ASSERT_TRUE(v.create_picture(4, 3, kInk));
    v.picture[3] = 0x0001;
    v.picture[4 + 3] = kKey;
    v.screenSpace = 1;
    ASSERT_TRUE(v.alloc_scratch(4, 3));
    v.flip = 1;
    v.draw();
    EXPECT_EQ(at(0, 0), 0x0001);  // not taken for the key
    EXPECT_EQ(at(0, 1), kFloor);  // the key
    EXPECT_EQ(at(3, 1), kInk);
}

TEST_F(VisualTest, PlayfieldSpriteLeftOfTheSeamIsDrawnAfterIt)
{
    ASSERT_TRUE(write_bytes(dir.file("graphics/bg.tga"), make_flat_tga(640, 240, 0x20, 0x20, 0x20)));
    ASSERT_TRUE(Playfield.load_background("graphics\\bg.tga"));
    Playfield.set_view(500.0f, 0.0f);
    std::vector<uint16_t> back(240 * 320, 0);
    Playfield.draw_background(back.data());
    ASSERT_EQ(Playfield.seamVisible, 1);
    ASSERT_EQ(Playfield.seamX, 140);

    CVisual v;
    ASSERT_TRUE(v.create_picture(5, 5, kInk));
    v.pixelTest = 0;
    ASSERT_TRUE(v.alloc_scratch(5, 5));
    v.x = 10;
    v.y = 100;  // view y is -80: screen row 180
    v.draw();
    EXPECT_EQ(span(182), std::make_pair(150, 154));
    // Right of the seam's width it is placed by the view alone.
    screen.clear();
    v.x = 600;
    v.draw();
    EXPECT_EQ(span(182), std::make_pair(100, 104));
}

TEST_F(VisualTest, TintAppliesToTheDrawnPixels)
{
    CVisual v;
    make_framed(v, 4, 4);
    ASSERT_TRUE(v.alloc_scratch(4, 4));
    v.tintRed = 45.7f;
    v.tintBlue = -2.9f;
    v.draw();
    EXPECT_EQ(at(0, 1), (31 << 11) | (63 << 5) | 0);
    EXPECT_EQ(at(0, 0), kFloor);
}

TEST_F(VisualTest, FrozenScratchIsDrawnAsPrepared)
{
    CVisual v;
    make_framed(v, 8, 8);
    ASSERT_TRUE(v.alloc_scratch(8, 8));
    v.refresh_scratch();
    v.scratchFrozen = 1;
    v.fill_picture(0x0F0F);  // later changes to the picture are not rescaled
    v.draw();
    EXPECT_EQ(at(3, 3), kInk);
}
