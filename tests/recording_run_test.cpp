// Recorded runs through the real binary: a real-clock run driven by scripted input replays headless with the
// same frames and log lines; a message box is answered as it was, and the replay keeps the player's career out.
#include <gtest/gtest.h>
#include <set>
#include <string>
#include "level/career.h"
#include "support/game_process.h"
#include "support/temp_folder.h"

namespace {

class RecordingRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!path_exists(std::string(VORLAINE_GAME_DIR) + "/logic/levels/level2.txt"))
            GTEST_SKIP() << "no generated content in " << VORLAINE_GAME_DIR;
        ASSERT_TRUE(copy_game_folder(data));
        dir.make_home();
        // The first start unpacks the creatures; a replay repeats a run on the data it had.
        ASSERT_EQ(run({"--fixed-step", "20", "--level", "2", "--frames", "3"}).exitCode, 0);
    }

    RunResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--data", data, "--headless"});
        return run_game(args);
    }

    // The game's log lines, less the one that says the run is recorded or replayed.
    static std::string game_lines(const std::string& path)
    {
        std::string out;
        for (const std::string& line : lines_with(path, ""))
            if (line.rfind("Recording the run to ", 0) != 0 && line.rfind("Replay: ", 0) != 0) out += line + "\n";
        return out;
    }

    TempFolder dir;
    const std::string data = dir.file("game/");
};

TEST_F(RecordingRun, RunsReplayAsRecordedAndKeepThePlayersCareerOutOfIt)
{
    // A real-clock run driven by scripted input replays headless with the same frames and log lines.
    ASSERT_TRUE(write_text(dir.file("input.txt"), "20 key down left\n90 key up left\n100 key down up\n130 key up up\n"
                                                  "140 key down b\n141 key up b\n150 key down right\n"
                                                  "200 tap 120 200\n230 key up right\n260 key down a\n262 key up a\n"
                                                  "300 press 200 250\n320 drag 40 260\n360 release 40 260\n"));
    const std::string rec = dir.file("run.rec");
    RunResult live = run({"--level", "2", "--input", dir.file("input.txt"), "--record", rec, "--frames", "450",
                          "--screenshot", "200:" + dir.file("live-200.png"), "--screenshot",
                          "450:" + dir.file("live-450.png"), "--log", dir.file("live.log")});
    ASSERT_EQ(live.exitCode, 0) << live.output;
    // The clock was the real one, read once each frame: headless frames run at the 2 ms cap, so most lengths are
    // alike, but never all of them as under a fixed step.
    const auto clocks = lines_with(rec, " clock ");
    EXPECT_EQ(clocks.size(), 450u);
    EXPECT_EQ(lines_with(rec, " key ").size(), 10u);
    std::set<unsigned long long> lengths;
    unsigned long long last = 0, counter = 0;
    for (const std::string& line : clocks) {
        ASSERT_EQ(std::sscanf(line.c_str(), "%*u clock %*u %llu", &counter), 1) << line;
        if (last) lengths.insert(counter - last);
        last = counter;
    }
    EXPECT_GT(lengths.size(), 1u);

    // The player's career changes after the recording; the replay plays with the one the run found.
    const std::vector<uint8_t> later = {60, 0, 0, 0, 1, 2, 3};
    ASSERT_TRUE(write_bytes(dir.player_file("career.dat"), later));
    RunResult replay = run({"--replay", rec, "--screenshot", "200:" + dir.file("replay-200.png"), "--screenshot",
                            "450:" + dir.file("replay-450.png"), "--log", dir.file("replay.log")});
    ASSERT_EQ(replay.exitCode, 0) << replay.output;
    const auto live_end = read_bytes(dir.file("live-450.png"));
    ASSERT_GT(live_end.size(), 1000u);
    EXPECT_EQ(read_bytes(dir.file("live-200.png")), read_bytes(dir.file("replay-200.png")));
    EXPECT_EQ(live_end, read_bytes(dir.file("replay-450.png")));
    EXPECT_EQ(game_lines(dir.file("live.log")), game_lines(dir.file("replay.log")));
    EXPECT_NE(read_text(dir.file("replay.log")).find("Replay: 450 frames."), std::string::npos);
    EXPECT_EQ(read_bytes(dir.player_file("career.dat")), later);

    // Title, options, HARD: the difficulty box, answered yes, clears the career. A replay writes what the run
    // wrote apart from the player's folder.
    ASSERT_TRUE(write_text(dir.file("input.txt"), "20 tap 191 223\n40 tap 185 228\n"));
    const std::string box = dir.file("box.rec");
    live = run({"--fixed-step", "40", "--seed", "2", "--input", dir.file("input.txt"), "--frames", "60", "--answer",
                "yes", "--record", box, "--log", dir.file("live.log")});
    ASSERT_EQ(live.exitCode, 0) << live.output;
    EXPECT_NE(read_text(box).find(" answer yes\n"), std::string::npos) << read_text(box);
    // The new career, HARD, is the player's, not the data folder's.
    const auto career = read_bytes(dir.player_file("career.dat"));
    ASSERT_EQ(career.size(), 64u);
    EXPECT_EQ(career[4 + 56], DIFFICULTY_HARD);
    EXPECT_FALSE(path_exists(data + "career.dat"));
    // Without --answer a headless box says no; the replay, with the player's career gone, answers yes as the
    // player did and plays the same game lines, and its career is kept apart.
    std::remove(dir.player_file("career.dat").c_str());
    replay = run({"--replay", box, "--log", dir.file("replay.log")});
    EXPECT_EQ(replay.exitCode, 0) << replay.output;
    EXPECT_EQ(game_lines(dir.file("live.log")), game_lines(dir.file("replay.log")));
    EXPECT_NE(read_text(dir.file("replay.log")).find("-> Yes"), std::string::npos);
    EXPECT_FALSE(path_exists(dir.player_file("career.dat")));
}

}  // namespace
