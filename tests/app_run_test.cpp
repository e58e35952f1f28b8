// The real game binary, headless: start-up and shutdown lines, options, one copy per player's folder, screenshots.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>
#include "support/game_process.h"
#include "support/temp_folder.h"

namespace {
// A data folder whose manifest lists no file: enough for the frame, the lock and the screenshots.
void make_empty_data_folder(const TempFolder& dir)
{
    write_text(dir.file("manifest.txt"), "# nothing\n");
    dir.make_home();
}

// How many lines of the file are line, whole.
long count_lines(const std::string& path, const std::string& line)
{
    const auto lines = lines_with(path, line);
    return std::count(lines.begin(), lines.end(), line);
}

}  // namespace

// Options alone, no data needed: the help, the controls file written for the player, and bad options.
TEST(AppRun, HelpAndWriteControlsNeedNoDataAndBadOptionsExitTwo)
{
    RunResult help = run_game({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* opt : {"--help", "--version", "--data", "--headless", "--fixed-step", "--seed", "--frames", "--input",
                            "--screenshot", "--log", "--scale", "--uncapped", "--answer", "--display", "--level",
                            "--autoplay", "--fullscreen", "--audio-buffer", "--write-controls", "--record", "--replay",
                            "--frame-sums"})
        EXPECT_NE(help.output.find(opt), std::string::npos) << opt;

    TempFolder dir;
    dir.make_home();
    RunResult controls = run_game({"--write-controls"});
    EXPECT_EQ(controls.exitCode, 0) << controls.output;
    EXPECT_NE(controls.output.find("Wrote the default controls to " + dir.config_file("controls.conf")),
              std::string::npos)
        << controls.output;
    EXPECT_NE(read_text(dir.config_file("controls.conf")).find("\n[keyboard]\nup = Up\n"), std::string::npos);

    // A damaged recording is refused with the reason (every reason: RecordingTest).
    const std::string damaged = dir.file("bad.rec");
    ASSERT_TRUE(write_text(damaged, "vorlaine recording 1\nseed 1\n1 clock 1 1\n1 key sideways\n"));
    for (std::vector<std::string> bad : std::vector<std::vector<std::string>>{
             {"--bogus"}, {"--fixed-step", "0"}, {"--fixed-step", "ten"}, {"--scale"}, {"--answer", "maybe"},
             {"--display", "cga"}, {"--screenshot", "abc"}, {"--level", "13"}, {"--frames", "-1"},
             {"--audio-buffer", "1601"}, {"--audio-buffer", "32"}, {"--fullscreen", "often"}, {"--record", ""},
             {"--replay", "run.rec", "--seed", "3"}, {"--replay", "run.rec", "--input", "in.txt"},
             {"--record", "run.rec", "--watch"}, {"--frame-sums", "0:sums.txt"}, {"--frame-sums", "10"},
             {"--frame-sums", "10:"}, {"--headless", "--frame-sums", "10:/no/such/folder/sums.txt"},
             {"--headless", "--replay", damaged}}) {
        RunResult r = run_game(bad);
        EXPECT_EQ(r.exitCode, 2) << bad[0];
        EXPECT_NE(r.output.find("vorlaine:"), std::string::npos) << r.output;
        if (bad.back() == damaged) {
            EXPECT_NE(r.output.find("vorlaine: cannot replay " + damaged + " line 4: expected: key down|up BUTTON"),
                      std::string::npos);
        }
    }
}

// A second start in the same player's folder asks the first to come to the front and ends at once. The first
// copy polls for the request between its frames, and on an empty program folder its frames are quick: it may
// take a second start's connection and hang up before the request is written. strace holds the second start
// right after its connect, so there that always happens.
TEST(AppRun, SecondStartBringsTheFirstToTheFrontEvenWhenTheFirstHangsUpEarly)
{
    TempFolder dir;
    make_empty_data_folder(dir);
    const std::string log = dir.file("first.log");
    GameProcess first({"--data", dir.path(), "--headless", "--fixed-step", "10", "--log", log}, dir.file("first.out"));
    ASSERT_TRUE(wait_for_line(log, "Initted graphic subsystem...", 60));
    auto t0 = std::chrono::steady_clock::now();
    RunResult second =
        run_game({"--data", dir.path(), "--headless", "--fixed-step", "10", "--log", dir.file("second.log")}, 20);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_LT(seconds, 5.0);
    // The second copy never opened a display of its own.
    const std::string secondLog = read_text(dir.file("second.log"));
    EXPECT_EQ(secondLog.find("Initted"), std::string::npos) << secondLog;
    EXPECT_NE(secondLog.find("Another copy runs in " + dir.player_file("")), std::string::npos) << secondLog;
    EXPECT_TRUE(wait_for_line(log, "Brought to the front", 60));
    // The lock lives in the player's folder, which the data folder may not be.
    EXPECT_TRUE(path_exists(dir.player_file(".vorlaine.lock")));
    EXPECT_FALSE(path_exists(dir.file(".vorlaine.lock")));

    if (std::system("strace -o /dev/null true >/dev/null 2>&1") != 0) {
        std::printf("strace cannot run here: the early hang-up is not tried\n");
        return;
    }
    // A leak check cannot run under ptrace; in a sanitizer build the traced copy leaves it out.
    const std::string hold = "ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" "
                             "strace -f -qq -o /dev/null -e trace=connect -e inject=connect:delay_exit=300000 ";
    const std::string held = hold + VORLAINE_BINARY + " --data " + dir.path() + " --headless --fixed-step 10 --log " +
                             dir.file("held.log") + " >" + dir.file("held.out") + " 2>&1";
    const int status = std::system(held.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "141 is SIGPIPE";
    for (int i = 0; i < 600 && lines_with(log, "Brought to the front").size() < 2; i++) usleep(100000);
    EXPECT_EQ(lines_with(log, "Brought to the front").size(), 2u);
}

// A window closed by its signal: DesktopWindowRun, which ends its window with SIGTERM.
TEST(AppRun, QuitSignalsEndTheRunAsClosingTheWindowDoes)
{
    // SIGINT as a shell starts a background job: with SIGINT ignored.
    for (const auto& [signal, sigintIgnored] : {std::pair{SIGTERM, false}, {SIGINT, true}, {SIGHUP, false}}) {
        SCOPED_TRACE("signal " + std::to_string(signal));
        TempFolder dir;
        make_empty_data_folder(dir);
        const std::string data = dir.path();
        GameProcess game({"--fixed-step", "10", "--log", dir.file("game.log"), "--headless", "--data", data},
                         dir.file("game.out"), sigintIgnored);
        ASSERT_TRUE(wait_for_line(dir.file("game.log"), "Initted graphic subsystem...", 60));
        const auto t0 = std::chrono::steady_clock::now();
        ASSERT_TRUE(game.send(signal));
        int code = -1;
        ASSERT_TRUE(game.wait(30, &code)) << "still running 30 s after the signal";
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        EXPECT_EQ(code, 0) << read_text(dir.file("game.out"));
        EXPECT_LT(seconds, 2.0);
        const std::string text = read_text(dir.file("game.log"));
        const size_t asked = text.find("Signal " + std::to_string(signal) + " (");
        const size_t destroyed = text.find("WM_DESTROY called.");
        const size_t killed = text.find("Killed everything");
        ASSERT_NE(asked, std::string::npos) << text;
        ASSERT_NE(destroyed, std::string::npos) << text;
        ASSERT_NE(killed, std::string::npos) << text;
        EXPECT_LT(asked, destroyed);
        EXPECT_LT(destroyed, killed);
        EXPECT_EQ(lines_with(dir.file("game.log"), "").back(), "Freeing background.") << "the log ends with the statics' last line";
        // The lock is free: the next start in the folder is the one running copy. Every line of its run goes
        // to the log, those of the static objects built before the command line is read and torn down after
        // main too; both screenshots of one frame are written, the same.
        RunResult again = run_game({"--data", data, "--headless", "--fixed-step", "10", "--frames", "2", "--log",
                                    dir.file("again.log"), "--screenshot", "2:" + dir.file("a.png"), "--screenshot",
                                    "2:" + dir.file("b.png")}, 60);
        EXPECT_EQ(again.exitCode, 0);
        const auto lines = lines_with(dir.file("again.log"), "");
        ASSERT_GE(lines.size(), 4u);
        EXPECT_EQ(lines.front(), "initting CLoader");
        EXPECT_EQ(lines[1].rfind("Data folder ", 0), 0u) << lines[1];
        EXPECT_EQ(count_lines(dir.file("again.log"), "Initted graphic subsystem..."), 1);
        EXPECT_EQ(count_lines(dir.file("again.log"), "Killed everything"), 1);
        EXPECT_EQ(lines[lines.size() - 2], "Killed CLoader");
        EXPECT_EQ(lines.back(), "Freeing background.");
        for (const char* line : {"initting CLoader", "Killed CLoader", "Freeing background.", "Killed everything"})
            EXPECT_EQ(again.output.find(line), std::string::npos) << line << " on standard error:\n" << again.output;
        const auto png = read_bytes(dir.file("a.png"));
        ASSERT_GT(png.size(), 8u);
        EXPECT_EQ(png[1], 'P');
        EXPECT_EQ(png, read_bytes(dir.file("b.png")));
    }
}

TEST(AppRun, ALevelWithoutItsScriptIsReportedOnceAndTheGameEnds)
{
    TempFolder dir;
    make_empty_data_folder(dir);
    const std::string log = dir.file("game.log");
    // Messages wait in the queue ahead of the quit that the missing script posts.
    write_text(dir.file("input.txt"),
               "1 key down left\n1 key up left\n1 key down right\n1 key up right\n1 tap 10 10\n");
    RunResult r = run_game({"--data", dir.path(), "--headless", "--fixed-step", "10", "--level", "2", "--input",
                            dir.file("input.txt"), "--log", log},
                           60);
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(count_lines(log, "Unable to find the information for this level. (level2.txt)"), 1) << read_text(log);
    EXPECT_EQ(count_lines(log, "Message box \"Not so fast!\": Unable to find the information for this level. "
                               "(level2.txt) -> OK"),
              1);
    // One loading step: one career load, one indicator set up.
    EXPECT_EQ(count_lines(log, "No career file exists yet."), 1);
    EXPECT_EQ(count_lines(log, "Couldn't find graphics\\misc\\loading_01.tga."), 1);
    EXPECT_EQ(count_lines(log, "Killed everything"), 1);
}
