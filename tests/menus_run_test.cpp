// The real binary through the menus, headless with scripted taps at real button positions: the volume it keeps,
// the first start's unpacking into the player's folder and the title's quit. (The screens from the title
// through the options and the level select into level 1 are the menus replay's checkpoints.) And the whole game
// end to end: the built-in player from the title through all twelve levels into the ending.
#include <gtest/gtest.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include "app/app_state.h"
#include "graphics/picture.h"
#include "graphics/picture_file.h"
#include "platform/image_decode.h"
#include "support/game_process.h"
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
    // A run of the script, with a screenshot of each frame named (see shot).
    RunResult run(const std::string& script, int frames, std::initializer_list<int> shots)
    {
        write_text(dir.file("input.txt"), script);
        std::vector<std::string> args = {"--data", data, "--headless", "--fixed-step", "40", "--seed", "1",
                                         "--frames", std::to_string(frames), "--log", log, "--input",
                                         dir.file("input.txt")};
        for (int f : shots) args.insert(args.end(), {"--screenshot", std::to_string(f) + ":" + shot(f)});
        return run_game(args, 120);
    }
    std::string shot(int frame) const { return dir.file("shot" + std::to_string(frame) + ".png"); }
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
    size_t count_lines(const std::string& text) const { return lines_with(log, text).size(); }

    TempFolder dir;
    std::string data = dir.path() + "game/";
    std::string log = dir.file("game.log");
};

// Two runs: a first start that chooses every volume in turn and quits from the title, and a restart.
TEST_F(MenusRun, EveryChosenVolumeShowsOnItsDotAfterARestart)
{
    const Pixels normal = picture("graphics\\interface\\options_circle_02.tga");
    const Pixels lit = picture("graphics\\interface\\options_circle_01.tga");
    ASSERT_GT(normal.w, 0);
    const auto dot_x = [&](int d) { return 46 + d * (normal.w + 22); };
    // Every dot in turn, the middle one last: the device keeps it past the end of the program.
    const int order[5] = {0, 4, 1, 3, 2};
    const std::string values[5] = {"0", "16383", "32767", "49151", "65535"};
    std::string script = "20 tap 191 223\n";  // options
    for (int i = 0; i < 5; i++)
        script += std::to_string(40 + 10 * i) + " tap " + std::to_string(dot_x(order[i]) + normal.w / 2) + " 154\n";
    script += "95 tap 42 297\n115 tap 200 262\n";  // back, and the title's quit
    const std::string before = folder_fingerprint(data);
    RunResult r = run(script, 200, {1, 120, 121, 122});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const auto chosen = lines_with(log, "Value is now ");
    ASSERT_EQ(chosen.size(), 5u) << read_text(log);
    for (int i = 0; i < 5; i++) EXPECT_EQ(chosen[size_t(i)], "Value is now " + values[order[i]] + ".");
    EXPECT_NE(read_text(dir.config_file("audio.conf")).find("volume=7FFF7FFF"), std::string::npos);
    // The first start shows the decompressing picture and unpacks the four creature archives once, into the
    // player's folder: the data folder keeps its archives and is not written at all, the player's folder
    // remembers each archive as deleted.
    EXPECT_EQ(differing(screen(shot(1)), picture("graphics\\interface\\decompress.png"), 0, 0, false), 0);
    EXPECT_EQ(count_lines("Decompressing graphics."), 1u);
    EXPECT_EQ(count_lines("Can't unzip"), 0u);
    for (const char* n : {"ant", "snow", "zombie", "gmean"}) {
        const std::string folder = dir.player_file("graphics/") + n + "/";
        EXPECT_TRUE(path_exists(folder + ".wh." + n + ".zip")) << n;
        EXPECT_TRUE(path_exists(folder + n + "_walk_6_0001.tga") || path_exists(folder + n + "_die_6_0001.tga")) << n;
    }
    EXPECT_EQ(folder_fingerprint(data), before);
    // The title's quit, seen on frame 116: the click delay runs out on frame 121, which posts the quit and
    // draws nothing; no frame follows it.
    ASSERT_TRUE(path_exists(shot(121)));
    EXPECT_EQ(read_bytes(shot(121)), read_bytes(shot(120)));
    EXPECT_FALSE(path_exists(shot(122)));
    EXPECT_EQ(count_lines("Killed everything"), 1u);

    // The restart unpacks nothing, shows the first three dots lit and sets nothing by showing them.
    r = run("20 tap 191 223\n", 50, {35});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(count_lines("Decompressing graphics."), 0u);
    EXPECT_EQ(count_lines("Value is now "), 0u);
    const Pixels options = screen(shot(35));
    ASSERT_EQ(options.w, 240);
    for (int d = 0; d < 5; d++) EXPECT_EQ(differing(options, d <= 2 ? lit : normal, dot_x(d), 148), 0) << "dot " << d;
}

using FullGameRun = MenusRun;

TEST_F(FullGameRun, AutoplayReachesTheEndingsLastStepFromAFreshProgramFolder)
{
    // Twelve levels, their stories and bosses, and the ending's 41 seconds fit well inside this.
    const int most = 120000;
    const auto t0 = std::chrono::steady_clock::now();
    RunResult r = run_game({"--data", data, "--headless", "--fixed-step", "40", "--seed", "1", "--autoplay", "--frames",
                            std::to_string(most), "--log", log},
                           900);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const std::string text = read_text(log);
    const std::string endingLine = "Autoplay: the ending begins at frame ";
    const size_t ending = text.find(endingLine);
    ASSERT_NE(ending, std::string::npos) << text;
    std::printf("full game: the ending began at frame %ld; %d frames in %.1f s wall\n",
                std::atol(text.c_str() + ending + endingLine.size()), most, seconds);
    EXPECT_EQ(count_lines("Decompressing graphics."), 1u);
    // Every level was finished: the gate's line once for each of the eleven before the last, and the last.
    EXPECT_GE(count_lines("START LEVEL"), 12u);
    for (const char* line : {"Ending: Torvessa has been defeated.", "Ending: You have done well.", "Ending: The End!"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
}

}  // namespace
