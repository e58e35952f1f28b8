// Buttons, the stylus, edge consumption, the scripted input format (parsed lines and real script files), and
// recorded runs on disk: what a recording writes reads back the same, and newer or damaged files are refused
// with the reason.
#include <gtest/gtest.h>
#include <cstring>
#include "app/input.h"
#include "app/input_script.h"
#include "app/recording_file.h"
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

namespace {

class RecordingTest : public ::testing::Test {
protected:
    // Reads text as a recording; the refusal's reason, or "" when it is taken.
    std::string refusal(const std::string& text)
    {
        EXPECT_TRUE(write_text(path, text));
        Recording rec;
        std::string error;
        if (read_recording(path, &rec, &error)) return "";
        EXPECT_EQ(error.compare(0, path.size(), path), 0) << error;
        return error.substr(path.size());
    }

    TempFolder folder;
    std::string path = folder.file("run.rec");
};

TEST_F(RecordingTest, WhatIsWrittenReadsBackFrameForFrame)
{
    const std::vector<Message> messages = {
        {MSG_KEYDOWN, KEY_LEFT, 0},          {MSG_KEYUP, KEY_EXTRA2, 0},         {MSG_LBUTTONDOWN, 1, pack_point(120, 200)},
        {MSG_MOUSEMOVE, 1, pack_point(0, 319)}, {MSG_MOUSEMOVE, 0, pack_point(239, 0)}, {MSG_LBUTTONUP, 0, pack_point(7, 8)},
        {MSG_ACTIVATE, 0x10000, 0},          {MSG_SETFOCUS, 0, 0},               {MSG_KILLFOCUS, 0, 0},
        {MSG_PAINT, 0, 0},                   {MSG_DESTROY, 0, 0},
    };
    const std::vector<uint8_t> career = {60, 0, 0, 0, 0xFF, 1, 0x7F};
    {
        RecordingWriter w;
        ASSERT_TRUE(w.open(path, 4294967295u, 7, &career));
        w.frame(1, {4294967000u, 18446744073709551000ull});
        w.frame(2, {4294967295u, 18446744073709551615ull});
        for (const Message& m : messages) w.message(2, m);
        w.answer(2, ANSWER_YES);
        w.answer(2, ANSWER_OK);
        w.frame(3, {5, 18446744073709551615ull});  // the tick wraps; the counter never goes back
        w.message(3, {MSG_QUIT, 0, 0});            // a message no script holds is left out
    }
    Recording rec;
    std::string error;
    ASSERT_TRUE(read_recording(path, &rec, &error)) << error;
    EXPECT_EQ(rec.seed, 4294967295u);
    EXPECT_EQ(rec.level, 7);
    EXPECT_TRUE(rec.hasCareer);
    EXPECT_EQ(rec.career, career);
    ASSERT_EQ(rec.clocks.size(), 3u);
    EXPECT_EQ(rec.clocks[0].tick, 4294967000u);
    EXPECT_EQ(rec.clocks[1].counter, 18446744073709551615ull);
    EXPECT_EQ(rec.clocks[2].tick, 5u);
    ASSERT_EQ(rec.events.size(), messages.size());
    for (size_t i = 0; i < messages.size(); i++) {
        EXPECT_EQ(rec.events[i].frame, 2);
        EXPECT_EQ(rec.events[i].message.type, messages[i].type) << i;
        EXPECT_EQ(rec.events[i].message.wParam, messages[i].wParam) << i;
        EXPECT_EQ(rec.events[i].message.lParam, messages[i].lParam) << i;
    }
    ASSERT_EQ(rec.answers.size(), 2u);
    EXPECT_EQ(rec.answers[0].frame, 2);
    EXPECT_EQ(rec.answers[0].message.wParam, uint32_t(ANSWER_YES));
    EXPECT_EQ(rec.answers[1].message.wParam, uint32_t(ANSWER_OK));
    EXPECT_FALSE(rec.cutOff);

    // A run that ended without closing its file: even a last line that would parse may be cut short.
    ASSERT_TRUE(write_text(path, read_text(path) + "3 press 120 2"));
    Recording cut;
    ASSERT_TRUE(read_recording(path, &cut, &error)) << error;
    EXPECT_TRUE(cut.cutOff);
    EXPECT_EQ(cut.clocks.size(), 3u);
    EXPECT_EQ(cut.events.size(), messages.size());
}

TEST_F(RecordingTest, ALaterCareerLineReplacesTheEarlierOneWhole)
{
    // Found by fuzzing: career bytes followed by "career none" kept the bytes, so the run wrote back otherwise.
    ASSERT_TRUE(write_text(path, "vorlaine recording 1\nseed 42\nlevel 2\ncareer 3c000000aa\ncareer none\n"
                                 "1 clock 10 0\n"));
    Recording rec;
    std::string error;
    ASSERT_TRUE(read_recording(path, &rec, &error)) << error;
    EXPECT_FALSE(rec.hasCareer);
    EXPECT_TRUE(rec.career.empty());
    ASSERT_TRUE(write_text(path, "vorlaine recording 1\nseed 42\ncareer 3c000000aa\ncareer 01\n1 clock 10 0\n"));
    ASSERT_TRUE(read_recording(path, &rec, &error)) << error;
    EXPECT_TRUE(rec.hasCareer);
    EXPECT_EQ(rec.career, std::vector<uint8_t>{1});
}

TEST_F(RecordingTest, NewerOrDamagedRecordingsAreRefusedWithTheReason)
{
    const std::string head = "vorlaine recording 1\nseed 5\ncareer none\n";
    EXPECT_EQ(refusal(head + "1 clock 10 10000\n1 key down left\n2 clock 12 12000\n"), "");
    EXPECT_EQ(refusal("vorlaine recording 2\nseed 5\n1 clock 1 1\n1 frobnicate\n"),
              ": it was made by a newer version of the game (recording format 2; this game reads format 1)");
    EXPECT_EQ(refusal("10 key down left\n"), ": this is not a recorded run");
    EXPECT_EQ(refusal(""), ": this is not a recorded run");
    EXPECT_EQ(refusal(head + "1 clock 10 10000\n1 key down sideways\n"), " line 5: unknown button 'sideways'");
    EXPECT_EQ(refusal(head + "1 clock 10 10000\n3 clock 12 12000\n"), " line 5: frame 3's clock comes after frame 1's");
    EXPECT_EQ(refusal(head + "1 clock 10 10000\n2 clock 9 9000\n"), " line 5: the counter goes back");
    EXPECT_EQ(refusal(head + "1 clock 10\n"), " line 4: expected: FRAME clock TICK COUNTER");
    EXPECT_EQ(refusal(head + "1 key down left\n"), " line 4: a message before frame 1's clock");
    EXPECT_EQ(refusal(head + "1 clock 10 10000\n2 key up left\n"), " line 5: a message of frame 2 in frame 1");
    EXPECT_EQ(refusal(head + "1 clock 10 10000\n1 tap 3 4\n"), " line 5: expected one message");
    EXPECT_EQ(refusal(head + "1 clock 10 10000\n1 answer maybe\n"), " line 5: expected: FRAME answer yes|no|ok");
    EXPECT_EQ(refusal(head + "1 clock 10 10000\n2 answer no\n"), " line 5: an answer of frame 2 in frame 1");
    EXPECT_EQ(refusal(head + "1 clock 10 10000\nseed 6\n"), " line 5: expected a frame number");
    EXPECT_EQ(refusal("vorlaine recording 1\ncareer 3c0\n"), " line 2: expected seed N, level N or career HEX|none");
    EXPECT_EQ(refusal("vorlaine recording 1\nseed 99999999999\n"), " line 2: expected seed N, level N or career HEX|none");
    EXPECT_EQ(refusal("vorlaine recording 1\nlevel 13\n"), " line 2: expected seed N, level N or career HEX|none");
    EXPECT_EQ(refusal("vorlaine recording 1\ncareer none\n1 clock 1 1\n"), ": the recording names no seed");
    EXPECT_EQ(refusal(head), ": the recording holds no frames");
    EXPECT_EQ(refusal(head + "1 clock 1 1\n1 " + std::string(5000, 'x') + "\n"), " line 5: longer than 4096 characters");
    Recording rec;
    std::string error;
    EXPECT_FALSE(read_recording(folder.file("none.rec"), &rec, &error));
    EXPECT_NE(error.find("none.rec"), std::string::npos) << error;
}

}  // namespace
