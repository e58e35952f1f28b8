// The real game binary, headless: start-up and shutdown lines, options, one copy per player's folder, screenshots.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <string>
#include <thread>
#include "support/temp_folder.h"

namespace {
// A data folder whose manifest lists no file: enough for the frame, the lock and the screenshots.
void make_empty_data_folder(const TempFolder& dir)
{
    write_text(dir.file("manifest.txt"), "# nothing\n");
    dir.make_home();
}
}  // namespace

TEST(AppRun, HeadlessRunStartsAndShutsDown)
{
    TempFolder dir;
    make_empty_data_folder(dir);
    std::string log = dir.file("L");
    RunResult r = run_game({"--data", dir.path(), "--headless", "--fixed-step", "10", "--frames", "20", "--log", log});
    EXPECT_EQ(r.exitCode, 0) << r.output;
    std::string text = read_text(log);
    EXPECT_NE(text.find("Initted graphic subsystem..."), std::string::npos) << text;
    EXPECT_NE(text.find("Killed everything"), std::string::npos) << text;
    EXPECT_LT(text.find("Initted graphic subsystem..."), text.find("Killed everything"));
}

TEST(AppRun, HelpListsEveryOptionAndBadOptionsExitTwo)
{
    RunResult help = run_game({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* opt : {"--help", "--version", "--data", "--headless", "--fixed-step", "--seed", "--frames", "--input",
                            "--screenshot", "--log", "--scale", "--uncapped", "--answer", "--display", "--level",
                            "--autoplay", "--fullscreen", "--audio-buffer", "--write-controls", "--record", "--replay"})
        EXPECT_NE(help.output.find(opt), std::string::npos) << opt;

    for (std::vector<std::string> bad : std::vector<std::vector<std::string>>{
             {"--bogus"}, {"--fixed-step", "0"}, {"--fixed-step", "ten"}, {"--scale"}, {"--answer", "maybe"},
             {"--display", "cga"}, {"--screenshot", "abc"}, {"--level", "13"}, {"--frames", "-1"},
             {"--audio-buffer", "1601"}, {"--audio-buffer", "32"}, {"--fullscreen", "often"}, {"--record", ""},
             {"--replay", "run.rec", "--seed", "3"}, {"--replay", "run.rec", "--input", "in.txt"},
             {"--record", "run.rec", "--watch"}}) {
        RunResult r = run_game(bad);
        EXPECT_EQ(r.exitCode, 2) << bad[0];
        EXPECT_NE(r.output.find("vorlaine:"), std::string::npos) << r.output;
    }
}

TEST(AppRun, WriteControlsWritesTheDefaultsForThePlayerToEdit)
{
    TempFolder dir;
    dir.make_home();
    RunResult first = run_game({"--write-controls"});
    EXPECT_EQ(first.exitCode, 0) << first.output;
    EXPECT_NE(first.output.find("Wrote the default controls to " + dir.config_file("controls.conf")), std::string::npos)
        << first.output;
    EXPECT_NE(read_text(dir.config_file("controls.conf")).find("\n[keyboard]\nup = Up\n"), std::string::npos);
    // The player's own file is kept beside the new one.
    ASSERT_TRUE(write_text(dir.config_file("controls.conf"), "[keyboard]\nleft = Q\n"));
    RunResult again = run_game({"--write-controls"});
    EXPECT_EQ(again.exitCode, 0) << again.output;
    EXPECT_EQ(read_text(dir.config_file("controls.conf.old")), "[keyboard]\nleft = Q\n");
}

TEST(AppRun, SecondStartBringsTheFirstToTheFront)
{
    TempFolder dir;
    make_empty_data_folder(dir);
    std::string log = dir.file("first.log");
    pid_t first = ::fork();
    if (first == 0) {
        std::string bin = VORLAINE_BINARY;
        std::string data = dir.path();
        ::execl(bin.c_str(), bin.c_str(), "--data", data.c_str(), "--headless", "--fixed-step", "10", "--log",
                log.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    auto wait_for = [&](const char* text) {
        for (int i = 0; i < 200; i++) {
            if (read_text(log).find(text) != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    };
    ASSERT_TRUE(wait_for("Initted graphic subsystem..."));
    auto t0 = std::chrono::steady_clock::now();
    RunResult second = run_game({"--data", dir.path(), "--headless", "--fixed-step", "10", "--log", dir.file("second.log")}, 20);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_LT(seconds, 5.0);
    // The second copy never opened a display of its own.
    EXPECT_EQ(read_text(dir.file("second.log")).find("Initted"), std::string::npos);
    EXPECT_TRUE(wait_for("Brought to the front"));
    // The lock lives in the player's folder, which the data folder may not be.
    EXPECT_TRUE(path_exists(dir.player_file(".vorlaine.lock")));
    EXPECT_FALSE(path_exists(dir.file(".vorlaine.lock")));
    ::kill(first, SIGKILL);
    int status;
    ::waitpid(first, &status, 0);
}

TEST(AppRun, ScreenshotsAreWrittenAndRepeatable)
{
    TempFolder dir;
    make_empty_data_folder(dir);
    RunResult r = run_game({"--data", dir.path(), "--headless", "--fixed-step", "10", "--frames", "3", "--screenshot",
                            "2:" + dir.file("a.png"), "--screenshot", "2:" + dir.file("b.png")});
    EXPECT_EQ(r.exitCode, 0) << r.output;
    auto a = read_bytes(dir.file("a.png"));
    ASSERT_GT(a.size(), 8u);
    EXPECT_EQ(a[1], 'P');
    EXPECT_EQ(a, read_bytes(dir.file("b.png")));
}
