// The real binary: --check-data on the shipped and on a broken data folder, and --watch reloading a level
// whose script changes on disk while it runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "support/game_process.h"
#include "support/temp_folder.h"

namespace {

// A copy of the program folder with the player's folders inside it.
struct GameCopy {
    TempFolder folder;
    GameCopy()
    {
        EXPECT_TRUE(copy_game_folder(folder.path()));
        folder.make_home();
    }
    std::string level(int n) const { return folder.file("logic/levels/level" + std::to_string(n) + ".txt"); }
    // Level n's script with every line that starts with a prefix replaced.
    void rewrite(int n, const std::vector<std::pair<std::string, std::string>>& changes) const
    {
        std::istringstream in(read_text(level(n)));
        std::string text;
        for (std::string line; std::getline(in, line);) {
            for (const auto& [prefix, replacement] : changes)
                if (line.compare(0, prefix.size(), prefix) == 0) line = replacement;
            text += line + "\n";
        }
        // Written beside and moved over, as editors save, so the game never reads half a file.
        write_text(level(n) + ".new", text);
        ASSERT_EQ(std::rename((level(n) + ".new").c_str(), level(n).c_str()), 0);
    }
};

std::vector<std::string> problem_lines(const std::string& output)
{
    std::vector<std::string> lines;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);)
        if (line.find(": error: ") != std::string::npos || line.find(": warning: ") != std::string::npos)
            lines.push_back(line);
    return lines;
}

}  // namespace

// The shipped data checks clean in DataCheck.TheShippedDataChecksClean; here a broken copy, as printed.
TEST(CheckDataRun, ProblemsArePrintedAsFileLineSeverityAndExitOne)
{
    GameCopy game;
    game.rewrite(5, {{"main_enemy|", "main_enemy|103"}, {"initial_delay|", "inital_delay|2000"}});
    // Without a folder after it, --check-data checks the --data folder.
    RunResult r = run_game({"--data", game.folder.path(), "--check-data"});
    EXPECT_EQ(r.exitCode, 1) << r.output;
    EXPECT_NE(r.output.find("checked 12 level scripts, "), std::string::npos) << r.output;
    const std::vector<std::string> lines = problem_lines(r.output);
    ASSERT_EQ(lines.size(), 3u) << r.output;
    // A problem of the whole file is printed without a line number.
    EXPECT_EQ(lines[0], game.level(5) + ": warning: no \"initial_delay\": the level keeps the value of whichever "
                                        "level was played before");
    EXPECT_EQ(lines[1].rfind(game.level(5) + ":17: error: unknown keyword \"inital_delay\"; did you mean "
                                             "\"initial_delay\"?", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind(game.level(5) + ":18: error: there is no monster kind 103", 0), 0u) << lines[2];
    EXPECT_NE(r.output.find(": 2 errors, 1 warning.\n"), std::string::npos) << r.output;
}

TEST(CheckDataRun, WatchRestartsTheLevelWithAnEditedScriptAndKeepsItOnErrors)
{
    GameCopy game;
    const std::string log = game.folder.file("watch.log");
    GameProcess run({"--data", game.folder.path(), "--headless", "--fixed-step", "10", "--seed", "5", "--level", "2",
                     "--watch", "--frames", "2000000", "--log", log},
                    game.folder.file("output.txt"));
    ASSERT_TRUE(wait_for_line(log, "Watching level2.txt for changes.")) << read_text(log);

    game.rewrite(2, {{"kills_required_to_continue|", "kills_required_to_continue|3"},
                     {"creatures_to_spawn|", "creatures_to_spawn|5"}});
    ASSERT_TRUE(wait_for_line(log, "Level 2 restarted:")) << read_text(log);
    EXPECT_EQ(lines_with(log, "level2.txt changed"),
              std::vector<std::string>{"level2.txt changed: creatures_to_spawn 14 -> 5; kills_required_to_continue 9 -> 3."});
    // The level progress record after the restart holds the new script's numbers.
    EXPECT_EQ(lines_with(log, "Level 2 restarted:"),
              std::vector<std::string>{"Level 2 restarted: 3 kills required, 5 creatures to spawn, at most 4 at once, "
                                       "spawn delay 2400 to 4600 ms, initial delay 2500 ms."});

    // A script with an error: the level plays on as it was, and the error is told.
    game.rewrite(2, {{"main_enemy|", "main_enemy|107"}});
    ASSERT_TRUE(wait_for_line(log, "level2.txt changed but has 1 error(s); the level plays on as it was."))
        << read_text(log);
    ASSERT_TRUE(wait_for_line(log, "level2.txt:18: error: there is no monster kind 107")) << read_text(log);
    EXPECT_EQ(lines_with(log, "restarted").size(), 1u) << read_text(log);

    // Mended, it reloads again.
    game.rewrite(2, {{"main_enemy|", "main_enemy|100"}, {"max_creatures_on_screen_at_once|", "max_creatures_on_screen_at_once|2"}});
    ASSERT_TRUE(wait_for_line(log, "at most 2 at once")) << read_text(log);
    EXPECT_EQ(lines_with(log, "restarted").size(), 2u) << read_text(log);
    run.stop();
}
