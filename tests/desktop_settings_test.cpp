// The player's desktop files: where screenshots go and what they are called, and the window settings file.
#include <gtest/gtest.h>
#include <cstdlib>
#include "platform/screenshots.h"
#include "platform/window_settings.h"
#include "support/log_capture.h"
#include "support/temp_folder.h"

namespace {

class DesktopSettings : public ::testing::Test {
protected:
    void SetUp() override { folder.make_home(); }
    TempFolder folder;
    LogCapture log{folder.file("log.txt")};
};

TEST_F(DesktopSettings, PicturesFolderFromTheEnvironmentUserDirsOrHome)
{
    const std::string dirs = folder.file("home/.config/user-dirs.dirs");
    EXPECT_EQ(sys_pictures_folder(), folder.file("home/Pictures/vorlaine/"));
    // As xdg-user-dirs writes it: relative to $HOME, or absolute.
    ASSERT_TRUE(write_text(dirs, "# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n"));
    EXPECT_EQ(sys_pictures_folder(), folder.file("home/Bilder/vorlaine/"));
    ASSERT_TRUE(write_text(dirs, "XDG_PICTURES_DIR=\"" + folder.file("pics/") + "\"\n"));
    EXPECT_EQ(sys_pictures_folder(), folder.file("pics/vorlaine/"));
    // A value that names no folder is passed over.
    ASSERT_TRUE(write_text(dirs, "XDG_PICTURES_DIR=\"Pictures\"\n#XDG_PICTURES_DIR=\"/elsewhere\"\n"));
    EXPECT_EQ(sys_pictures_folder(), folder.file("home/Pictures/vorlaine/"));
    ::setenv("XDG_PICTURES_DIR", folder.file("env-pics").c_str(), 1);
    EXPECT_EQ(sys_pictures_folder(), folder.file("env-pics/vorlaine/"));
    ::unsetenv("XDG_PICTURES_DIR");
}

TEST_F(DesktopSettings, ScreenshotNamesTellTheTimeAndNeverOverwrite)
{
    ::setenv("TZ", "UTC", 1);
    const long long t = 1700000000;  // 2023-11-14 22:13:20 UTC
    const std::string first = screenshot_name(folder.path(), t);
    EXPECT_EQ(first, folder.file("vorlaine-2023-11-14_22-13-20.png"));
    ASSERT_TRUE(write_text(first, "x"));
    EXPECT_EQ(screenshot_name(folder.path(), t), folder.file("vorlaine-2023-11-14_22-13-20-2.png"));
    ASSERT_TRUE(write_text(folder.file("vorlaine-2023-11-14_22-13-20-2.png"), "x"));
    EXPECT_EQ(screenshot_name(folder.path(), t), folder.file("vorlaine-2023-11-14_22-13-20-3.png"));
}

TEST_F(DesktopSettings, WindowSettingsBadLinesAreSkippedAndTheRestHolds)
{
    // Saved and read back through the real binary in DesktopWindowRun; here the lines a player spoilt.
    WindowSettings s;
    EXPECT_FALSE(sys_window_settings_load(&s));
    EXPECT_EQ(s.scale, 0);
    EXPECT_EQ(sys_window_settings_path(), folder.config_file("window.conf"));
    ASSERT_TRUE(write_text(sys_window_settings_path(), "# mine\nscale=0\nscale=2x\nfullscreen=maybe\nscale=3\n"));
    WindowSettings t;
    ASSERT_TRUE(sys_window_settings_load(&t));
    EXPECT_EQ(t.scale, 3);
    EXPECT_FALSE(t.fullscreen);
    EXPECT_EQ(log.count_starting("Window settings " + sys_window_settings_path() + " line "), 3) << log.text();
    EXPECT_TRUE(log.contains("Window settings " + sys_window_settings_path() +
                             " line 4 skipped: expected scale=N or fullscreen=yes|no."));
}

}  // namespace
