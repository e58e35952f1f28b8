// The player's desktop files: the controls file (SDL key and controller names for the handheld's buttons, bad
// lines, several keys for one button, the defaults written for the player to edit), where screenshots go and
// what they are called, and the window settings file.
#include <gtest/gtest.h>
#include <SDL.h>
#include <cstdlib>
#include "platform/controls.h"
#include "platform/keys.h"
#include "platform/screenshots.h"
#include "platform/window_settings.h"
#include "support/log_capture.h"
#include "support/temp_folder.h"

namespace {

class DesktopSettings : public ::testing::Test {
protected:
    void SetUp() override { folder.make_home(); }

    // Loads text as the controls file over the defaults.
    Controls load(const std::string& text)
    {
        EXPECT_TRUE(write_text(sys_controls_path(), text));
        Controls c = Controls::defaults();
        EXPECT_TRUE(c.load(sys_controls_path()));
        return c;
    }

    std::string skipped(int line, const std::string& reason) const
    {
        return "Controls file " + sys_controls_path() + " line " + std::to_string(line) + " skipped: " + reason + ".";
    }

    // Each key (or controller button) serves the button code given; 0 for none.
    static void expect_keys(const Controls& c, std::initializer_list<std::pair<SDL_Keycode, uint32_t>> keys)
    {
        for (const auto& [key, code] : keys) EXPECT_EQ(c.key_code(key), code) << SDL_GetKeyName(key);
    }
    static void expect_pads(const Controls& c,
                            std::initializer_list<std::pair<SDL_GameControllerButton, uint32_t>> pads)
    {
        for (const auto& [pad, code] : pads)
            EXPECT_EQ(c.pad_code(pad), code) << SDL_GameControllerGetStringForButton(pad);
    }

    TempFolder folder;
    LogCapture log{folder.file("log.txt")};
};
// The controls file's own suite.
using ControlsTest = DesktopSettings;

TEST_F(ControlsTest, SeveralKeysServeOneButtonAndAKeyMovesFromItsDefault)
{
    Controls c = load("[keyboard]\n"
                      "left = Q, Keypad 4 ,a\n"  // names as SDL has them, any case, blanks around
                      "b = X, K, Comma\n"
                      "start = Z\n"               // Z was A's: now it starts
                      "c =\n"                     // C serves nothing
                      "[controller]\n"
                      "b = y, A\n");
    // The left arrow was left's default and Return start's: replaced; untouched buttons keep their defaults.
    expect_keys(c, {{SDLK_q, KEY_LEFT}, {SDLK_KP_4, KEY_LEFT}, {SDLK_a, KEY_LEFT}, {SDLK_LEFT, 0}, {SDLK_x, KEY_B},
                    {SDLK_k, KEY_B}, {SDLK_COMMA, KEY_B}, {SDLK_z, KEY_START}, {SDLK_RETURN, 0}, {SDLK_c, 0},
                    {SDLK_UP, KEY_UP}});
    // The keyboard's left is not the pad's.
    expect_pads(c, {{SDL_CONTROLLER_BUTTON_Y, KEY_B}, {SDL_CONTROLLER_BUTTON_A, KEY_B},
                    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, KEY_LEFT}});
    EXPECT_EQ(log.count_starting("Controls file"), 0) << log.text();
}

