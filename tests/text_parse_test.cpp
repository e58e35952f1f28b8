// CTextParse on real files: fields, line ends from other systems, over-long lines and number conversion.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "level/text_parse.h"
#include "support/log_capture.h"
#include "support/temp_folder.h"

namespace {

struct Parsed {
    CTextParse parser;
    TempFolder folder;
    bool open_text(const std::string& text)
    {
        write_text(folder.file("data.txt"), text);
        parser.set_base_folder(folder.path().c_str());
        return parser.open("data.txt");
    }
};

} // namespace

TEST(TextParse, FieldsSplitAtBarsWithoutTrimmingOrLineEndsAndWithoutALineAreEmpty)
{
    LogCapture log;
    Parsed p;
    // Line ends from other systems too: a carriage return before a line feed, or ending the file, goes with
    // the line end; one inside a line stays.
    ASSERT_TRUE(p.open_text("a|b|c\r\na||c\na|b|\r\nabc\nmid\rdle|x\r\nkey| 12|12abc|x 1.5\r"));
    EXPECT_STREQ(p.parser.word(1), "");  // before the first line
    const std::vector<std::vector<std::string>> lines = {{"a", "b", "c", ""}, {"a", "", "c"}, {"a", "b", ""},
        {"abc", ""}, {"mid\rdle", "x", ""}, {"key", " 12", "12abc", "x 1.5"}};
    for (const auto& words : lines) {
        ASSERT_TRUE(p.parser.next_line());
        for (size_t i = 0; i < words.size(); i++) EXPECT_EQ(p.parser.word(int(i) + 1), words[i]) << p.parser.line();
    }
    EXPECT_STREQ(p.parser.line(), "key| 12|12abc|x 1.5");  // the last line, without a line feed, comes back whole
    EXPECT_EQ(p.parser.int_word(2), 12);
    EXPECT_EQ(p.parser.int_word(3), 12);
    EXPECT_EQ(p.parser.int_word(4), 0);
    EXPECT_FALSE(p.parser.next_line());

    // A missing file is logged with its path; without a file there are no lines.
    EXPECT_FALSE(p.parser.open("nothing.txt"));
    EXPECT_TRUE(log.contains("Couldn't open " + p.folder.path() + "nothing.txt.."));
    CTextParse closed;
    EXPECT_FALSE(closed.next_line());
    EXPECT_STREQ(closed.word(1), "");
    EXPECT_TRUE(log.contains("Can't get next line, file is not open."));
}

TEST(TextParse, OverLongLineIsCutAndItsTailIsNotALine)
{
    // The tail of the long line starts like a statement; it must not come back as one.
    std::string longLine = "set_intro_text|" + std::string(2023 - 15, 'x') + "sprite_create|y";
    std::string exact(2023, 'e');
    Parsed p;
    ASSERT_TRUE(p.open_text(longLine + "\n" + exact + "\r\nnext|1\n"));
    LogCapture log;
    ASSERT_TRUE(p.parser.next_line());
    EXPECT_EQ(strlen(p.parser.line()), 2023u);
    EXPECT_EQ(std::string(p.parser.word(2)), std::string(2023 - 15, 'x'));
    ASSERT_TRUE(p.parser.next_line());
    EXPECT_EQ(std::string(p.parser.line()), exact);   // exactly full, CR LF removed, not reported as cut
    ASSERT_TRUE(p.parser.next_line());
    EXPECT_STREQ(p.parser.word(1), "next");
    EXPECT_EQ(log.count_starting("Line longer than 2023"), 1);
}

TEST(TextParse, NumbersSaturateAndNeverComeBackNaN)
{
    EXPECT_EQ(text_to_int("99999999999999999999"), INT32_MAX);
    EXPECT_EQ(text_to_int("-99999999999"), INT32_MIN);
    EXPECT_EQ(text_to_int("  -42abc"), -42);
    EXPECT_EQ(text_to_int("word"), 0);
    EXPECT_EQ(text_to_float("nan"), 0.0f);
    EXPECT_EQ(text_to_float("-inf"), 0.0f);
    EXPECT_EQ(text_to_float("1e300"), FLT_MAX);
    EXPECT_FLOAT_EQ(text_to_float(" 0.25x"), 0.25f);
    EXPECT_EQ(text_to_float(""), 0.0f);
}
