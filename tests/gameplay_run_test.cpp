// The real game binary plays whole levels by itself (--autoplay): it wins them and the career file in the
// player's folder shows it. (Every level, bosses and all, is won in FullGameRun.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace {

// Byte of the career file that holds level n's unlocked flag (after the 4-byte length, 35 reserved bytes).
constexpr size_t career_flag(int level) { return 4 + 35 + size_t(level - 1); }

// The same seed playing the same game run after run is Replays'; another seed plays another game.
TEST(GameplayRun, TheBuiltInPlayerWinsLevelOneWithEverySeed)
{
    TempFolder dir;
    ASSERT_TRUE(copy_game_folder(dir.file("game")));
    dir.make_home();
    std::vector<std::vector<uint8_t>> shots;
    for (int seed : {1, 2, 3}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::remove(dir.player_file("career.dat").c_str());
        const std::string log = dir.file("run.log"), shot = dir.file("shot" + std::to_string(seed) + ".png");
        RunResult r = run_game({"--data", dir.file("game"), "--headless", "--fixed-step", "40", "--seed",
                                std::to_string(seed), "--level", "1", "--autoplay", "--frames", "6000", "--log", log,
                                "--screenshot", "350:" + shot});
        EXPECT_EQ(r.exitCode, 0) << r.output;
        EXPECT_NE(read_text(log).find("START LEVEL 2.."), std::string::npos);
        const auto career = read_bytes(dir.player_file("career.dat"));
        ASSERT_EQ(career.size(), 64u);
        EXPECT_EQ(career[0], 60);
        EXPECT_EQ(career[career_flag(1)], 1);
        EXPECT_EQ(career[career_flag(2)], 1);
        shots.push_back(read_bytes(shot));
        ASSERT_GT(shots.back().size(), 1000u);
    }
    EXPECT_NE(shots[0], shots[1]);
    EXPECT_NE(shots[1], shots[2]);
}

}  // namespace
