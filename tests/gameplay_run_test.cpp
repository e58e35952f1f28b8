// The real game binary plays whole levels by itself (--autoplay): it wins them and the career file in the
// player's folder shows it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace {

// Byte of the career file that holds level n's unlocked flag (after the 4-byte length, 35 reserved bytes).
constexpr size_t career_flag(int level) { return 4 + 35 + size_t(level - 1); }

struct Win {
    bool won = false;
    std::vector<uint8_t> career;
    std::string log;
};

Win autoplay(const TempFolder& dir, int level, int seed, int frames)
{
    std::remove(dir.player_file("career.dat").c_str());
    const std::string log = dir.file("run.log");
    RunResult r = run_game({"--data", dir.file("game"), "--headless", "--fixed-step", "40", "--seed", std::to_string(seed),
                            "--level", std::to_string(level), "--autoplay", "--frames", std::to_string(frames),
                            "--log", log});
    Win w;
    EXPECT_EQ(r.exitCode, 0) << r.output;
    w.log = read_text(log);
    w.won = w.log.find("START LEVEL 2..") != std::string::npos;
    w.career = read_bytes(dir.player_file("career.dat"));
    return w;
}

class GameplayRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(copy_game_folder(dir.file("game")));
        dir.make_home();
    }
    TempFolder dir;
};

TEST_F(GameplayRun, TheBuiltInPlayerWinsLevelOneWithEverySeed)
{
    for (int seed : {1, 2, 3}) {
        Win w = autoplay(dir, 1, seed, 6000);
        EXPECT_TRUE(w.won) << "seed " << seed;
        ASSERT_EQ(w.career.size(), 64u) << "seed " << seed;
        EXPECT_EQ(w.career[0], 60);
        EXPECT_EQ(w.career[career_flag(1)], 1);
        EXPECT_EQ(w.career[career_flag(2)], 1) << "seed " << seed;
    }
}

TEST_F(GameplayRun, TheBuiltInPlayerBeatsTheFrogKingOfLevelFour)
{
    Win w = autoplay(dir, 4, 1, 12000);
    EXPECT_TRUE(w.won) << w.log.substr(w.log.size() > 4000 ? w.log.size() - 4000 : 0);
    ASSERT_EQ(w.career.size(), 64u);
    EXPECT_EQ(w.career[career_flag(5)], 1);
}

}  // namespace
