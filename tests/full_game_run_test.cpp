// The whole game end to end: the built-in player from the title through all twelve levels into the ending.
#include <gtest/gtest.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include "support/game_process.h"
#include "support/temp_folder.h"

namespace {

// Twelve levels, their stories and bosses, and the ending's 41 seconds fit well inside this.
constexpr int kMostFrames = 120000;

TEST(FullGameRun, AutoplayReachesTheEndingsLastStepFromAFreshProgramFolder)
{
    TempFolder dir;
    const std::string data = dir.path() + "game/";
    ASSERT_TRUE(copy_game_folder(data));
    dir.make_home();
    const std::string log = dir.file("game.log");
    const auto t0 = std::chrono::steady_clock::now();
    RunResult r = run_game({"--data", data, "--headless", "--fixed-step", "40", "--seed", "1", "--autoplay", "--frames",
                            std::to_string(kMostFrames), "--log", log},
                           900);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const std::string text = read_text(log);
    const size_t ending = text.find("Autoplay: the ending begins at frame ");
    ASSERT_NE(ending, std::string::npos) << text;
    std::printf("full game: the ending began at frame %ld; %d frames in %.1f s wall\n",
                std::atol(text.c_str() + ending + 37), kMostFrames, seconds);
    EXPECT_NE(text.find("Decompressing graphics."), std::string::npos);
    // Every level was finished: the gate's line once for each of the eleven before the last, and the last.
    EXPECT_GE(lines_with(log, "START LEVEL").size(), 12u);
    for (const char* line : {"Ending: Torvessa has been defeated.", "Ending: You have done well.", "Ending: The End!"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
}

}  // namespace
