// The pixel loops: exact rescale stepping (with mirror and enlarging), the tinted colour-keyed blit, the opaque copy.
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>
#include "app/app_state.h"
#include "graphics/blit.h"
#include "graphics/display.h"

namespace {

// Source pixel values encode their own column and row: (row << 8) | column.
std::vector<uint16_t> coded_source(int w, int h)
{
    std::vector<uint16_t> s(size_t(w) * size_t(h));
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) s[size_t(y) * size_t(w) + size_t(x)] = uint16_t((y << 8) | x);
    return s;
}

std::vector<int> columns_taken(int from, int to, bool mirror = false)
{
    auto src = coded_source(from, 1);
    std::vector<uint16_t> dst(size_t(to), 0xFFFF);
    scale_into(0, 0, from, 1, 0, 0, to, 1, src.data(), dst.data(), from, to, mirror);
    std::vector<int> cols;
    for (uint16_t v : dst) cols.push_back(v & 0xFF);
    return cols;
}

class BlitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        screen.assign(size_t(AppState.screenWidth) * size_t(AppState.screenHeight), 0x1111);
        g_drawTarget = screen.data();
    }
    uint16_t at(int x, int y) const { return screen[size_t(y) * size_t(AppState.screenWidth) + size_t(x)]; }
    std::vector<uint16_t> screen;
};

constexpr uint16_t kMagenta = 0xF81F;

}  // namespace

TEST(ScaleInto, ColumnsAndRowsAreSteppedLikeALineNeverPastThePictureAndIntoAnyStride)
{
    const struct {
        int from, to;
        bool mirror;
        std::vector<int> columns;
    } cases[] = {
        {4, 2, false, {0, 2}}, {4, 3, false, {0, 1, 3}}, {4, 5, false, {0, 1, 2, 2, 3}}, {4, 4, false, {0, 1, 2, 3}},
        {4, 2, true, {2, 0}},
        {2, 4, false, {0, 1, 1, 1}},  // doubling steps to the column past the last one; it stays on the last
    };
    for (const auto& c : cases)
        EXPECT_EQ(columns_taken(c.from, c.to, c.mirror), c.columns) << c.from << " to " << c.to << " " << c.mirror;
    // Rows likewise: a 3 x 3 picture in a buffer whose next row holds a marker, tripled.
    std::vector<uint16_t> buf = coded_source(3, 3);
    buf.resize(buf.size() + 3, 0xDEAD);
    std::vector<uint16_t> dst(9 * 9, 0);
    scale_into(0, 0, 3, 3, 0, 0, 9, 9, buf.data(), dst.data(), 3, 9, 0);
    for (uint16_t v : dst) ASSERT_LE(v, (2 << 8) | 2);
    EXPECT_EQ(dst[8 * 9 + 8], (2 << 8) | 2);

    // Half of 40 x 40, and its mirror into a wider pad.
    auto src = coded_source(40, 40);
    std::vector<uint16_t> half(20 * 20);
    scale_into(0, 0, 40, 40, 0, 0, 20, 20, src.data(), half.data(), 40, 20, 0);
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 20; x++) EXPECT_EQ(half[size_t(y) * 20 + size_t(x)], ((2 * y) << 8) | (2 * x));
    // The pad's rest is left alone.
    std::vector<uint16_t> pad(32 * 32, 0x7777);
    scale_into(0, 0, 40, 40, 0, 0, 20, 20, src.data(), pad.data(), 40, 32, 1);
    EXPECT_EQ(pad[19], 0);                       // source column 0 lands in column 19
    EXPECT_EQ(pad[5 * 32 + 0], (10 << 8) | 38);  // and column 38 in column 0
    EXPECT_EQ(pad[20], 0x7777);
    EXPECT_EQ(pad[32 * 20], 0x7777);
}

// Every pixel of a wide sprite (the eight-at-a-time path and the tail) against the rule: the key colour, the
// top-left or for flipped frames the colour that starts the second row, is skipped when keyed and drawn like any
// other when not; each channel takes its offset and is held to its range, however far out the offset is.
TEST_F(BlitTest, EveryPixelFollowsTheKeyAndTintRule)
{
    constexpr int kW = 203, kH = 3;
    std::vector<uint16_t> sprite(kW * kH);
    for (size_t i = 0; i < sprite.size(); i++) sprite[i] = uint16_t(i * 2654435761u >> 13);
    for (size_t i = 0; i < sprite.size(); i += 7) sprite[i] = kMagenta;
    for (size_t i = 3; i < sprite.size(); i += 11) sprite[i] = 0x2222;
    sprite[kW] = 0x2222;
    sprite[1] = 0x0000;
    sprite[2] = 0xFFFF;
    const struct {
        uint8_t keyed, secondRow;
        int red, green, blue;
    } cases[] = {
        {1, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {1, 0, 5, -7, 2}, {0, 0, -31, -63, -31}, {1, 0, 31, 63, 31},
        {0, 0, 45, 0, 0}, {1, 0, 0, -1000, 3}, {1, 1, 0, 0, 0}, {1, 1, -3, 4, 0},
    };
    auto channel = [](int value, int offset, int top) { return std::clamp(value + offset, 0, top); };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "keyed " << int(c.keyed) << ", second row " << int(c.secondRow) << ", tint "
                                        << c.red << " " << c.green << " " << c.blue);
        screen.assign(screen.size(), 0x1111);
        blit_tinted(17, 5, kW, kH, sprite.data(), kW, sprite.data(), c.secondRow, c.keyed, c.red, c.green, c.blue);
        const uint16_t key = sprite[c.secondRow ? kW : 0];
        for (int y = 0; y < kH; y++)
            for (int x = 0; x < kW; x++) {
                const uint16_t p = sprite[size_t(y) * kW + size_t(x)];
                uint16_t want = 0x1111;
                if (!c.keyed || p != key)
                    want = uint16_t(channel(p >> 11, c.red, 31) << 11 | channel((p >> 5) & 63, c.green, 63) << 5 |
                                    channel(p & 31, c.blue, 31));
                ASSERT_EQ(at(17 + x, 5 + y), want) << x << "," << y;
            }
        EXPECT_EQ(at(16, 5), 0x1111);
        EXPECT_EQ(at(17 + kW, 5), 0x1111);
    }
}

TEST(CopyRect, CopiesRowsIntoTheDestinationStride)
{
    auto src = coded_source(8, 4);
    std::vector<uint16_t> dst(20 * 10, 0);
    copy_rect(3, 2, 5, 3, src.data() + 1, 8, dst.data(), 20);
    EXPECT_EQ(dst[2 * 20 + 3], 1);
    EXPECT_EQ(dst[4 * 20 + 7], (2 << 8) | 5);
    EXPECT_EQ(dst[4 * 20 + 8], 0);
    EXPECT_EQ(dst[5 * 20 + 3], 0);
}
