// Text: outlined, word-wrapped rendering composited onto pictures, through the real font engine.
#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include <utility>
#include <vector>
#include "app/app_state.h"
#include "game/visual.h"
#include "graphics/font_rast.h"
#include "platform/font.h"
#include "support/gfx_files.h"
#include "support/temp_folder.h"
#include "util/strings.h"

namespace {

constexpr uint16_t kGround = 0x001F;  // blue: never produced by black outline or white body

struct Picture {
    int w, h;
    std::vector<uint16_t> px;
    uint16_t at(int x, int y) const { return px[size_t(y) * size_t(w) + size_t(x)]; }
};

Picture render(int w, int h, const char* text, uint8_t left, uint8_t plain, int height = 16, uint8_t italic = 0,
               uint8_t bold = 1)
{
    Picture p{w, h, std::vector<uint16_t>(size_t(w) * size_t(h), kGround)};
    TextStyle.set_font(height, "Arial", italic, 0, bold, plain);
    TextStyle.set_text_colour(0xFFFFFF);
    Rect r{0, 0, w, h};
    EXPECT_TRUE(TextStyle.render_text(p.px.data(), w, h, &r, text, left));
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.right, w - 1);
    return p;
}

// The top rows of the bands of consecutive rows that hold the colour (kGround: any ink).
std::vector<int> band_tops(const Picture& p, uint16_t colour = kGround)
{
    std::vector<int> tops;
    bool inBand = false;
    for (int y = 0; y < p.h; y++) {
        bool found = false;
        for (int x = 0; x < p.w; x++) found |= colour == kGround ? p.at(x, y) != kGround : p.at(x, y) == colour;
        if (found && !inBand) tops.push_back(y);
        inBand = found;
    }
    return tops;
}
int ink_bands(const Picture& p) { return int(band_tops(p).size()); }

// The leftmost and rightmost columns with ink.
std::pair<int, int> ink_columns(const Picture& p)
{
    int lo = p.w, hi = -1;
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++)
            if (p.at(x, y) != kGround) lo = std::min(lo, x), hi = std::max(hi, x);
    return {lo, hi};
}

}  // namespace

TEST(Text, PlainTextHasABlackOutlineOnEverySideEvenOnAKeyedPictureAndAntialiasedTextBlends)
{
    Picture p = render(32, 26, "7", 0, 1);
    int body = 0;
    for (int y = 1; y < 25; y++)
        for (int x = 1; x < 31; x++) {
            const uint16_t c = p.at(x, y);
            if (c == 0xFFFF) {
                body++;
                // No stroke pixel touches the untouched ground along an axis.
                for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                    EXPECT_NE(p.at(x + dx, y + dy), kGround) << x << "," << y;
            } else if (c == kOutlineColour) {
                // Outline pixels sit beside a stroke.
                bool nearBody = false;
                for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) nearBody |= p.at(x + dx, y + dy) == 0xFFFF;
                EXPECT_TRUE(nearBody) << x << "," << y;
            } else {
                EXPECT_EQ(c, kGround) << "plain text has only three colours";
            }
        }
    EXPECT_GT(body, 10);
    const Picture smooth = render(80, 30, "Sw", 0, 0, 20);
    EXPECT_GT(std::set<uint16_t>(smooth.px.begin(), smooth.px.end()).size(), 3u);

    // Story and ending text are drawn on pictures filled with the key colour; the outline must not vanish.
    CVisual v;
    EXPECT_FALSE(v.print_centered(0, 0, "Vow"));  // no picture yet
    ASSERT_TRUE(v.create_picture(64, 30, 0));
    TextStyle.set_font(18, "Arial", 1, 0, 0, 1);  // the story's style
    TextStyle.set_text_colour(0xC8C8C8);
    ASSERT_TRUE(v.print_centered(0, 0, "Vow"));
    int outline = 0;
    for (int i = 0; i < 64 * 30; i++) outline += v.picture[i] == kOutlineColour;
    EXPECT_GT(outline, 20);
}

TEST(Text, LinesAreLeftAlignedOrCentredAndWrapAtWordsAndLineBreaks)
{
    // Left: the rectangle is shrunk by one, the outline one further left. Centred: as far from either side.
    const auto [ll, lh] = ink_columns(render(120, 24, "ab", 1, 1));
    const auto [cl, ch] = ink_columns(render(120, 24, "ab", 0, 1));
    EXPECT_LE(ll, 3);
    EXPECT_NEAR(cl, 119 - ch, 3);
    EXPECT_EQ(ch - cl, lh - ll);

    EXPECT_EQ(ink_bands(render(200, 100, "one two", 1, 1)), 1);
    EXPECT_EQ(ink_bands(render(48, 100, "one two three", 1, 1)), 3);
    EXPECT_EQ(ink_bands(render(200, 100, "one\r\ntwo\nthree", 1, 1)), 3);
    // A word wider than the rectangle keeps a line of its own.
    EXPECT_EQ(ink_bands(render(20, 100, "wolves at the gate", 1, 1)), 4);
    // The rectangle's bottom cuts what does not fit.
    TextStyle.set_font(16, "Arial", 0, 0, 1, 1);
    const int lineHeight = font_line_height(TextStyle.font_handle());
    EXPECT_EQ(ink_bands(render(48, lineHeight + 2, "one two three", 1, 1)), 1);
}

TEST(Text, LinesSitExactlyTheCellHeightApart)
{
    // The heights and styles the game prints with, and the default text style's.
    struct Style {
        int height;
        uint8_t italic, bold, plain;
    };
    for (const Style st : {Style{12, 0, 1, 0}, Style{15, 0, 1, 1}, Style{16, 0, 1, 0}, Style{18, 1, 0, 1},
                           Style{25, 0, 0, 1}}) {
        const Picture p = render(120, 4 * st.height, "H\nH\nH", 1, st.plain, st.height, st.italic, st.bold);
        // The top row of each line's body; the three lines are alike, so they are one pitch apart.
        const std::vector<int> tops = band_tops(p, 0xFFFF);
        ASSERT_EQ(tops.size(), 3u) << st.height;
        EXPECT_EQ(tops[1] - tops[0], st.height);
        EXPECT_EQ(tops[2] - tops[1], st.height);
        EXPECT_EQ(font_line_height(TextStyle.font_handle()), st.height);
    }
}
