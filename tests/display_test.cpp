// The copy to the frame buffer by its pitches, the 2-bit grey packing, and frame pacing.
#include <gtest/gtest.h>
#include <cstring>
#include <vector>
#include "graphics/display.h"
#include "graphics/frame_pacing.h"

static std::vector<uint16_t> numbered_screen()
{
    std::vector<uint16_t> src(240 * 320);
    for (size_t i = 0; i < src.size(); i++) src[i] = uint16_t(i * 7 + 3);
    return src;
}

static uint16_t at(const std::vector<uint8_t>& fb, long offset)
{
    uint16_t v;
    std::memcpy(&v, fb.data() + offset, 2);
    return v;
}

TEST(Present, CopyByPitchesPlacesEveryPixel)
{
    auto src = numbered_screen();
    std::vector<uint8_t> portrait(240 * 320 * 2);
    copy_to_frame_buffer16(src.data(), portrait.data(), 2, 480);
    EXPECT_EQ(0, std::memcmp(portrait.data(), src.data(), portrait.size()));

    // x pitch -640, y pitch 2: a landscape frame buffer 320 pixels wide; columns run bottom to top.
    std::vector<uint8_t> fb(240 * 320 * 2 + 16);
    const long base = 239L * 640;
    copy_to_frame_buffer16(src.data(), fb.data() + base, -640, 2);
    for (int y = 0; y < 320; y += 37)
        for (int x = 0; x < 240; x += 23) EXPECT_EQ(at(fb, base + y * 2 - x * 640L), src[size_t(y) * 240 + size_t(x)]);

    // y pitch -2 starts 640 bytes past the begin-draw address.
    std::vector<uint8_t> fb2(240 * 320 * 2 + 1024, 0);
    copy_to_frame_buffer16(src.data(), fb2.data(), 640, -2);
    EXPECT_EQ(at(fb2, 640), src[0]);
    EXPECT_EQ(at(fb2, 638), src[240]);
    EXPECT_EQ(at(fb2, 640 + 640), src[1]);
}

TEST(Present, GreyPackingTakesTheTopTwoBits)
{
    std::vector<uint16_t> red(240 * 320, 0xF800);
    std::vector<uint8_t> fb(320 * 60, 0);
    copy_to_frame_buffer_grey2(red.data(), fb.data(), 60);
    for (uint8_t b : fb) ASSERT_EQ(b, 0xFF);

    std::vector<uint16_t> cyan(240 * 320, 0x07FF);
    copy_to_frame_buffer_grey2(cyan.data(), fb.data(), 60);
    for (uint8_t b : fb) ASSERT_EQ(b, 0x00);

    // Longer rows keep their last 4 bytes untouched; the leftmost pixel is in the top bits.
    std::vector<uint16_t> mixed(240 * 320, 0);
    mixed[0] = 0xC000;  // level 3
    mixed[1] = 0x4000;  // level 1
    std::vector<uint8_t> fb64(320 * 64, 0xAA);
    copy_to_frame_buffer_grey2(mixed.data(), fb64.data(), 64);
    EXPECT_EQ(fb64[0], 0xD0);
    for (int row = 0; row < 320; row++)
        for (int k = 60; k < 64; k++) ASSERT_EQ(fb64[size_t(row) * 64 + size_t(k)], 0xAA);
}

TEST(FramePacing, FirstCallSteadyFramesAndStalls)
{
    const uint64_t f = 1000000;
    FramePacer p;
    p.lastReading = 0;
    uint64_t now = 123456789;
    EXPECT_FALSE(p.measure(now, f));
    EXPECT_DOUBLE_EQ(p.smoothed, 4.0);
    // A frame of us microseconds after the last reading.
    const auto frame = [&](uint64_t us) {
        p.lastReading = now;
        now += us;
        p.measure(now, f);
    };
    frame(50000);  // 50 ms
    EXPECT_NEAR(p.smoothed, 4.05, 1e-12);
    const double before = p.smoothed;
    frame(3000000);  // a 3-second stall counts as 12
    EXPECT_DOUBLE_EQ(p.raw, 12.0);
    EXPECT_NEAR(p.smoothed, before + (12.0 - before) * 0.05, 1e-12);
    // 12.5 hundredths passes unchanged: only the integer part is clamped.
    frame(125000);
    EXPECT_DOUBLE_EQ(p.raw, 12.5);
    // 1 ms frames report a rate above the cap.
    frame(1000);
    EXPECT_GT(p.frameRate, 500.0);
}
