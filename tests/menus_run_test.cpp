// The real binary through the menus, headless with scripted taps at real button positions: what it shows
// (screenshots against the picture files), the volume it keeps, and the first-start unpacking into the
// player's folder.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "app/app_state.h"
#include "graphics/picture.h"
#include "graphics/picture_file.h"
#include "platform/image_decode.h"
#include "support/temp_folder.h"
#include "util/strings.h"

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
        // The unpacked creatures and the device volume are kept per user: keep this run's away from the real ones.
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

TEST_F(MenusRun, FirstStartTitleToLevelSelectToTheStoryOfLevelOneIntoTheLevelBackAndQuit)
{
    const std::string before = folder_fingerprint(data);
    const std::string script = "20 tap 200 180\n"   // play
                               "40 tap 60 118\n"    // level 1
                               "80 tap 120 290\n"   // continue
                               "160 tap 214 308\n"  // the game's quit
                               "202 tap 200 262\n"; // the title's quit
    RunResult r = run(script, 300, shots({1, 10, 35, 70, 140, 200, 207, 208, 209, 250}));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(count_lines("Clicked!"), 4);
    // The first start shows the decompressing picture and unpacks the four creature archives once, into the
    // player's folder: the data folder keeps its archives and is not written at all, the player's folder
    // remembers each archive as deleted.
    EXPECT_EQ(differing(screen(shot(1)), picture("graphics\\interface\\decompress.png"), 0, 0, false), 0);
    EXPECT_EQ(count_lines("Decompressing graphics."), 1);
    EXPECT_EQ(count_lines("Can't unzip"), 0);
    for (const char* n : {"ant", "snow", "zombie", "gmean"}) {
        const std::string folder = dir.player_file("graphics/") + n + "/";
        EXPECT_TRUE(path_exists(folder + ".wh." + n + ".zip")) << n;
        EXPECT_TRUE(path_exists(folder + n + "_walk_6_0001.tga") || path_exists(folder + n + "_die_6_0001.tga")) << n;
    }
    EXPECT_EQ(folder_fingerprint(data), before);

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
    // The title's quit: seen on frame 203, the click delay runs out on frame 208, which posts the quit and
    // draws nothing; no frame follows it.
    EXPECT_EQ(read_bytes(shot(208)), read_bytes(shot(207)));
    for (int f : {209, 250}) EXPECT_FALSE(path_exists(shot(f))) << f;
    EXPECT_EQ(count_lines("Killed everything"), 1);

    RunResult second = run("", 3);
    ASSERT_EQ(second.exitCode, 0) << second.output;
    EXPECT_EQ(count_lines("Decompressing graphics."), 0);
}

TEST_F(MenusRun, EveryChosenVolumeShowsOnItsDotAfterARestart)
{
    const Pixels normal = picture("graphics\\interface\\options_circle_02.tga");
    const Pixels lit = picture("graphics\\interface\\options_circle_01.tga");
    ASSERT_GT(normal.w, 0);
    const char* words[5] = {"00000000", "3FFF3FFF", "7FFF7FFF", "BFFFBFFF", "FFFFFFFF"};
    const char* values[5] = {"0", "16383", "32767", "49151", "65535"};
    // Each run opens the options, shows the dots the last run chose, and chooses the next; the device keeps the
    // volume past the end of the program.
    for (int chosen = 0; chosen <= 5; chosen++) {
        const int dotCentre = 46 + chosen * (normal.w + 22) + normal.w / 2;
        const std::string pick = chosen < 5 ? "40 tap " + std::to_string(dotCentre) + " 154\n" : "";
        RunResult r = run("20 tap 191 223\n" + pick, 50, shots({35}));
        ASSERT_EQ(r.exitCode, 0) << r.output;
        if (chosen > 0) {
            const Pixels options = screen(shot(35));
            ASSERT_EQ(options.w, 240);
            for (int d = 0; d < 5; d++) {
                const int x = 46 + d * (normal.w + 22);
                EXPECT_EQ(differing(options, d < chosen ? lit : normal, x, 148), 0)
                    << "chose " << chosen - 1 << ", dot " << d;
            }
        }
        if (chosen == 5) {
            EXPECT_EQ(count_lines("Value is now "), 0);
            break;
        }
        EXPECT_EQ(count_lines(std::string("Value is now ") + values[chosen] + "."), 1) << chosen;
        ASSERT_NE(read_text(dir.config_file("audio.conf")).find(std::string("volume=") + words[chosen]),
                  std::string::npos)
            << chosen;
    }
}

}  // namespace
