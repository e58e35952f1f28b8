// The real binary finding its data and the player's folder: the installed layout, missing or incomplete data,
// a player's folder that cannot be written, a career left in an old build folder, and a portable folder.
#include <gtest/gtest.h>
#include <filesystem>
#include <string>
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kLevelTwoFlag = 4 + 35 + 1;

// A short headless run, with --data when a data folder is given.
std::vector<std::string> headless(const std::string& log, int frames, const std::string& data = "",
                                  const std::string& seed = "1")
{
    std::vector<std::string> args = {"--headless", "--fixed-step", "40", "--seed", seed, "--frames",
                                     std::to_string(frames), "--log", log};
    if (!data.empty()) args.insert(args.begin(), {"--data", data});
    return args;
}

// The built-in player through level 1, with the frame it shows 14 s in.
std::vector<std::string> win_level_one(const std::string& data, const std::string& log, const std::string& seed,
                                       const std::string& shot)
{
    std::vector<std::string> args = headless(log, 6000, data, seed);
    args.insert(args.end(), {"--level", "1", "--autoplay", "--screenshot", "350:" + shot});
    return args;
}

class GameFolders : public ::testing::Test {
protected:
    void SetUp() override { dir.make_home(); }
    // Where the install puts the data, relative to the executable.
    std::string installed_data() const
    {
        return (fs::path(dir.file("usr/games/")) / VORLAINE_DATA_RELATIVE).lexically_normal().string() + "/";
    }
    TempFolder dir;
    std::string data = dir.path() + "game/";
    std::string log = dir.file("game.log");
};

}  // namespace

TEST_F(GameFolders, AnInstalledExecutableFindsItsDataBesideItOrSaysWhereItLooked)
{
    // An installed copy of the executable whose data is gone: both places it looks are named.
    const std::string binary = dir.file("usr/games/vorlaine");
    fs::create_directories(dir.file("usr/games"));
    fs::copy_file(VORLAINE_BINARY, binary);
    RunResult r = run_binary(binary, headless(log, 5));
    EXPECT_EQ(r.exitCode, 1);
    std::string text = read_text(log);
    EXPECT_NE(text.find("Vorlaine cannot find its game data"), std::string::npos) << text;
    EXPECT_NE(text.find(installed_data()), std::string::npos) << text;
    EXPECT_NE(text.find(dir.file("usr/games/")), std::string::npos) << text;
    EXPECT_NE(text.find("--data DIR"), std::string::npos) << text;
    EXPECT_EQ(text.find("Initted graphic subsystem"), std::string::npos);

    // A folder named by --data that holds no data.
    fs::create_directories(dir.file("empty"));
    r = run_game(headless(log, 5, dir.file("empty")));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(read_text(log).find(dir.file("empty/") + " (named by --data)"), std::string::npos) << read_text(log);

    // With its data installed where it looks first.
    fs::create_directories(fs::path(installed_data()).parent_path().parent_path());
    ASSERT_TRUE(copy_game_folder(installed_data()));
    fs::remove(installed_data() + "vorlaine");
    r = run_binary(binary, headless(log, 5));
    EXPECT_EQ(r.exitCode, 0) << r.output;
    text = read_text(log);
    EXPECT_NE(text.find("Data folder " + installed_data() + "; the player's files go to " + dir.player_file("")),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("incomplete"), std::string::npos) << text;
}

TEST_F(GameFolders, APlayersFolderThatCannotBeMadeStillPlaysAndAPortableFolderKeepsThePlayersFilesItself)
{
    ASSERT_TRUE(copy_game_folder(data));
    const std::string before = folder_fingerprint(data);
    // A file where the folder should be: not even root can make a folder below it.
    ASSERT_TRUE(write_text(dir.file("blocked"), "a file"));
    ::setenv("XDG_DATA_HOME", dir.file("blocked/share").c_str(), 1);
    RunResult r = run_game(win_level_one(data, log, "1", dir.file("seed1.png")), 600);
    EXPECT_EQ(r.exitCode, 0) << r.output;
    const std::string text = read_text(log);
    EXPECT_NE(text.find("Message box \"Vorlaine\": Vorlaine cannot write to the player's folder " +
                        dir.file("blocked/share/vorlaine/")),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("the career cannot be saved"), std::string::npos) << text;
    // The creatures were unpacked into a stand-in for the run, the level was won, and nothing is left over.
    EXPECT_NE(text.find("Decompressing graphics."), std::string::npos);
    EXPECT_NE(text.find("START LEVEL 2.."), std::string::npos);
    const std::string stand_in = fs::temp_directory_path().string() + "/vorlaine-";
    const size_t at = text.find("the player's files go to " + stand_in);
    ASSERT_NE(at, std::string::npos) << text;
    const std::string used = text.substr(at + 25, stand_in.size() + 6);
    EXPECT_FALSE(path_exists(used)) << used;
    EXPECT_EQ(folder_fingerprint(data), before);

    // Made portable, the same folder keeps the career, the lock and the unpacked creatures itself. Another
    // seed plays another game, and the built-in player wins that one too.
    dir.make_home();
    ASSERT_TRUE(write_text(data + "portable", ""));
    r = run_game(win_level_one(data, log, "2", dir.file("seed2.png")), 600);
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(read_text(log).find("START LEVEL 2.."), std::string::npos);
    ASSERT_GT(read_bytes(dir.file("seed1.png")).size(), 1000u);
    EXPECT_NE(read_bytes(dir.file("seed1.png")), read_bytes(dir.file("seed2.png")));
    const auto career = read_bytes(data + "career.dat");
    ASSERT_EQ(career.size(), 64u);
    EXPECT_EQ(career[kLevelTwoFlag], 1);
    EXPECT_TRUE(path_exists(data + ".vorlaine.lock"));
    EXPECT_FALSE(path_exists(data + "graphics/gmean/gmean.zip"));
    EXPECT_FALSE(path_exists(dir.player_file("")));
}

TEST_F(GameFolders, IncompleteDataIsToldAndACareerLeftInAnOldBuildFolderIsTakenOverOnce)
{
    ASSERT_TRUE(copy_game_folder(data));
    fs::remove(data + "logic/levels/level3.txt");
    std::vector<uint8_t> career(64, 0);
    career[0] = 60;
    for (int level = 1; level <= 5; level++) career[4 + 35 + size_t(level - 1)] = 1;
    ASSERT_TRUE(write_bytes(data + "career.dat", career));
    const std::string before = folder_fingerprint(data);

    RunResult r = run_game(headless(log, 10, data));
    EXPECT_EQ(r.exitCode, 0) << r.output;
    const std::string text = read_text(log);
    EXPECT_NE(text.find("Message box \"Vorlaine\": Vorlaine's data in " + data + " is incomplete: 1 of its "),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("logic/levels/level3.txt among them"), std::string::npos) << text;
    EXPECT_NE(text.find("Initted graphic subsystem"), std::string::npos);  // and it plays on
    EXPECT_NE(text.find("Took over the career in " + data + "career.dat; it is kept in " + dir.player_file("")),
              std::string::npos)
        << text;
    EXPECT_EQ(read_bytes(dir.player_file("career.dat")), career);
    EXPECT_EQ(folder_fingerprint(data), before);

    // Once: a player who deletes the career starts afresh instead of getting the old one back.
    fs::remove(dir.player_file("career.dat"));
    r = run_game(headless(log, 5, data));
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(read_text(log).find("Took over"), std::string::npos);
    EXPECT_FALSE(path_exists(dir.player_file("career.dat")));
}
