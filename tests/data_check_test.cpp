// The data check on broken copies of the real game folder: each kind of problem at its file and line, and
// nothing for the shipped data or for scripts that are only unusual.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "check/check_context.h"
#include "check/data_check.h"
#include "check/script_check.h"
#include "support/gfx_files.h"
#include "support/temp_folder.h"

namespace {

// A copy of the built program folder, made the program folder, with the player's folders inside it.
struct DataCopy {
    TempFolder folder;
    DataCopy()
    {
        EXPECT_TRUE(copy_game_folder(folder.path()));
        folder.make_program_folder();
        setenv("HOME", folder.file("home").c_str(), 1);
        setenv("XDG_DATA_HOME", folder.file("xdg-data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", folder.file("xdg-config").c_str(), 1);
    }
    std::string level_path(int n) const { return folder.file("logic/levels/level" + std::to_string(n) + ".txt"); }
    std::vector<std::string> lines(int n) const
    {
        std::vector<std::string> out;
        std::istringstream in(read_text(level_path(n)));
        for (std::string line; std::getline(in, line);) out.push_back(line);
        return out;
    }
    void write_lines(int n, const std::vector<std::string>& lines, const char* end = "\n") const
    {
        std::string text;
        for (const std::string& l : lines) text += l + end;
        write_text(level_path(n), text);
    }
    // Replaces the first line of level n that starts with prefix; its number (from 1).
    int replace(int n, const std::string& prefix, const std::string& replacement) const
    {
        std::vector<std::string> l = lines(n);
        for (size_t i = 0; i < l.size(); i++)
            if (l[i].compare(0, prefix.size(), prefix) == 0) {
                l[i] = replacement;
                write_lines(n, l);
                return int(i) + 1;
            }
        ADD_FAILURE() << "level " << n << " has no line starting with " << prefix;
        return 0;
    }
    // The number of the first line of level n that starts with prefix.
    int line_of(int n, const std::string& prefix) const
    {
        std::vector<std::string> l = lines(n);
        for (size_t i = 0; i < l.size(); i++)
            if (l[i].compare(0, prefix.size(), prefix) == 0) return int(i) + 1;
        ADD_FAILURE() << "level " << n << " has no line starting with " << prefix;
        return 0;
    }
    int append(int n, const std::string& line) const
    {
        std::vector<std::string> l = lines(n);
        l.push_back(line);
        write_lines(n, l);
        return int(l.size());
    }
    std::vector<Problem> check_level(int n) const
    {
        CheckContext context;
        ScriptFacts facts;
        check_level_script(n, context, &facts);
        context.report.sort();
        return context.report.problems();
    }
    std::vector<Problem> check_all() const
    {
        CheckContext context;
        check_data_folder(context);
        return context.report.problems();
    }
};

std::string all(const std::vector<Problem>& problems)
{
    std::string text;
    for (const Problem& p : problems) text += format_problem(p) + "\n";
    return text.empty() ? "(none)\n" : text;
}

// One problem of that severity at file:line whose message holds fragment.
::testing::AssertionResult reported(const std::vector<Problem>& problems, const std::string& file, int line,
                                    Severity severity, const std::string& fragment)
{
    for (const Problem& p : problems)
        if (p.file == file && p.line == line && p.severity == severity && p.message.find(fragment) != std::string::npos)
            return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no " << (severity == Severity::Error ? "error" : "warning") << " at "
                                         << file << ":" << line << " holding \"" << fragment << "\" among:\n"
                                         << all(problems);
}

constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;

// A w x h frame on the key colour (palette entry 0, magenta) with a red body; without a margin the body
// fills all but the top-left pixel, as a picture cropped to its drawing does, and the frame has no key.
std::vector<uint8_t> creature_frame(int w, int h, bool margin = true)
{
    std::vector<uint8_t> indices(size_t(w) * h, 0);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            if (margin ? x > 2 && y > 2 && x < w - 3 && y < h - 3 : x + y > 0) indices[size_t(y) * w + x] = 1;
    return make_tga(w, h, {{255, 0, 255}, {0, 0, 200}}, indices);
}

std::string frame_file(const std::string& base, int n)
{
    return base + (n < 10 ? "0" : "") + std::to_string(n) + ".tga";
}

}  // namespace

TEST(DataCheck, TheShippedDataChecksClean)
{
    DataCopy data;
    EXPECT_EQ(all(data.check_all()), "(none)\n");
    // The check took out packed frames one at a time and put nothing back into the folder.
    EXPECT_FALSE(path_exists(data.folder.file("campfire_01.tga")));
    EXPECT_FALSE(path_exists(data.folder.file("ant_walk_6_0001.tga")));
}

TEST(DataCheck, UnusualScriptsAreNotProblems)
{
    DataCopy data;
    std::vector<std::string> l = data.lines(1);
    for (std::string& line : l)
        if (line.rfind("kills_required_to_continue|", 0) == 0) line += "   ";  // blanks after a number
    l.insert(l.begin() + 2, "");
    l.insert(l.begin() + 2, "This level was changed by hand; remarks need no marker.");
    l.insert(l.begin() + 2, "# a remark | with a bar in it");
    l.insert(l.begin() + 2, "  ; an indented remark");
    l.push_back("rect_playfield| -8| 160|648|302");  // blanks before numbers, as atoi skips them
    data.write_lines(1, l, "\r\n");  // saved on another system
    EXPECT_EQ(all(data.check_level(1)), "(none)\n");
}

TEST(DataCheck, StatementsWithUnknownKeywordsAreReportedWithTheClosestKeyword)
{
    DataCopy data;
    const std::string file = data.level_path(1);
    const int misspelt = data.replace(1, "kills_required_to_continue|", "kils_required_to_continue|6");
    const int upper = data.replace(1, "level_name|", "Level_Name|Meadowbrook");
    const int blanks = data.replace(1, "creatures_to_spawn|", "creatures_to_spawn |9");
    const int lone = data.append(1, "sprite_creat");
    const int unknown = data.append(1, "frobnicate|12");
    const int spaced = data.append(1, "initial_delay 2500");
    const auto problems = data.check_level(1);
    EXPECT_TRUE(reported(problems, file, misspelt, E, "unknown keyword \"kils_required_to_continue\"; did you mean \"kills_required_to_continue\"?"));
    EXPECT_TRUE(reported(problems, file, upper, E, "did you mean \"level_name\"?"));
    EXPECT_TRUE(reported(problems, file, blanks, E, "\"creatures_to_spawn\" has blanks around it"));
    EXPECT_TRUE(reported(problems, file, lone, E, "did you mean \"sprite_create\"?"));
    EXPECT_TRUE(reported(problems, file, unknown, E, "unknown keyword \"frobnicate\"; the game ignores the line"));
    EXPECT_TRUE(reported(problems, file, spaced, W, "not separated by \"|\""));
    // The lost kill quota carries over from another level.
    EXPECT_TRUE(reported(problems, file, 0, W, "no \"kills_required_to_continue\""));
}

TEST(DataCheck, FieldCountsNumbersAndWordsAreChecked)
{
    DataCopy data;
    const std::string file = data.level_path(1);
    const int rect = data.replace(1, "rect_playfield|", "rect_playfield|-8|160|648");
    const int whole = data.replace(1, "creatures_to_spawn|", "creatures_to_spawn|9x");
    const int decimal = data.replace(1, "set_scale_mod|", "set_scale_mod|half");
    const int empty = data.replace(1, "initial_delay|", "initial_delay|");
    const int extra = data.replace(1, "spawn_delay_min|", "spawn_delay_min|2600|3000");
    const int huge = data.replace(1, "spawn_delay_max|", "spawn_delay_max|99999999999");
    const int orientation = data.replace(1, "orientation|", "orientation|middle");
    const auto problems = data.check_level(1);
    EXPECT_TRUE(reported(problems, file, rect, E, "\"rect_playfield\" takes 4 arguments"));
    EXPECT_TRUE(reported(problems, file, whole, E, "is \"9x\", not a whole number; the game reads 9"));
    EXPECT_TRUE(reported(problems, file, decimal, E, "is \"half\", not a decimal number; the game reads 0"));
    EXPECT_TRUE(reported(problems, file, empty, E, "argument 1 of \"initial_delay\" is empty"));
    EXPECT_TRUE(reported(problems, file, extra, W, "the game ignores what follows"));
    EXPECT_TRUE(reported(problems, file, huge, E, "too large for the game; it reads 2147483647"));
    EXPECT_TRUE(reported(problems, file, orientation, E, "\"middle\" is no orientation"));
}

TEST(DataCheck, TextTooLongForItsFieldIsReported)
{
    DataCopy data;
    const std::string file = data.level_path(2);
    const int name = data.replace(2, "level_name|", "level_name|" + std::string(300, 'W'));
    const int intro = data.replace(2, "set_intro_text|", "set_intro_text|" + std::string(255, 'i'));
    const auto problems = data.check_level(2);
    EXPECT_TRUE(reported(problems, file, name, E, "the text of \"level_name\" has 300 characters, more than the 254"));
    EXPECT_TRUE(reported(problems, file, intro, E, "the text of \"set_intro_text\" has 255 characters"));
}

TEST(DataCheck, ValuesOutOfRangeAreReported)
{
    DataCopy data;
    const std::string file = data.level_path(1);
    const int spawn = data.replace(1, "creatures_to_spawn|", "creatures_to_spawn|4");
    const int delay = data.replace(1, "spawn_delay_max|", "spawn_delay_max|-5");
    const int box = data.append(1, "add_hardbox|300|200|300|220|0");
    const int upside = data.replace(1, "set_field_start|", "set_field_start|10");
    const auto problems = data.check_level(1);
    EXPECT_TRUE(reported(problems, file, spawn, E, "only 4 creatures spawn, but 6 kills are required"));
    EXPECT_TRUE(reported(problems, file, delay, E, "spawn delay of 2600 to -5 ms goes below 0"));
    EXPECT_TRUE(reported(problems, file, box, E, "the hard box 300, 200, 300, 220 is empty"));
    EXPECT_TRUE(reported(problems, file, upside, W, "walkers grow as they go away"));
}

TEST(DataCheck, MonsterKindsThatDoNotExistAreReported)
{
    DataCopy data;
    const std::string file = data.level_path(4);
    const int main = data.replace(4, "main_enemy|", "main_enemy|107");
    const int second = data.replace(4, "secondary_enemy|", "secondary_enemy|0");
    const int boss = data.replace(4, "set_boss|", "set_boss|103");
    const auto problems = data.check_level(4);
    EXPECT_TRUE(reported(problems, file, main, E, "there is no monster kind 107 (the kinds are 100, 101, 102, 104"));
    EXPECT_TRUE(reported(problems, file, second, E, "there is no monster kind 0"));
    EXPECT_TRUE(reported(problems, file, boss, E, "there is no monster kind 103"));
}

TEST(DataCheck, StartPositionsOutsideTheWalkableAreaAreReported)
{
    DataCopy data;
    // Inside the first hard box of level 1, which blocks.
    const int start = data.replace(1, "set_start_position|", "set_start_position|420|210");
    auto problems = data.check_level(1);
    EXPECT_TRUE(reported(problems, data.level_path(1), start, E, "the start position 420, 210 is outside the walkable area"));
    // Level 3 has no start position; a rectangle ending above the default start (40 above the bottom) leaves it outside.
    const int rect = data.replace(3, "rect_playfield|", "rect_playfield|12|164|628|260");
    problems = data.check_level(3);
    EXPECT_TRUE(reported(problems, data.level_path(3), rect, E, "without \"set_start_position\" the hero starts at 17, 280"));
}

TEST(DataCheck, NextLevelChainsThatLoopOrLeadNowhereAreReported)
{
    {
        DataCopy data;
        const int back = data.append(3, "next_level|2");
        EXPECT_TRUE(reported(data.check_all(), data.level_path(3), back, E, "the next_level chain loops (2 -> 3 -> 2)"));
    }
    {
        DataCopy data;
        const int nowhere = data.replace(12, "next_level|", "next_level|14");
        EXPECT_TRUE(reported(data.check_all(), data.level_path(12), nowhere, E, "next_level 14 leads nowhere"));
    }
    {
        DataCopy data;
        data.replace(12, "next_level|", "; the ending comes after this one");
        EXPECT_TRUE(reported(data.check_all(), data.level_path(12), 0, E, "without \"next_level\" level 13 follows"));
    }
    {
        DataCopy data;
        ASSERT_EQ(std::remove(data.level_path(7).c_str()), 0);
        const auto problems = data.check_all();
        EXPECT_TRUE(reported(problems, data.level_path(7), 0, E, "missing: the level select offers level 7"));
        EXPECT_TRUE(reported(problems, data.level_path(6), 0, E, "without \"next_level\" level 7 follows"));
    }
}

TEST(DataCheck, PicturesAndSoundsAScriptNamesAreReportedAtTheirLines)
{
    DataCopy data;
    const std::string file = data.level_path(1);
    const int background = data.replace(1, "background_graphic|", "background_graphic|graphics\\backgrounds\\medow.jpg");
    const int ambient = data.replace(1, "set_ambient_sound1|", "set_ambient_sound1|sounds\\amb_bird.wav ");
    // The signpost becomes a 24-bit TGA, which the game's reader would take for a colour-mapped one.
    std::vector<uint8_t> truecolour = make_flat_tga(8, 8, 1, 2, 3);
    truecolour[1] = 0;
    truecolour[2] = 2;
    truecolour[16] = 24;
    write_bytes(data.folder.file("graphics/scenery/signpost.tga"), truecolour);
    const int signpost = data.line_of(1, "filename|graphics\\scenery\\signpost.tga");
    // A second campfire frame of another size (the frames live packed; a loose one wins).
    write_bytes(data.folder.file("graphics/scenery/campfire_02.tga"), creature_frame(20, 20));
    const int campfire = data.line_of(1, "filename|graphics\\scenery\\campfire_");
    // An ambient sound that is no WAVE file.
    write_text(data.folder.file("sounds/amb_breeze.wav"), "not a sound");
    const auto problems = data.check_level(1);
    EXPECT_TRUE(reported(problems, file, background, E, "background_graphic \"graphics\\backgrounds\\medow.jpg\": not found"));
    EXPECT_TRUE(reported(problems, file, ambient, E, "set_ambient_sound1 \"sounds\\amb_bird.wav \": not found"));
    EXPECT_TRUE(reported(problems, file, signpost, E, "TGA of image type 2, but the game reads only uncompressed colour-mapped"));
    EXPECT_TRUE(reported(problems, file, campfire, E, "campfire_02.tga is 20 x 20, but frame 1 is"));
    EXPECT_TRUE(reported(problems, file, data.line_of(1, "set_ambient_sound2|"), E, "set_ambient_sound2 \"sounds\\amb_breeze.wav\": not a WAVE file"));
}

TEST(DataCheck, FilesTheGameTablesNameAreChecked)
{
    DataCopy data;
    // Every idle frame of the wolf too large for kind 100's 150 x 150 frame box at scale 0.9, and a walk
    // frame of the right size without its key.
    for (int n = 1; path_exists(data.folder.file(frame_file("graphics/wolf/wolf_idle_2_00", n))); n++)
        write_bytes(data.folder.file(frame_file("graphics/wolf/wolf_idle_2_00", n)), creature_frame(200, 120));
    const std::vector<uint8_t> first = read_bytes(data.folder.file("graphics/wolf/wolf_walk_3_0001.tga"));
    ASSERT_GT(first.size(), 18u);
    write_bytes(data.folder.file("graphics/wolf/wolf_walk_3_0002.tga"),
                creature_frame(first[12] | first[13] << 8, first[14] | first[15] << 8, false));
    // A hero frame gone from the middle of a strip, a menu picture gone, a creature archive damaged.
    ASSERT_EQ(std::remove(data.folder.file("graphics/goddess/goddess_walk_8_0003.tga").c_str()), 0);
    ASSERT_EQ(std::remove(data.folder.file("graphics/interface/level_7.png").c_str()), 0);
    std::vector<uint8_t> zip = read_bytes(data.folder.file("graphics/snow/snow.zip"));
    zip.resize(zip.size() / 2);
    write_bytes(data.folder.file("graphics/snow/snow.zip"), zip);
    // A career file that ends early.
    write_bytes(data.folder.file("career.dat"), {60, 0, 0, 0, 1, 2, 3});

    const auto problems = data.check_all();
    const std::string wolf = data.folder.file("graphics/wolf/wolf_idle_2_0001.tga");
    EXPECT_TRUE(reported(problems, wolf, 0, E, "monster kind 100 idle strip, direction 2 \"graphics\\wolf\\wolf_idle_2_00\": frames of 200 x 120 drawn at scale 0.90 take 180 x 108, more than the 150 x 150 scratch pad"));
    EXPECT_TRUE(reported(problems, data.folder.file("graphics/wolf/wolf_walk_3_0001.tga"), 0, W, "frame 2 has no colour key"));
    EXPECT_TRUE(reported(problems, data.folder.file("graphics/goddess/goddess_walk_8_0001.tga"), 0, W, "goddess_walk_8_0003.tga is missing, so frame 4 and those after it are never shown"));
    EXPECT_TRUE(reported(problems, data.folder.file("graphics/interface/level_7.png"), 0, E, "level select button 7 \"graphics\\interface\\level_7.png\": not found"));
    EXPECT_TRUE(reported(problems, data.folder.file("graphics/snow/snow.zip"), 0, E, "not a ZIP archive the game can open"));
    EXPECT_TRUE(reported(problems, data.folder.file("career.dat"), 0, E, "announces a record of 60 bytes but ends after 3"));
}

TEST(DataCheck, CareerFilesAreReadAsTheGameReadsThem)
{
    DataCopy data;
    std::vector<uint8_t> career(64, 0);
    career[0] = 60;
    career[4 + 35] = 1;
    career[4 + 36] = 7;        // a flag the game never writes
    career[4 + 56] = 9;        // no such difficulty
    write_bytes(data.folder.file("career.dat"), career);
    const auto problems = data.check_all();
    const std::string file = data.folder.file("career.dat");
    EXPECT_TRUE(reported(problems, file, 0, E, "holds difficulty 9"));
    EXPECT_TRUE(reported(problems, file, 0, W, "the flag of level 2 is 7"));
}
