// The playfield: view wrapping, the background copy across the seam, coordinates, walkability and the shake.
#include <gtest/gtest.h>
#include <tuple>
#include <utility>
#include <vector>
#include "app/app_state.h"
#include "graphics/playfield.h"
#include "support/gfx_files.h"
#include "support/temp_folder.h"

namespace {

// Background pixels encode their column (and the row in the top bits), so a copy shows where it came from.
std::vector<uint8_t> coded_background(int width, int height)
{
    std::vector<Bgr> palette(256);
    for (int i = 0; i < 256; i++) palette[size_t(i)] = Bgr{uint8_t(i << 3), uint8_t(i), 0};
    std::vector<uint8_t> idx(size_t(width) * size_t(height));
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) idx[size_t(y) * size_t(width) + size_t(x)] = uint8_t(x % 251);
    return make_tga(width, height, palette, idx);
}

uint16_t coded_pixel(int column)
{
    const int i = column % 251;
    return rgb565(0, uint8_t(i), uint8_t(i << 3));
}

class PlayfieldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.make_program_folder();
        ASSERT_TRUE(write_bytes(dir.file("graphics/backgrounds/field.tga"), coded_background(640, 240)));
        ASSERT_TRUE(field.load_background("graphics\\backgrounds\\field.tga"));
        target.assign(240 * 320, 0xBEEF);
    }
    uint16_t at(int x, int y) const { return target[size_t(y) * 240 + size_t(x)]; }
    TempFolder dir;
    LogCapture log;
    CPlayfield field;
    std::vector<uint16_t> target;
};

}  // namespace

TEST_F(PlayfieldTest, LoadingCentresTheViewLowersAShortBackgroundAndTheViewWraps)
{
    EXPECT_EQ(field.viewX, 320.0f);
    EXPECT_EQ(field.viewY, -80.0f);
    field.draw_background(target.data());
    // 240 rows high on a 320-row screen: rows 80..319, the rows above untouched.
    EXPECT_EQ(at(0, 79), 0xBEEF);
    EXPECT_EQ(at(0, 80), coded_pixel(320));
    EXPECT_EQ(at(239, 319), coded_pixel(559));
    EXPECT_EQ(field.seamVisible, 0);

    // The view wraps once each way.
    for (auto [to, wrapped] : {std::pair{700.0f, 60.0f}, {-10.0f, 630.0f}, {640.0f, 640.0f}}) {
        field.set_view(to, 0.0f);
        EXPECT_EQ(field.viewX, wrapped) << to;
    }
    EXPECT_EQ(field.viewY, -80.0f);  // y is held to height - screenHeight
    EXPECT_FALSE(field.scroll_by(0, 0, nullptr));
    EXPECT_EQ(field.redrawRequested, 0);
    EXPECT_TRUE(field.scroll_by(5, 0, nullptr));
    EXPECT_EQ(field.redrawRequested, 1);
    EXPECT_EQ(field.viewX, 645.0f - 640.0f);
}

TEST_F(PlayfieldTest, TheSeamShowsTheStartAfterTheEnd)
{
    // A view near the end shows the start after the seam; at the very end it shows only the start.
    for (auto [x, seamVisible, seamX] : {std::tuple{640.0f, 1, 0}, {100.5f, 0, 0}, {500.0f, 1, 140}}) {
        SCOPED_TRACE(x);
        field.set_view(x, 0.0f);
        field.draw_background(target.data());
        EXPECT_EQ(field.seamVisible, seamVisible);
        EXPECT_EQ(seamVisible ? field.seamX : 0, seamX);
        for (int c = 0; c < 240; c++) ASSERT_EQ(at(c, 200), coded_pixel((int(x) + c) % 640)) << c;
    }
    // Screen and playfield coordinates agree on both sides of the seam the last draw placed.
    EXPECT_EQ(field.screen_to_world_x(100), 600);
    EXPECT_EQ(field.world_to_screen_x(10), 150);
    EXPECT_EQ(field.world_to_screen_x(600), 100);
}

TEST_F(PlayfieldTest, WalkabilityLaterHardBoxesWin)
{
    EXPECT_FALSE(field.is_walkable(50, 50));
    EXPECT_TRUE(log.contains("Playfield rect not set!"));
    field.set_playfield_rect(Rect{0, 100, 640, 240});
    EXPECT_FALSE(field.is_walkable(0, 150));  // on the edge
    EXPECT_TRUE(field.is_walkable(1, 150));
    // A later box wins (the level file's order is LoaderTest's); a walkable one may reach outside the rectangle.
    field.add_hard_box(Rect{100, 120, 200, 180}, 0);
    field.add_hard_box(Rect{140, 140, 160, 160}, 1);
    EXPECT_TRUE(field.is_walkable(150, 150));
    EXPECT_FALSE(field.is_walkable(130, 150));
    field.add_hard_box(Rect{300, 0, 320, 100}, 1);
    EXPECT_TRUE(field.is_walkable(310, 50));
    field.clear_hard_boxes();
    EXPECT_TRUE(field.is_walkable(130, 150));
}

TEST_F(PlayfieldTest, ShakeJumpsDiagonallyByTheAmplitudeUntilItEnds)
{
    AppState.frameTime = 1000;
    field.set_view(300.0f, 0.0f);
    field.start_shake(5, 500, 120);
    AppState.frameTime = 1130;
    field.update(target.data());
    const float moved = field.viewX - 300.0f;
    EXPECT_TRUE(moved == 5.0f || moved == -5.0f);
    EXPECT_EQ(field.viewY, -80.0f);  // held to the background
    AppState.frameTime = 1600;
    field.update(target.data());
    EXPECT_EQ(field.shakeActive, 0);
}
