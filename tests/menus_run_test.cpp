// The real binary through the menus, headless with scripted taps at real button positions: what it shows
// (screenshots against the picture files), what it writes (career, volume, into the player's folders) and the
// first-start unpacking.
#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>
#include "app/app_state.h"
#include "graphics/picture.h"
#include "graphics/picture_file.h"
#include "level/career.h"
#include "platform/image_decode.h"
#include "support/temp_folder.h"
#include "util/strings.h"

namespace fs = std::filesystem;

namespace {

// A 240 x 320 RGB565 screen or picture, as the game holds it.
struct Pixels {
    int w = 0, h = 0;
    std::vector<uint16_t> p;
    uint16_t at(int x, int y) const { return p[size_t(y) * size_t(w) + size_t(x)]; }
};

class MenusRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(copy_game_folder(data));
        // The career and the device volume are kept per user: keep this run's away from the real ones.
        dir.make_home();
        copy_text(AppState.programDir, sizeof AppState.programDir, data.c_str());
    }
    RunResult run(const std::string& script, int frames, std::vector<std::string> extra = {})
    {
        write_text(dir.file("input.txt"), script);
        std::vector<std::string> args = {"--data", data, "--headless", "--fixed-step", "40", "--seed", "1",
                                         "--frames", std::to_string(frames), "--log", log, "--input",
                                         dir.file("input.txt")};
        args.insert(args.end(), extra.begin(), extra.end());
        return run_game(args, 120);
    }
    std::string shot(int frame) const { return dir.file("shot" + std::to_string(frame) + ".png"); }
    std::vector<std::string> shots(std::initializer_list<int> frames) const
    {
        std::vector<std::string> args;
        for (int f : frames) {
            args.push_back("--screenshot");
            args.push_back(std::to_string(f) + ":" + shot(f));
        }
        return args;
    }
    static Pixels screen(const std::string& png)
    {
        Pixels s;
        DecodedImage d;
        if (!image_decode_rgb24(png.c_str(), &d)) return s;
        s.w = d.width;
        s.h = d.height;
        for (int i = 0; i < d.width * d.height; i++) s.p.push_back(rgb_to_565(d.rgb[i * 3], d.rgb[i * 3 + 1], d.rgb[i * 3 + 2]));
        image_free(&d);
        return s;
    }
    static Pixels picture(const char* name)
    {
        Pixels s;
        uint16_t* px = nullptr;
        if (!load_picture_file(&px, &s.w, &s.h, name)) return s;
        s.p.assign(px, px + size_t(s.w) * size_t(s.h));
        free_pixels(px);
        return s;
    }
    // How many of the picture's non-key pixels, placed at (x, y), differ on the screen.
    static int differing(const Pixels& scr, const Pixels& pic, int x, int y, bool keyed = true)
    {
        int bad = 0;
        for (int py = 0; py < pic.h; py++)
            for (int px = 0; px < pic.w; px++) {
                if (keyed && pic.at(px, py) == pic.p[0]) continue;
                if (x + px >= scr.w || y + py >= scr.h || scr.at(x + px, y + py) != pic.at(px, py)) bad++;
            }
        return bad;
    }
    int count_lines(const std::string& prefix) const
    {
        const std::string text = read_text(log);
        int n = 0;
        for (size_t at = text.find(prefix); at != std::string::npos; at = text.find(prefix, at + 1))
            if (at == 0 || text[at - 1] == '\n') n++;
        return n;
    }

    TempFolder dir;
    std::string data = dir.path() + "game/";
    std::string log = dir.file("game.log");
};