TEST_F(ControlsTest, BadLinesAreLoggedWithTheirNumberAndSkipped)
{
    Controls c = load("left = Q\n"                       // 1: no section yet
                      "[keyboard]\n"                     // 2
                      "# a remark\n"                     // 3
                      "up = W\n"                         // 4: good
                      "jump = Space\n"                   // 5
                      "down = S, Frobnicate\n"           // 6: one bad name spoils the line
                      "right\n"                          // 7
                      "a = F12\n"                        // 8
                      "up = Up\n"                        // 9: up is set already
                      "c = W\n"                          // 10: W serves up
                      "c = V,\n"                         // 11
                      "[mouse]\n"                        // 12
                      "[controller]\n"                   // 13
                      "a = south\n"                      // 14
                      "a = b\n"                          // 15: good
                      + std::string(5000, 'x') + "\n"    // 16: absurd
                      "extra1 = rightstick\n");          // 17: good
    EXPECT_TRUE(log.contains(skipped(1, "no [keyboard] or [controller] line above it")));
    EXPECT_TRUE(log.contains(skipped(5, "unknown button 'jump' (up, down, left, right, a, b, c, start, extra1, extra2)")));
    EXPECT_TRUE(log.contains(skipped(6, "unknown key 'Frobnicate'")));
    EXPECT_TRUE(log.contains(skipped(7, "expected BUTTON = NAME, NAME, ...")));
    EXPECT_TRUE(log.contains(skipped(8, "F12 takes screenshots and serves no button")));
    EXPECT_TRUE(log.contains(skipped(9, "up is set on line 4 already")));
    EXPECT_TRUE(log.contains(skipped(10, "W serves up on line 4 already")));
    EXPECT_TRUE(log.contains(skipped(11, "an empty name in the list")));
    EXPECT_TRUE(log.contains(skipped(12, "unknown section [mouse] (there are [keyboard] and [controller])")));
    EXPECT_TRUE(log.contains(skipped(14, "unknown controller button 'south'")));
    EXPECT_TRUE(log.contains(skipped(16, "longer than 4096 characters")));
    EXPECT_EQ(log.count_starting("Controls file"), 11) << log.text();
    // The rest applies; what the skipped lines named stays as it was.
    expect_keys(c, {{SDLK_w, KEY_UP}, {SDLK_UP, 0}, {SDLK_DOWN, KEY_DOWN}, {SDLK_s, 0}, {SDLK_q, 0}, {SDLK_z, KEY_A},
                    {SDLK_F12, 0}, {SDLK_c, KEY_C}});
    expect_pads(c, {{SDL_CONTROLLER_BUTTON_B, KEY_A}, {SDL_CONTROLLER_BUTTON_RIGHTSTICK, KEY_EXTRA1},
                    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, 0}});
}

TEST_F(ControlsTest, WithoutAFileTheDefaultsServeAndWrittenTheyReadBackAndAnEarlierFileIsKept)
{
    EXPECT_EQ(sys_controls_path(), folder.config_file("controls.conf"));
    Controls defaults = Controls::defaults();
    EXPECT_FALSE(defaults.load(sys_controls_path()));
    expect_keys(defaults, {{SDLK_UP, KEY_UP}, {SDLK_z, KEY_A}, {SDLK_x, KEY_B}, {SDLK_RETURN, KEY_START}, {SDLK_q, 0}});
    // South strikes, east casts.
    expect_pads(defaults, {{SDL_CONTROLLER_BUTTON_A, KEY_B}, {SDL_CONTROLLER_BUTTON_B, KEY_A},
                           {SDL_CONTROLLER_BUTTON_Y, 0}});
    std::string path, kept;
    ASSERT_TRUE(write_text(sys_controls_path(), "[keyboard]\nleft = Q\n"));
    ASSERT_TRUE(sys_controls_write_defaults(&path, &kept));
    EXPECT_EQ(path, sys_controls_path());
    EXPECT_EQ(kept, path + ".old");
    EXPECT_EQ(read_text(kept), "[keyboard]\nleft = Q\n");
    const std::string text = read_text(path);
    EXPECT_NE(text.find("\n[keyboard]\n"), std::string::npos);
    EXPECT_NE(text.find("\nextra2 = Left Shift\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nb = a\n"), std::string::npos) << text;  // the controller's south button
    ASSERT_TRUE(defaults.load(path));
    EXPECT_EQ(log.count_starting("Controls file"), 0) << log.text();
    EXPECT_EQ(defaults.file_text(), text);
    // Keys named like the file's own separators are written by their aliases and read back.
    Controls odd = load("[keyboard]\nextra1 = Comma, Equals, Hash\n");
    EXPECT_NE(odd.file_text().find("\nextra1 = Comma, Equals, Hash\n"), std::string::npos) << odd.file_text();
    EXPECT_EQ(odd.key_code(SDLK_EQUALS), KEY_EXTRA1);
    EXPECT_EQ(odd.key_code(SDLK_HASH), KEY_EXTRA1);
}

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
