// The real game binary plays a level's ambient sounds: with their files gone, it reports each one it tries.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/game_process.h"
#include "support/temp_folder.h"

namespace {

TEST(AmbientRun, LevelOneTriesBothOfItsAmbientSounds)
{
    if (!path_exists(std::string(VORLAINE_GAME_DIR) + "/logic/levels/level1.txt"))
        GTEST_SKIP() << "no generated content in " << VORLAINE_GAME_DIR;
    TempFolder dir;
    const std::string data = dir.path() + "game/";
    ASSERT_TRUE(copy_game_folder(data));
    dir.make_home();
    // The sound names the level script gives with set_ambient_sound1 and set_ambient_sound2.
    std::vector<std::string> sounds;
    for (std::string line : lines_with(data + "logic/levels/level1.txt", "set_ambient_sound")) {
        if (line.back() == '\r') line.pop_back();
        sounds.push_back(line.substr(line.find('|') + 1));
    }
    ASSERT_EQ(sounds.size(), 2u);
    for (const std::string& name : sounds) {
        std::string file = data + name;
        for (char& c : file)
            if (c == '\\') c = '/';
        ASSERT_EQ(std::rename(file.c_str(), (file + ".gone").c_str()), 0) << file;
    }
    // --level starts the level itself (its story is on the way there through the level select): 50 s of it.
    const std::string log = dir.file("run.log");
    RunResult r = run_game({"--data", data, "--headless", "--fixed-step", "20", "--seed", "3", "--level", "1",
                            "--frames", "2500", "--log", log});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const std::string text = read_text(log);
    for (const std::string& name : sounds)
        EXPECT_NE(text.find("Can't find sound file " + data + name + "."), std::string::npos) << name << "\n" << text;
}

}  // namespace
