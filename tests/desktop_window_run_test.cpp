// The real binary in a window under X, typed into with xdotool: a key remapped in the controls file reaches the
// game as its button, F12 saves a screenshot in the pictures folder, and the window's scale and fullscreen come back.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <cctype>
#include <cstdlib>
#include <string>
#include "support/game_process.h"
#include "support/temp_folder.h"

namespace {

class DesktopWindowRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display (the test command runs one under Xvfb)";
        if (!path_exists(std::string(VORLAINE_GAME_DIR) + "/logic/levels/level2.txt"))
            GTEST_SKIP() << "no generated content in " << VORLAINE_GAME_DIR;
        ASSERT_TRUE(copy_game_folder(data));
        dir.make_home();
    }

    RunResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--data", data});
        return run_game(args);
    }

    TempFolder dir;
    const std::string data = dir.file("game/");
};

TEST_F(DesktopWindowRun, ARemappedKeyReachesTheGameAsItsButtonAndF12SavesAScreenshot)
{
    if (std::system("command -v xdotool >/dev/null") != 0) GTEST_SKIP() << "xdotool is not installed";
    // Unpack the creatures first, so the window's first frames are quick to answer the keys.
    ASSERT_EQ(run({"--headless", "--fixed-step", "20", "--level", "2", "--frames", "3"}).exitCode, 0);
    ASSERT_TRUE(write_text(dir.config_file("controls.conf"), "[keyboard]\nleft = Q\n"));
    ASSERT_TRUE(write_text(dir.file("home/.config/user-dirs.dirs"), "# written by xdg-user-dirs\n"
                                                                     "XDG_PICTURES_DIR=\"$HOME/Shots\"\n"));
    const std::string log = dir.file("window.log"), rec = dir.file("window.rec");
    const int pid = spawn_game({"--data", data, "--level", "2", "--scale", "1", "--record", rec, "--log", log},
                               dir.file("window.out"), 300);
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(wait_for_line(log, "Window 240 x 320 (scale 1).")) << read_text(dir.file("window.out"));
    // Q held for a second, then the left arrow (no longer left's), then F12; all typed as a player types.
    const std::string keys = "xdotool search --sync --pid " + std::to_string(pid) +
                             " --name '^Vorlaine$' windowfocus --sync sleep 0.5 keydown q sleep 1 keyup q sleep 0.3 "
                             "keydown Left sleep 0.5 keyup Left sleep 0.3 key F12";
    EXPECT_EQ(std::system(keys.c_str()), 0);
    EXPECT_TRUE(wait_for_line(log, "Screenshot saved to "));
    ::kill(pid, SIGTERM);  // a close request, as from the window manager
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;

    EXPECT_EQ(lines_with(log, "Controls read from ").size(), 1u) << read_text(log);
    // The screenshot: the 240 x 320 frame as a PNG, named by date and time, where user-dirs.dirs says.
    const auto saved = lines_with(log, "Screenshot saved to ");
    ASSERT_EQ(saved.size(), 1u) << read_text(log);
    const std::string shot = saved[0].substr(20, saved[0].size() - 21);
    EXPECT_EQ(shot.rfind(dir.file("home/Shots/vorlaine/vorlaine-"), 0), 0u) << shot;
    const auto png = read_bytes(shot);
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
    EXPECT_EQ((png[18] << 8) | png[19], 240);
    EXPECT_EQ((png[22] << 8) | png[23], 320);

    // Q reached the game as the left button, the arrow as nothing at all: the recording holds what the game was
    // given (a replay plays it back as it was, see RecordingRun).
    const size_t downs = lines_with(rec, "key down left").size(), ups = lines_with(rec, "key up left").size();
    EXPECT_GE(downs, 1u) << read_text(rec);
    EXPECT_EQ(ups, 1u) << read_text(rec);
    EXPECT_EQ(lines_with(rec, " key ").size(), downs + ups) << read_text(rec);
}

TEST_F(DesktopWindowRun, ScaleAndFullscreenComeBackUnlessTheCommandLineSaysOtherwise)
{
    const std::string log = dir.file("run.log");
    const auto window_line = [&](std::vector<std::string> args) {
        args.insert(args.end(), {"--frames", "20", "--log", log});
        RunResult r = run(args);
        EXPECT_EQ(r.exitCode, 0) << r.output;
        for (const std::string& line : lines_with(log, "Window "))
            if (line.rfind("Window ", 0) == 0 && std::isdigit(static_cast<unsigned char>(line[7]))) return line;
        return std::string();
    };
    EXPECT_EQ(window_line({"--scale", "2", "--fullscreen", "yes"}), "Window 480 x 640 (scale 2), fullscreen.");
    EXPECT_EQ(read_text(dir.config_file("window.conf")),
              "# Vorlaine's window as the last run left it; --scale and --fullscreen start it otherwise.\n"
              "scale=2\nfullscreen=yes\n");
    EXPECT_EQ(window_line({}), "Window 480 x 640 (scale 2), fullscreen.");
    EXPECT_EQ(window_line({"--scale", "1"}), "Window 240 x 320 (scale 1), fullscreen.");
    EXPECT_EQ(window_line({"--fullscreen", "no"}), "Window 240 x 320 (scale 1).");
}

}  // namespace