TEST_F(MenusRun, TitleToLevelSelectToTheStoryOfLevelOneIntoTheLevelAndBack)
{
    const std::string script = "20 tap 200 180\n"   // play
                               "40 tap 60 118\n"    // level 1
                               "80 tap 120 290\n"   // continue
                               "160 tap 214 308\n"; // the game's quit
    RunResult r = run(script, 210, shots({10, 35, 70, 140, 200}));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(count_lines("Clicked!"), 3);

    const Pixels title = screen(shot(10));
    ASSERT_EQ(title.w, 240);
    EXPECT_EQ(differing(title, picture("graphics\\interface\\title_main.jpg"), 0, 0, false), 0);
    // The level select: its picture above the buttons, level 1 shown, nothing else.
    const Pixels select = screen(shot(35));
    Pixels top = picture("graphics\\interface\\level_main.png");
    top.h = 100;
    EXPECT_EQ(differing(select, top, 0, 0, false), 0);
    EXPECT_EQ(differing(select, picture("graphics\\interface\\level_1.png"), 15, 105), 0);
    EXPECT_GT(differing(select, picture("graphics\\interface\\level_2.png"), 127, 105), 0);
    // Level 1 has a story: its picture, the continue strip over the bottom, the text still below it.
    const Pixels story = screen(shot(70));
    Pixels storyTop = picture("graphics\\story\\story_prologue.jpg");
    storyTop.h = 240;
    EXPECT_EQ(differing(story, storyTop, 0, 0, false), 0);
    EXPECT_EQ(differing(story, picture("graphics\\interface\\scroll_thing_01.jpg"), 0, 253), 0);
    // In the level, the game's quit button; after it, the title as it was.
    EXPECT_EQ(differing(screen(shot(140)), picture("graphics\\interface\\quit.tga"), 192, 298), 0);
    EXPECT_EQ(screen(shot(200)).p, title.p);
}

TEST_F(MenusRun, EveryVolumeDotGivesItsValueAndSetsTheDevice)
{
    const std::string script = "20 tap 191 223\n"  // options
                               "40 tap 188 154\n"
                               "52 tap 154 154\n"
                               "64 tap 120 154\n"
                               "76 tap 86 154\n"
                               "88 tap 52 154\n"
                               "100 tap 154 154\n";
    RunResult r = run(script, 110);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const std::string text = read_text(log);
    size_t at = 0;
    for (const char* v : {"65535", "49151", "32767", "16383", "0", "49151"}) {
        at = text.find(std::string("Value is now ") + v + ".", at);
        ASSERT_NE(at, std::string::npos) << v;
    }
    EXPECT_EQ(count_lines("Value is now "), 6);
    // The device keeps the last one on both channels, past the end of the program.
    EXPECT_NE(read_text(dir.config_file("audio.conf")).find("volume=BFFFBFFF"), std::string::npos);
}

TEST_F(MenusRun, EveryChosenVolumeShowsOnItsDotAfterARestart)
{
    const Pixels normal = picture("graphics\\interface\\options_circle_02.tga");
    const Pixels lit = picture("graphics\\interface\\options_circle_01.tga");
    ASSERT_GT(normal.w, 0);
    const char* words[5] = {"00000000", "3FFF3FFF", "7FFF7FFF", "BFFFBFFF", "FFFFFFFF"};
    for (int chosen = 0; chosen < 5; chosen++) {
        // Options, then the dot; the device keeps the volume past the end of the program.
        const int dotCentre = 46 + chosen * (normal.w + 22) + normal.w / 2;
        RunResult pick = run("20 tap 191 223\n40 tap " + std::to_string(dotCentre) + " 154\n", 50);
        ASSERT_EQ(pick.exitCode, 0) << pick.output;
        ASSERT_NE(read_text(dir.config_file("audio.conf")).find(std::string("volume=") + words[chosen]),
                  std::string::npos)
            << chosen;
        // Started again, the options screen lights the dots up to the chosen one.
        RunResult again = run("20 tap 191 223\n", 40, shots({35}));
        ASSERT_EQ(again.exitCode, 0) << again.output;
        EXPECT_EQ(count_lines("Value is now "), 0);
        const Pixels options = screen(shot(35));
        ASSERT_EQ(options.w, 240);
        for (int d = 0; d < 5; d++) {
            const int x = 46 + d * (normal.w + 22);
            EXPECT_EQ(differing(options, d <= chosen ? lit : normal, x, 148), 0) << "chose " << chosen << ", dot " << d;
        }
    }
}

