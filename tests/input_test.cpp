// Buttons, the stylus, edge consumption, and the scripted input format (parsed lines and real script files).
#include <gtest/gtest.h>
#include <cstring>
#include "app/input.h"
#include "app/input_script.h"
#include "platform/events.h"
#include "platform/keys.h"
#include "support/log_capture.h"
#include "support/temp_folder.h"

TEST(Input, AutoRepeatMakesOnePressAndTheStylusKeepsItsPointUntilConsumed)
{
    InputState s;
    s.keyList = sys_default_keys();
    s.on_key_down(KEY_A);
    s.on_key_down(KEY_A);  // auto-repeat
    EXPECT_EQ(s.keys[BTN_A].pressed, 1);
    s.consume_edges();
    s.on_key_down(KEY_A);
    EXPECT_EQ(s.keys[BTN_A].pressed, 0);
    EXPECT_EQ(s.keys[BTN_A].held, 1);
    s.on_key_up(KEY_A);
    EXPECT_EQ(s.keys[BTN_A].held, 0);
    s.on_key_down(KEY_A);
    EXPECT_EQ(s.keys[BTN_A].pressed, 1);
    // A code no button has changes nothing.
    InputState before = s;
    s.on_key_down(0x99);
    EXPECT_EQ(0, std::memcmp(&before.keys, &s.keys, sizeof s.keys));
    s.on_key_down(KEY_EXTRA2);
    EXPECT_EQ(s.keys[BTN_EXTRA2].pressed, 1);

    // The stylus, touching above the top edge.
    s.on_stylus_down(pack_point(100, -5));  // arrives as a large unsigned y
    EXPECT_EQ(s.stylusX, 100);
    EXPECT_EQ(s.stylusY, 0);
    EXPECT_EQ(s.tap, 1);
    s.on_stylus_move(pack_point(120, 200));
    EXPECT_EQ(s.previousX, 100);
    EXPECT_EQ(s.stylusY, 200);
    s.consume_edges();  // still down: the point stays
    EXPECT_EQ(s.tap, 0);
    EXPECT_EQ(s.stylusX, 120);
    s.on_stylus_up();
    EXPECT_EQ(s.stylusX, 120);  // lifting does not move it
    s.consume_edges();
    EXPECT_EQ(s.stylusX, kStylusNone);
    EXPECT_EQ(s.stylusY, kStylusNone);
    EXPECT_EQ(s.previousX, kStylusNone);
}

TEST(InputScript, ParsesEventsAndRejectsNonsense)
{
    InputScript script;
    std::string why;
    for (const char* line : {"# a comment", "", "5 key down Left", "9 tap 120 160  # play", "12 drag 10 10"})
        EXPECT_TRUE(script.parse_line(line, &why)) << line;
    ASSERT_EQ(script.events().size(), 4u);
    EXPECT_EQ(script.events()[0].message.type, MSG_KEYDOWN);
    EXPECT_EQ(script.events()[0].message.wParam, uint32_t(KEY_LEFT));
    EXPECT_EQ(script.events()[1].message.type, MSG_LBUTTONDOWN);
    EXPECT_EQ(script.events()[2].frame, 10);  // a tap lifts on the next frame
    EXPECT_EQ(script.events()[2].message.type, MSG_LBUTTONUP);

    for (const char* line : {"5 key down Banana", "5 tap 400 10", "0 tap 1 1", "tap 1 1", "3 dance"})
        EXPECT_FALSE(script.parse_line(line, &why)) << line;
    EXPECT_EQ(script.events().size(), 4u);
}

TEST(Events, ConsecutiveStylusMovesMerge)
{
    events_post({MSG_MOUSEMOVE, 0, pack_point(1, 1)});
    events_post({MSG_MOUSEMOVE, 0, pack_point(2, 2)});
    events_post({MSG_KEYDOWN, 0, 0});
    Message got;
    ASSERT_TRUE(events_peek());
    ASSERT_TRUE(events_get(&got));
    EXPECT_EQ(got.type, MSG_MOUSEMOVE);
    EXPECT_EQ(got.lParam, pack_point(2, 2));
    ASSERT_TRUE(events_get(&got));
    EXPECT_EQ(got.type, MSG_KEYDOWN);
    post_quit_message(0);
    EXPECT_FALSE(events_get(&got));
}

// A frame number past the last one a run can reach is skipped whole: a tap there would release on a frame
// that cannot be counted to.
TEST(InputScript, FrameNumbersPastTheLastAreSkipped)
{
    TempFolder folder;
    const std::string path = folder.file("input.txt");
    ASSERT_TRUE(write_text(path, "9223372036854775807 tap 1 1\n"
                                 "1000000001 quit\n"
                                 "99999999999999999999 quit\n"
                                 "1000000000 tap 5 5\n"));
    LogCapture log;
    InputScript script;
    ASSERT_TRUE(script.load(path));
    ASSERT_EQ(script.events().size(), 2u);
    EXPECT_EQ(script.events()[0].frame, 1000000000L);
    EXPECT_EQ(script.events()[1].frame, 1000000001L);  // the last tap still releases
    EXPECT_EQ(log.count_starting("Input script " + path + " line 1 skipped: frame numbers run from 1 to"), 1);
    EXPECT_EQ(log.count_starting("Input script " + path + " line 2 skipped: frame numbers run from 1 to"), 1);
    EXPECT_EQ(log.count_starting("Input script " + path + " line 3 skipped:"), 1);
}
