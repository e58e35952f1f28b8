// The replay checker (scripts/replays.sh): a run recorded now checks clean; a changed checkpoint, a changed log
// line or a run that stops early fails with the run's name, the first differing frame and both pictures' places.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <cstdlib>
#include <string>
#include "support/temp_folder.h"

namespace {

const std::string kBuild = std::string(VORLAINE_GAME_DIR) + "/..";

class ReplayCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The run's name is the test's, so tests running side by side keep apart in the build folder.
        name_ = std::string("selftest_") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ASSERT_TRUE(write_text(run_file("run.txt"), "# the title, then the options screen\n"
                                                    "args = --fixed-step 40 --seed 1\n"
                                                    "frames = 60\n"
                                                    "every = 20\n"));
        ASSERT_TRUE(write_text(run_file("input.txt"), "30 tap 190 222\n"));
    }

    std::string run_file(const std::string& file) const { return runs_.file(name_ + "/" + file); }

    RunResult replays(const std::string& mode) const
    {
        const std::string out = runs_.file("output.txt");
        const std::string cmd = std::string("bash ") + VORLAINE_SOURCE_DIR + "/scripts/replays.sh " + mode + " --build " +
                                kBuild + " --runs " + runs_.path() + " " + name_ + " >" + out + " 2>&1";
        const int status = std::system(cmd.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_text(out)};
    }

    // Replaces the first occurrence of from in a recorded file.
    void edit(const std::string& file, const std::string& from, const std::string& to) const
    {
        std::string text = read_text(run_file(file));
        const size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from << " in " << text;
        ASSERT_TRUE(write_text(run_file(file), text.replace(at, from.size(), to)));
    }

    TempFolder runs_;
    std::string name_;
};

TEST_F(ReplayCheck, ARecordingChecksCleanAndEachChangeFailsNamingRunAndPlace)
{
    RunResult rec = replays("record");
    ASSERT_EQ(rec.exitCode, 0) << rec.output;
    const std::string sums = read_text(run_file("sums.txt"));
    ASSERT_EQ(sums.rfind("20 ", 0), 0u) << sums;
    for (const char* png : {"frame_000020.png", "frame_000040.png", "frame_000060.png"})
        EXPECT_TRUE(path_exists(run_file(png))) << png;
    // The title and the options screen differ; the log names no folder of this machine.
    const std::string sum40 = sums.substr(sums.find("\n40 ") + 4, 16);
    EXPECT_NE(sums.substr(3, 16), sum40) << sums;
    const std::string log = read_text(run_file("log.txt"));
    EXPECT_NE(log.find("Data folder <DATA>/"), std::string::npos) << log;
    EXPECT_EQ(log.find("replays/" + name_ + "/tmp"), std::string::npos) << log;

    RunResult same = replays("check");
    EXPECT_EQ(same.exitCode, 0) << same.output;

    edit("sums.txt", sum40, "0123456789abcdef");
    RunResult changed = replays("check");
    EXPECT_EQ(changed.exitCode, 1) << changed.output;
    EXPECT_NE(changed.output.find("run '" + name_ + "' first differs at frame 40 "), std::string::npos) << changed.output;
    EXPECT_NE(changed.output.find("expected picture: " + run_file("frame_000040.png")), std::string::npos)
        << changed.output;
    EXPECT_NE(changed.output.find("replays/" + name_ + "/out/frame_000040.png"), std::string::npos) << changed.output;
    EXPECT_TRUE(path_exists(kBuild + "/replays/" + name_ + "/out/frame_000040.png"));
    EXPECT_NE(changed.output.find("scripts/replays.sh record " + name_), std::string::npos) << changed.output;
    edit("sums.txt", "0123456789abcdef", sum40);

    // A changed log line is told as such, not as a picture.
    edit("log.txt", "Clicked!", "Clicked twice!");
    RunResult logged = replays("check");
    EXPECT_EQ(logged.exitCode, 1) << logged.output;
    EXPECT_NE(logged.output.find("run '" + name_ + "' logs differently from line "), std::string::npos)
        << logged.output;
    EXPECT_NE(logged.output.find("< Clicked twice!"), std::string::npos) << logged.output;
    EXPECT_EQ(logged.output.find("first differs at frame"), std::string::npos) << logged.output;
    edit("log.txt", "Clicked twice!", "Clicked!");

    // The same run cut short: its last checkpoint never comes.
    edit("run.txt", "frames = 60", "frames = 45");
    RunResult cut = replays("check");
    EXPECT_EQ(cut.exitCode, 1) << cut.output;
    EXPECT_NE(cut.output.find("first differs at frame 60 "), std::string::npos) << cut.output;
    EXPECT_NE(cut.output.find("the run did not reach frame 60"), std::string::npos) << cut.output;
}

}  // namespace