TEST_F(MenusRun, DifficultyChangeAnsweredNoKeepsTheCareerAnsweredYesClearsIt)
{
    CareerRecord record;
    set_career_defaults(record);
    for (int n = 0; n < 5; n++) record.levelUnlocked[n] = 1;
    ASSERT_TRUE(save_career(record));
    // A career the player already has, in the player's folder.
    fs::create_directories(dir.player_file(""));
    fs::rename(data + "career.dat", dir.player_file("career.dat"));
    const auto saved = read_bytes(dir.player_file("career.dat"));
    // HARD, and a tap on easy inside the click delay that must be ignored.
    const std::string script = "20 tap 191 223\n"
                               "40 tap 185 228\n"
                               "41 tap 55 228\n";
    RunResult no = run(script, 60);
    ASSERT_EQ(no.exitCode, 0) << no.output;
    EXPECT_EQ(count_lines("Message box \"Difficulty Setting Change\""), 1);
    EXPECT_EQ(count_lines("Successfully added career."), 1);
    EXPECT_EQ(read_bytes(dir.player_file("career.dat")), saved);

    RunResult yes = run(script, 60, {"--answer", "yes"});
    ASSERT_EQ(yes.exitCode, 0) << yes.output;
    EXPECT_EQ(count_lines("Successfully added career."), 1);
    const auto written = read_bytes(dir.player_file("career.dat"));
    EXPECT_FALSE(path_exists(data + "career.dat"));
    ASSERT_EQ(written.size(), 64u);
    for (int n = 0; n < 12; n++) EXPECT_EQ(written[4 + 35 + n], 0) << "level " << n + 1;
    EXPECT_EQ(written[4 + 56], DIFFICULTY_HARD);
}

TEST_F(MenusRun, QuitOnTheTitleEndsTheProgramWithoutAnotherFrame)
{
    // Seen on frame 21; the click delay runs out on frame 26, which posts the quit and draws nothing.
    RunResult r = run("20 tap 200 262\n", 100, shots({21, 25, 26, 27, 28, 40}));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    for (int f : {21, 25, 26}) EXPECT_TRUE(path_exists(shot(f))) << f;
    for (int f : {27, 28, 40}) EXPECT_FALSE(path_exists(shot(f))) << f;
    EXPECT_EQ(read_bytes(shot(26)), read_bytes(shot(25)));
    EXPECT_EQ(count_lines("Killed everything"), 1);
}

TEST_F(MenusRun, FirstStartUnpacksTheFourCreatureArchivesOnceIntoThePlayersFolder)
{
    const std::string before = folder_fingerprint(data);
    RunResult first = run("", 3, shots({1}));
    ASSERT_EQ(first.exitCode, 0) << first.output;
    EXPECT_EQ(count_lines("Decompressing graphics."), 1);
    EXPECT_EQ(count_lines("Can't unzip"), 0);
    // The frames land in the player's folder; the data folder keeps its archives and is not written at all:
    // the player's folder remembers each archive as deleted.
    for (const char* n : {"ant", "snow", "zombie", "gmean"}) {
        const std::string folder = dir.player_file("graphics/") + n + "/";
        EXPECT_TRUE(path_exists(folder + ".wh." + n + ".zip")) << n;
        EXPECT_TRUE(path_exists(folder + n + "_walk_6_0001.tga") || path_exists(folder + n + "_die_6_0001.tga")) << n;
    }
    EXPECT_EQ(folder_fingerprint(data), before);
    // The decompressing picture is what the first frame shows.
    EXPECT_EQ(differing(screen(shot(1)), picture("graphics\\interface\\decompress.png"), 0, 0, false), 0);

    RunResult second = run("", 3);
    ASSERT_EQ(second.exitCode, 0) << second.output;
    EXPECT_EQ(count_lines("Decompressing graphics."), 0);
    EXPECT_EQ(count_lines("Can't unzip"), 0);
}

TEST_F(MenusRun, WithOnlyTheGmeanArchiveTheOtherThreeAreReported)
{
    for (const char* n : {"ant", "snow", "zombie"}) fs::remove(data + "graphics/" + n + "/" + n + ".zip");
    RunResult r = run("", 3);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(count_lines("Can't unzip"), 3);
    for (const char* n : {"ant", "snow", "zombie"})
        EXPECT_EQ(count_lines(std::string("Can't unzip ") + data + "graphics\\" + n + "\\" + n + ".zip."), 1) << n;
    EXPECT_TRUE(path_exists(data + "graphics/gmean/gmean.zip"));
    EXPECT_TRUE(path_exists(dir.player_file("graphics/gmean/.wh.gmean.zip")));
}

}  // namespace
