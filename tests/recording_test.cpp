// Recorded runs on disk: what a recording writes reads back the same, and newer or damaged files are refused
// with the reason.
#include <gtest/gtest.h>
#include "app/recording_file.h"
#include "platform/keys.h"
#include "support/temp_folder.h"

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
