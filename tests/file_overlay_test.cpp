// The data folder overlaid by the player's folder, on real files: reads prefer the player's copy, every write
// lands in the player's folder, deletions of data files become whiteouts, and the data folder never changes.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <filesystem>
#include <string>
#include "app/app_state.h"
#include "app/main_window.h"
#include "level/career.h"
#include "platform/audio_device.h"
#include "platform/files.h"
#include "platform/player_files.h"
#include "platform/user_folders.h"
#include "support/log_capture.h"
#include "support/temp_folder.h"
#include "util/strings.h"

namespace fs = std::filesystem;

namespace {

std::string read_data(const std::string& path) { return read_text(sys_resolve_path(path.c_str())); }

// A data folder with a few files, and the player's folder that overlays it.
class Overlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(write_text(data + "logic/levels/level1.txt", "data level"));
        ASSERT_TRUE(write_text(data + "graphics/Misc/Star.tga", "data star"));
        copy_text(AppState.programDir, sizeof AppState.programDir, data.c_str());
        sys_files_overlay(data, player);
        before = folder_fingerprint(data);
    }
    void TearDown() override { EXPECT_EQ(folder_fingerprint(data), before) << "the data folder changed"; }
    // Writes text through the files layer.
    static void write(const std::string& path, const char* mode, const char* text)
    {
        FILE* out = sys_fopen(path.c_str(), mode);
        ASSERT_NE(out, nullptr);
        std::fputs(text, out);
        std::fclose(out);
    }

    TempFolder dir;
    std::string data = dir.path() + "data/";
    std::string player = dir.path() + "player/";
    std::string before;
};

}  // namespace

// Reads fall through to the data folder; a browser stores the player's folders elsewhere after each frame
// that changed them: every way the files layer changes them marks it, once, and reading marks nothing.
TEST_F(Overlay, ReadsFallThroughAndEachChangeLandsInThePlayersFolderMarkedOnce)
{
    // Data names keep their handheld form: backslashes, doubled separators, any case.
    const std::string star = data + "graphics\\misc\\star.tga";
    sys_player_files_take_changes();
    EXPECT_EQ(read_data(data + "\\logic\\levels\\LEVEL1.TXT"), "data level");
    FILE* f = sys_fopen(star.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_TRUE(sys_file_exists(star.c_str()));
    EXPECT_FALSE(sys_player_files_take_changes()) << "reading marked a change";

    const auto marked_once = [](const auto& change) {
        change();
        const bool marked = sys_player_files_take_changes();
        return marked && !sys_player_files_take_changes();
    };
    EXPECT_TRUE(marked_once([&] { write(star, "wb", "new star"); })) << "a data file written over";
    EXPECT_EQ(read_data(star), "new star");
    EXPECT_EQ(read_text(data + "graphics/Misc/Star.tga"), "data star");
    EXPECT_TRUE(marked_once([&] { write(data + "career.dat.tmp", "wb", "career"); })) << "a new file";
    EXPECT_TRUE(marked_once([&] {
        ASSERT_TRUE(sys_rename((data + "career.dat.tmp").c_str(), (data + "career.dat").c_str()));
    })) << "a rename";
    EXPECT_EQ(read_text(player + "career.dat"), "career");
    // Appending to a data file changes the player's copy of it.
    EXPECT_TRUE(marked_once([&] { write(data + "logic\\levels\\level1.txt", "ab", " more"); })) << "an append";
    EXPECT_EQ(read_text(player + "logic/levels/level1.txt"), "data level more");
    EXPECT_TRUE(marked_once([&] { ASSERT_TRUE(sys_make_dirs((data + "graphics\\ant").c_str())); })) << "a folder";
    EXPECT_TRUE(fs::is_directory(player + "graphics/ant"));
    EXPECT_TRUE(marked_once([&] { ASSERT_TRUE(sys_remove(star.c_str())); })) << "a whiteout";
    EXPECT_TRUE(marked_once([&] { ASSERT_TRUE(sys_remove((data + "career.dat").c_str())); })) << "a removal";
    // The settings live in their own folder, written beside the files layer.
    dir.make_home();
    EXPECT_TRUE(marked_once([] { ASSERT_TRUE(sys_audio_volume_save(0x80008000u)); })) << "the volume";
}

TEST_F(Overlay, DeletingADataFileLeavesAWhiteoutThatAWriteOrANewVersionLifts)
{
    const std::string name = data + "logic\\levels\\level1.txt";
    ASSERT_TRUE(sys_remove(name.c_str()));
    EXPECT_FALSE(sys_file_exists(name.c_str()));
    EXPECT_EQ(sys_fopen(name.c_str(), "rb"), nullptr);
    EXPECT_TRUE(path_exists(player + "logic/levels/.wh.level1.txt"));
    // Gone is gone: a second delete finds nothing.
    EXPECT_FALSE(sys_remove(name.c_str()));

    // Writing the name again brings it back, as the player's own file.
    write(name, "wb", "rewritten");
    EXPECT_EQ(read_data(name), "rewritten");
    EXPECT_FALSE(path_exists(player + "logic/levels/.wh.level1.txt"));

    // Deleting both copies hides the data file again, until a new version of the game installs a new one.
    ASSERT_TRUE(sys_remove(name.c_str()));
    EXPECT_FALSE(sys_file_exists(name.c_str()));
    EXPECT_FALSE(path_exists(player + "logic/levels/level1.txt"));
    ASSERT_TRUE(write_text(data + "logic/levels/level1.txt", "version two, longer"));
    before = folder_fingerprint(data);
    EXPECT_EQ(read_data(name), "version two, longer");
}

// A full disk, as the file size limit shows it: the save fails loudly and the old career stays whole. The
// limit holds for every file, so the try runs in a child whose debug output goes into a pipe.
TEST_F(Overlay, ASaveThatCannotBeWrittenForAFullDiskKeepsTheOldCareerAndSaysSo)
{
    CareerRecord record;
    set_career_defaults(record);
    record.levelUnlocked[4] = 1;
    ASSERT_TRUE(save_career(record));
    const auto kept = read_bytes(player + "career.dat");
    ASSERT_EQ(kept.size(), 64u);

    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    pid_t child = ::fork();
    if (child == 0) {
        ::dup2(fds[1], 2);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small{10, 10};
        ::setrlimit(RLIMIT_FSIZE, &small);
        std::string why;
        const bool prepared = sys_prepare_folder(player, &why);
        if (!why.empty()) std::fprintf(stderr, "probe: %s\n", why.c_str());
        set_main_window_exists(true);
        record.levelUnlocked[5] = 1;
        const bool saved = save_career(record);
        std::fflush(stderr);
        std::_Exit((prepared ? 1 : 0) | (saved ? 2 : 0));
    }
    ::close(fds[1]);
    std::string out;
    char buf[4096];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) out.append(buf, size_t(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << out;  // neither the probe nor the save pretended to succeed
    EXPECT_NE(out.find("probe: File too large"), std::string::npos) << out;
    EXPECT_NE(out.find("Error saving career data"), std::string::npos) << out;
    EXPECT_NE(out.find("Message box \"Not so fast!\""), std::string::npos) << out;
    EXPECT_EQ(read_bytes(player + "career.dat"), kept);
    EXPECT_FALSE(path_exists(player + "career.dat.tmp"));
}
