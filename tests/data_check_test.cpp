// The data check on broken copies of the real game folder: each kind of problem at its file and line, and
// nothing for the shipped data or for scripts that are only unusual.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "check/check_context.h"
#include "check/data_check.h"
#include "support/gfx_files.h"
#include "support/scene_files.h"
#include "support/temp_folder.h"

namespace {

// A copy of the built program folder, made the program folder, with the player's folders inside it.
struct DataCopy {
    TempFolder folder;
    DataCopy()
    {
        EXPECT_TRUE(copy_game_folder(folder.path()));
        folder.make_program_folder();
        folder.make_home();
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
    // The number (from 1) of the first line of level n that starts with prefix.
    int line_of(int n, const std::string& prefix) const
    {
        std::vector<std::string> l = lines(n);
        for (size_t i = 0; i < l.size(); i++)
            if (l[i].compare(0, prefix.size(), prefix) == 0) return int(i) + 1;
        ADD_FAILURE() << "level " << n << " has no line starting with " << prefix;
        return 0;
    }
    // Replaces that line, or appends when prefix is empty; the number of the line written.
    int edit(int n, const std::string& prefix, const std::string& line) const
    {
        std::vector<std::string> l = lines(n);
        const int at = prefix.empty() ? int(l.size()) + 1 : line_of(n, prefix);
        if (at == 0) return 0;
        l.resize(std::max(l.size(), size_t(at)));
        l[size_t(at) - 1] = line;
        write_lines(n, l);
        return at;
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

// A change to a level script and the problem it must bring at its line.
struct Edit {
    int level;
    std::string prefix;  // the line replaced; empty: the line is appended
    std::string line;
    Severity severity;
    std::string fragment;
};

// Makes every edit in one copy, checks the folder, and expects each problem at its line; the problems, for
// further looks.
std::vector<Problem> expect_at_their_lines(const DataCopy& data, const std::vector<Edit>& edits)
{
    std::vector<int> lines;
    for (const Edit& e : edits) lines.push_back(data.edit(e.level, e.prefix, e.line));
    const std::vector<Problem> problems = data.check_all();
    for (size_t i = 0; i < edits.size(); i++) {
        const Edit& e = edits[i];
        EXPECT_TRUE(reported(problems, data.level_path(e.level), lines[i], e.severity, e.fragment));
    }
    return problems;
}

std::string frame_file(const std::string& base, int n)
{
    return base + (n < 10 ? "0" : "") + std::to_string(n) + ".tga";
}

}  // namespace

TEST(DataCheck, TheShippedDataChecksClean)
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
    EXPECT_EQ(all(data.check_all()), "(none)\n");
    // The check took out packed frames one at a time and put nothing back into the folder.
    EXPECT_FALSE(path_exists(data.folder.file("campfire_01.tga")));
    EXPECT_FALSE(path_exists(data.folder.file("ant_walk_6_0001.tga")));
}

TEST(DataCheck, StatementsTheGameMisreadsAreReportedWithTheClosestKeyword)
{
    DataCopy data;
    const auto problems = expect_at_their_lines(data, {
        {1, "kills_required_to_continue|", "kils_required_to_continue|6", E,
         "unknown keyword \"kils_required_to_continue\"; did you mean \"kills_required_to_continue\"?"},
        {1, "level_name|", "Level_Name|Meadowbrook", E, "did you mean \"level_name\"?"},
        {1, "creatures_to_spawn|", "creatures_to_spawn |9", E, "\"creatures_to_spawn\" has blanks around it"},
        {1, "", "sprite_creat", E, "did you mean \"sprite_create\"?"},
        {1, "", "frobnicate|12", E, "unknown keyword \"frobnicate\"; the game ignores the line"},
        {1, "", "initial_delay 2500", W, "not separated by \"|\""},
        {2, "rect_playfield|", "rect_playfield|-8|160|648", E, "\"rect_playfield\" takes 4 arguments"},
        {2, "creatures_to_spawn|", "creatures_to_spawn|9x", E, "is \"9x\", not a whole number; the game reads 9"},
        {2, "set_scale_mod|", "set_scale_mod|half", E, "is \"half\", not a decimal number; the game reads 0"},
        {2, "initial_delay|", "initial_delay|", E, "argument 1 of \"initial_delay\" is empty"},
        {2, "spawn_delay_min|", "spawn_delay_min|2600|3000", W, "the game ignores what follows"},
        {2, "spawn_delay_max|", "spawn_delay_max|99999999999", E, "too large for the game; it reads 2147483647"},
        {2, "level_name|", "level_name|" + std::string(300, 'W'), E,
         "the text of \"level_name\" has 300 characters, more than the 254"},
        {2, "set_intro_text|", "set_intro_text|" + std::string(255, 'i'), E,
         "the text of \"set_intro_text\" has 255 characters"},
        {3, "orientation|", "orientation|middle", E, "\"middle\" is no orientation"},
    });
    // The lost kill quota carries over from another level.
    EXPECT_TRUE(reported(problems, data.level_path(1), 0, W, "no \"kills_required_to_continue\""));
}

TEST(DataCheck, ValuesTheGameCannotPlayAreReported)
{
    DataCopy data;
    expect_at_their_lines(data, {
        {1, "creatures_to_spawn|", "creatures_to_spawn|4", E, "only 4 creatures spawn, but 6 kills are required"},
        {1, "spawn_delay_max|", "spawn_delay_max|-5", E, "spawn delay of 2600 to -5 ms goes below 0"},
        {1, "", "add_hardbox|300|200|300|220|0", E, "the hard box 300, 200, 300, 220 is empty"},
        {1, "set_field_start|", "set_field_start|10", W, "walkers grow as they go away"},
        // Inside the first hard box of level 1, which blocks.
        {1, "set_start_position|", "set_start_position|420|210", E,
         "the start position 420, 210 is outside the walkable area"},
        // Level 3 has no start position; a rectangle ending above the default start (40 above the bottom)
        // leaves it outside.
        {3, "rect_playfield|", "rect_playfield|12|164|628|260", E,
         "without \"set_start_position\" the hero starts at 17, 280"},
        {4, "main_enemy|", "main_enemy|107", E, "there is no monster kind 107 (the kinds are 100, 101, 102, 104"},
        {4, "secondary_enemy|", "secondary_enemy|0", E, "there is no monster kind 0"},
        {4, "set_boss|", "set_boss|103", E, "there is no monster kind 103"},
    });
}

// The checks across the folder: where next_level leads, and the career file as the game reads it.
TEST(DataCheck, NextLevelChainsThatLoopOrLeadNowhereAndOddCareersAreReported)
{
    DataCopy data;
    std::vector<uint8_t> career(64, 0);
    career[0] = 60;
    career[4 + 35] = 1;
    career[4 + 36] = 7;  // a flag the game never writes
    career[4 + 56] = 9;  // no such difficulty
    write_bytes(data.folder.file("career.dat"), career);
    const int back = data.edit(3, "", "next_level|2");
    const int nowhere = data.edit(5, "", "next_level|14");
    ASSERT_EQ(std::remove(data.level_path(7).c_str()), 0);
    auto problems = data.check_all();
    EXPECT_TRUE(reported(problems, data.level_path(3), back, E, "the next_level chain loops (2 -> 3 -> 2)"));
    EXPECT_TRUE(reported(problems, data.level_path(5), nowhere, E, "next_level 14 leads nowhere"));
    EXPECT_TRUE(reported(problems, data.level_path(7), 0, E, "missing: the level select offers level 7"));
    EXPECT_TRUE(reported(problems, data.level_path(6), 0, E, "without \"next_level\" level 7 follows"));
    EXPECT_TRUE(reported(problems, data.folder.file("career.dat"), 0, E, "holds difficulty 9"));
    EXPECT_TRUE(reported(problems, data.folder.file("career.dat"), 0, W, "the flag of level 2 is 7"));

    data.edit(12, "next_level|", "; the ending comes after this one");
    problems = data.check_all();
    EXPECT_TRUE(reported(problems, data.level_path(12), 0, E, "without \"next_level\" level 13 follows"));
}

TEST(DataCheck, BrokenFilesAreReportedWhereTheyAreNamed)
{
    DataCopy data;
    // Named by level 1: a background and an ambient sound misspelt, the signpost made a 24-bit TGA (which
    // the game's reader would take for a colour-mapped one), a second campfire frame of another size (the
    // frames live packed; a loose one wins), and an ambient sound that is no WAVE file.
    const int background = data.edit(1, "background_graphic|", "background_graphic|graphics\\backgrounds\\medow.jpg");
    const int ambient = data.edit(1, "set_ambient_sound1|", "set_ambient_sound1|sounds\\amb_bird.wav ");
    std::vector<uint8_t> truecolour = make_flat_tga(8, 8, 1, 2, 3);
    truecolour[1] = 0;
    truecolour[2] = 2;
    truecolour[16] = 24;
    write_bytes(data.folder.file("graphics/scenery/signpost.tga"), truecolour);
    write_bytes(data.folder.file("graphics/scenery/campfire_02.tga"), make_keyed_tga(20, 20, 0, 0, 200));
    write_text(data.folder.file("sounds/amb_breeze.wav"), "not a sound");
    // Named by the game's tables: every idle frame of the wolf too large for kind 100's 150 x 150 frame box
    // at scale 0.9, and a walk frame of the right size without its key.
    const std::string idle = data.folder.file("graphics/wolf/wolf_idle_2_00");
    for (int n = 1; path_exists(frame_file(idle, n)); n++)
        write_bytes(frame_file(idle, n), make_keyed_tga(200, 120, 0, 0, 200));
    const std::vector<uint8_t> first = read_bytes(data.folder.file("graphics/wolf/wolf_walk_3_0001.tga"));
    ASSERT_GT(first.size(), 18u);
    // Only its top-left pixel has the key colour, as a picture cropped to its drawing.
    write_bytes(data.folder.file("graphics/wolf/wolf_walk_3_0002.tga"),
                make_keyed_tga(first[12] | first[13] << 8, first[14] | first[15] << 8, 0, 0, 200));
    // A hero frame gone from the middle of a strip, a menu picture gone, a creature archive damaged.
    ASSERT_EQ(std::remove(data.folder.file("graphics/goddess/goddess_walk_8_0003.tga").c_str()), 0);
    ASSERT_EQ(std::remove(data.folder.file("graphics/interface/level_7.png").c_str()), 0);
    std::vector<uint8_t> zip = read_bytes(data.folder.file("graphics/snow/snow.zip"));
    zip.resize(zip.size() / 2);
    write_bytes(data.folder.file("graphics/snow/snow.zip"), zip);
    // A career file that ends early.
    write_bytes(data.folder.file("career.dat"), {60, 0, 0, 0, 1, 2, 3});

    const auto problems = data.check_all();
    const auto at_line = [&](int line, const std::string& fragment) {
        EXPECT_TRUE(reported(problems, data.level_path(1), line, E, fragment));
    };
    at_line(background, "background_graphic \"graphics\\backgrounds\\medow.jpg\": not found");
    at_line(ambient, "set_ambient_sound1 \"sounds\\amb_bird.wav \": not found");
    at_line(data.line_of(1, "filename|graphics\\scenery\\signpost.tga"),
            "TGA of image type 2, but the game reads only uncompressed colour-mapped");
    at_line(data.line_of(1, "filename|graphics\\scenery\\campfire_"), "campfire_02.tga is 20 x 20, but frame 1 is");
    at_line(data.line_of(1, "set_ambient_sound2|"), "set_ambient_sound2 \"sounds\\amb_breeze.wav\": not a WAVE file");
    const std::string wolf = data.folder.file("graphics/wolf/wolf_idle_2_0001.tga");
    EXPECT_TRUE(reported(problems, wolf, 0, E, "monster kind 100 idle strip, direction 2 \"graphics\\wolf\\wolf_idle_2_00\": frames of 200 x 120 drawn at scale 0.90 take 180 x 108, more than the 150 x 150 scratch pad"));
    EXPECT_TRUE(reported(problems, data.folder.file("graphics/wolf/wolf_walk_3_0001.tga"), 0, W, "frame 2 has no colour key"));
    EXPECT_TRUE(reported(problems, data.folder.file("graphics/goddess/goddess_walk_8_0001.tga"), 0, W, "goddess_walk_8_0003.tga is missing, so frame 4 and those after it are never shown"));
    EXPECT_TRUE(reported(problems, data.folder.file("graphics/interface/level_7.png"), 0, E, "level select button 7 \"graphics\\interface\\level_7.png\": not found"));
    EXPECT_TRUE(reported(problems, data.folder.file("graphics/snow/snow.zip"), 0, E, "not a ZIP archive the game can open"));
    EXPECT_TRUE(reported(problems, data.folder.file("career.dat"), 0, E, "announces a record of 60 bytes but ends after 3"));
}
