// The pixel loops: exact rescale stepping (with mirror and enlarging), the tinted colour-keyed blit, the opaque copy.
#include <gtest/gtest.h>
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
    // n screen pixels of row y from column x.
    std::vector<uint16_t> row(int x, int y, int n) const
    {
        const auto from = screen.begin() + y * AppState.screenWidth + x;
        return std::vector<uint16_t>(from, from + n);
    }
    std::vector<uint16_t> screen;
};

constexpr uint16_t kMagenta = 0xF81F;

}  // namespace

TEST(ScaleInto, ColumnsAreSteppedLikeALine)
{
    EXPECT_EQ(columns_taken(4, 2), (std::vector<int>{0, 2}));
    EXPECT_EQ(columns_taken(4, 3), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(columns_taken(4, 5), (std::vector<int>{0, 1, 2, 2, 3}));
    EXPECT_EQ(columns_taken(4, 4), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(columns_taken(4, 2, true), (std::vector<int>{2, 0}));
}

TEST(ScaleInto, EnlargingNeverReadsPastThePicture)
{
    // Doubling steps to the column past the last one; it stays on the last.
    EXPECT_EQ(columns_taken(2, 4), (std::vector<int>{0, 1, 1, 1}));
    // A 3 x 3 picture in a buffer whose next row holds a marker, tripled.
    std::vector<uint16_t> buf = coded_source(3, 3);
    buf.resize(buf.size() + 3, 0xDEAD);
    std::vector<uint16_t> dst(9 * 9, 0);
    scale_into(0, 0, 3, 3, 0, 0, 9, 9, buf.data(), dst.data(), 3, 9, 0);
    for (uint16_t v : dst) {
        EXPECT_NE(v, 0xDEAD);
        EXPECT_LE(v & 0xFF, 2);
        EXPECT_LE(v >> 8, 2);
    }
    EXPECT_EQ(dst[8 * 9 + 8], (2 << 8) | 2);
}

TEST(ScaleInto, HalfOfFortyByFortyAndItsMirrorIntoAnyStride)
{
    auto src = coded_source(40, 40);
    std::vector<uint16_t> dst(20 * 20);
    scale_into(0, 0, 40, 40, 0, 0, 20, 20, src.data(), dst.data(), 40, 20, 0);
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 20; x++) EXPECT_EQ(dst[size_t(y) * 20 + size_t(x)], ((2 * y) << 8) | (2 * x));
    // Mirrored into a wider pad, whose rest is left alone.
    std::vector<uint16_t> pad(32 * 32, 0x7777);
    scale_into(0, 0, 40, 40, 0, 0, 20, 20, src.data(), pad.data(), 40, 32, 1);
    EXPECT_EQ(pad[19], 0);                       // source column 0 lands in column 19
    EXPECT_EQ(pad[5 * 32 + 0], (10 << 8) | 38);  // and column 38 in column 0
    EXPECT_EQ(pad[20], 0x7777);
    EXPECT_EQ(pad[32 * 20], 0x7777);
}

// The key is the top-left colour, or for flipped frames the colour that starts the second row. Unkeyed,
// the key colour is drawn like any other (TintOffsetsClampEachChannel).
TEST_F(BlitTest, KeyedBlitSkipsTheKeyColour)
{
    std::vector<uint16_t> sprite = {kMagenta, 0x1234, kMagenta, 0x4321, kMagenta, 0x0001};
    blit_tinted(10, 20, 3, 2, sprite.data(), 3, sprite.data(), 0, 1, 0, 0, 0);
    EXPECT_EQ(row(10, 20, 4), (std::vector<uint16_t>{0x1111, 0x1234, 0x1111, 0x1111}));
    EXPECT_EQ(row(10, 21, 3), (std::vector<uint16_t>{0x4321, 0x1111, 0x0001}));
    std::vector<uint16_t> flipped = {0x0F0F, kMagenta, kMagenta, 0x2222};
    blit_tinted(0, 0, 2, 2, flipped.data(), 2, flipped.data(), 1, 1, 0, 0, 0);
    EXPECT_EQ(row(0, 0, 2), (std::vector<uint16_t>{0x0F0F, 0x1111}));
    EXPECT_EQ(row(0, 1, 2), (std::vector<uint16_t>{0x1111, 0x2222}));
}

TEST_F(BlitTest, TintOffsetsClampEachChannel)
{
    std::vector<uint16_t> sprite = {kMagenta, 0x0000, 0xFFFF, 0x8410};
    for (uint8_t keyed : {0, 1}) {
        blit_tinted(0, 0, 4, 1, sprite.data(), 4, sprite.data(), 0, keyed, -31, -63, -31);
        EXPECT_EQ(row(0, 0, 4), (std::vector<uint16_t>{uint16_t(keyed ? 0x1111 : 0), 0, 0, 0}));
        blit_tinted(0, 1, 4, 1, sprite.data(), 4, sprite.data(), 0, keyed, 31, 63, 31);
        EXPECT_EQ(row(1, 1, 3), (std::vector<uint16_t>{0xFFFF, 0xFFFF, 0xFFFF}));
        screen.assign(screen.size(), 0x1111);
    }
    // One channel at a time; out-of-range offsets clamp like the range's end.
    blit_tinted(0, 0, 4, 1, sprite.data(), 4, sprite.data(), 0, 0, 45, 0, 0);
    EXPECT_EQ(at(3, 0), (31 << 11) | (32 << 5) | 16);
    blit_tinted(0, 0, 4, 1, sprite.data(), 4, sprite.data(), 0, 0, 0, -1000, 3);
    EXPECT_EQ(at(3, 0), (16 << 11) | (0 << 5) | 19);
}

TEST_F(BlitTest, WideRowsMatchThePixelRule)
{
    // Long rows take the vectorised path; every pixel must still follow the rule.
    std::vector<uint16_t> sprite(200 * 3);
    for (size_t i = 0; i < sprite.size(); i++) sprite[i] = uint16_t(i * 2654435761u >> 13);
    sprite[0] = kMagenta;
    for (size_t i = 0; i < sprite.size(); i += 7) sprite[i] = kMagenta;
    blit_tinted(17, 5, 200, 3, sprite.data(), 200, sprite.data(), 0, 1, 5, -7, 2);
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 200; x++) {
            uint16_t p = sprite[size_t(y) * 200 + size_t(x)];
            uint16_t want = 0x1111;
            if (p != kMagenta) {
                int r = std::min(31, (p >> 11) + 5), g = std::max(0, ((p >> 5) & 63) - 7), b = std::min(31, (p & 31) + 2);
                want = uint16_t((r << 11) | (g << 5) | b);
            }
            ASSERT_EQ(at(17 + x, 5 + y), want) << x << "," << y;
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
