// Level scripts on real files: settings, carry-over between levels, the sprite and hard box scanners.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/app_state.h"
#include "level/level_file.h"
#include "level/level_scan.h"
#include "level/level_script.h"
#include "support/log_capture.h"
#include "support/temp_folder.h"

namespace {

struct ScriptFolder {
    TempFolder folder;
    ScriptFolder() { folder.make_program_folder(); }
    void write_level(int n, const std::string& text)
    {
        write_text(folder.file("logic/levels/level" + std::to_string(n) + ".txt"), text);
    }
    // Level start's reading of the settings: the reset, then the file.
    static bool load(int n, LevelScript& s)
    {
        reset_level_script(s);
        return load_level_settings(s, n);
    }
};

std::string rect_text(const Rect& r)
{
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
           std::to_string(r.bottom);
}

// The record's settings in the order kFullSettings gives them, to compare whole records at once.
std::string settings(const LevelScript& s)
{
    char text[3000];
    std::snprintf(text, sizeof text, "%s|%s|%d|%d|%g|%s|%d|%d|%d|%d|%d|%d|%d|%d|%d|%d|%g|%d|%d|%d %d %d|%s|%s|%d",
                  s.backgroundName, s.levelName, s.fieldStart, s.fieldEnd, double(s.scaleMod),
                  rect_text(s.playfieldRect).c_str(), s.killsRequired, s.creaturesToSpawn, s.maxCreatures,
                  s.spawnDelayMin, s.spawnDelayMax, s.initialDelay, s.mainEnemy, s.secondaryEnemy, s.nextLevel,
                  s.bossKind, double(s.dragonFlies), s.dragonFlyMin, s.dragonFlyMax, s.hasStartPosition, s.startX,
                  s.startY, s.storyBackground, s.storyText, s.hasStory);
    return text;
}

const char* kFullSettings =
    "background_graphic|graphics\\backgrounds\\forest.jpg\n"
    "level_name|The Forest\n"
    "set_field_start|160\n"
    "set_field_end|80\n"
    "set_scale_mod|0.8\n"
    "rect_playfield|0|90|640|235\n"
    "kills_required_to_continue|12\n"
    "creatures_to_spawn|3\n"
    "max_creatures_on_screen_at_once|4\n"
    "spawn_delay_min|1000\n"
    "spawn_delay_max|3000\n"
    "initial_delay|2500\n"
    "main_enemy|2\n"
    "secondary_enemy|5\n"
    "next_level|500\n"
    "set_boss|9\n"
    "set_dragon_flys|1.5|4000|9000\n"
    "set_start_position|320|200\n"
    "set_intro_scroller_background|graphics\\story\\bg.jpg\n"
    "set_intro_scroller_text|Long ago.\\nThen.\n";

} // namespace

TEST(LevelScript, SettingsScannerFillsTheRecordAndValuesNotResetCarryOver)
{
    ScriptFolder f;
    f.write_level(3, kFullSettings);
    LevelScript s;
    ASSERT_TRUE(f.load(3, s));
    EXPECT_EQ(s.levelNumber, 3);
    EXPECT_EQ(settings(s), "graphics\\backgrounds\\forest.jpg|The Forest|160|80|0.8|0 90 640 235|12|3|4|1000|3000|2500|"
                           "2|5|500|9|1.5|4000|9000|1 320 200|graphics\\story\\bg.jpg|Long ago.\\nThen.|1");

    // The next level: what the reset leaves alone (the numbers of the spawning and the playfield, the start
    // position itself) carries over; the rest starts empty.
    f.write_level(4, "background_graphic|graphics\\backgrounds\\cave.jpg\n");
    s.bossReleased = 1;
    ASSERT_TRUE(f.load(4, s));
    EXPECT_EQ(settings(s), "graphics\\backgrounds\\cave.jpg||160|80|0.8|0 90 640 235|12|3|4|1000|3000|2500|"
                           "-1|-1|0|0|0|0|0|0 320 200|||0");
    EXPECT_EQ(s.bossReleased, 0);
}

// A missing script ends the game (AppRun.ALevelWithoutItsScriptIsReportedOnceAndTheGameEnds); until the
// settings scanner has run, the other scanners open nothing.
TEST(LevelScript, TheScannersNeedTheSettingsScannerFirst)
{
    LevelScript s;  // level number 0
    std::vector<SpriteTemplate> made;
    std::vector<HardBoxLine> boxes;
    LogCapture log;
    EXPECT_FALSE(read_sprites(s, made));
    EXPECT_FALSE(read_hard_boxes(s, boxes));
    EXPECT_EQ(log.count("Error, can't scan sprites no file open"), 2);
}

// Saved on another system (CR LF) too: the names come out clean. The ambient statements, which the sprite
// scanner reads too, are played in GameScreenTest.TheLevelsAmbientSoundsPlayOnceTheLevelIsBuilt.
TEST(LevelScript, EachScannerPassesOverTheOthersLinesAndTheLaterLineWins)
{
    ScriptFolder f;
    f.write_level(6, "sprite_clear\r\n"
                     "filename|graphics\\rock.tga\r\n"
                     "set_intro_text|Hello\r\n"
                     "sprite_create\r\n"
                     "kills_required_to_continue|5\r\n"
                     "rect_playfield|10|20\r\n"
                     "kills_required_to_continue| 30 monsters\r\n"
                     "Kills_required_to_continue|99\r\n"  // keywords match exactly, case included
                     "this line is a remark\r\n"
                     "add_hardbox|1|2|3|4|0\r\n"
                     "add_hardbox|5\r\n"
                     "background_graphic|bg.jpg\r\n"
                     "set_boss_intro_wave|sounds\\boss.wav\r\n");
    LevelScript s;
    ASSERT_TRUE(f.load(6, s));
    EXPECT_EQ(s.killsRequired, 30);
    EXPECT_EQ(rect_text(s.playfieldRect), "10 20 0 0");  // missing arguments read 0
    EXPECT_STREQ(s.backgroundName, "bg.jpg");
    EXPECT_STREQ(s.introText, "");
    EXPECT_STREQ(s.sprite.pictureName, "");
    EXPECT_STREQ(s.bossIntroSound, "");

    s.killsRequired = 11;
    std::vector<SpriteTemplate> made;
    ASSERT_TRUE(read_sprites(s, made));
    EXPECT_EQ(s.killsRequired, 11);
    EXPECT_STREQ(s.introText, "Hello");
    ASSERT_EQ(made.size(), 1u);
    EXPECT_STREQ(made[0].pictureName, "graphics\\rock.tga");
    EXPECT_STREQ(s.bossIntroSound, "sounds\\boss.wav");

    // Hard boxes in file order.
    std::vector<HardBoxLine> boxes;
    ASSERT_TRUE(read_hard_boxes(s, boxes));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(rect_text(boxes[0].rect), "1 2 3 4");
    EXPECT_EQ(boxes[0].value, 0);
    EXPECT_EQ(rect_text(boxes[1].rect), "5 0 0 0");
    EXPECT_EQ(boxes[1].value, 0);
}

// How a template's anchor, sort key and animation reach the scenery is LoaderTest's.
TEST(LevelScript, SpriteTemplateRules)
{
    ScriptFolder f;
    f.write_level(7, "sprite_clear\n"
                     "sprite_create\n"   // the cleared template
                     "filename|graphics\\misc\\torch_\n"
                     "orientation|down_middle\n"
                     "sprite_create\n"
                     "orientation|sideways\n"   // unknown: keeps down_middle
                     "sprite_create\n"          // no sprite_clear: the same sprite again
                     "set_sort|40\n"
                     "set_cannon|cannon_ball|3|250\n"
                     "sprite_create\n");
    LevelScript s;
    ASSERT_TRUE(f.load(7, s));
    std::vector<SpriteTemplate> made;
    ASSERT_TRUE(read_sprites(s, made));
    ASSERT_EQ(made.size(), 4u);
    EXPECT_STREQ(made[0].pictureName, "");
    EXPECT_EQ(made[0].animationInterval, -1);  // a still picture
    EXPECT_EQ(made[0].sortKey, -1);            // sorted by its feet
    EXPECT_EQ(made[1].orientation, 2);
    EXPECT_EQ(memcmp(&made[1], &made[2], sizeof made[1]), 0);
    EXPECT_EQ(made[3].isCannon, 1);
    EXPECT_STREQ(made[3].cannonName, "cannon_ball");
    EXPECT_EQ(made[3].cannonValue2, 250);
    // The template outlives the level: the next script starts from it unless it clears it.
    EXPECT_EQ(s.sprite.sortKey, 40);

    // Sorted by its feet far down, a sprite's key stops at the top.
    SpriteTemplate t;
    t.sortKey = -1;
    t.y = INT32_MAX - 3;
    EXPECT_EQ(sprite_sort_key(t, 100), INT32_MAX);
}

TEST(LevelScript, OverLongTextIsCutToItsField)
{
    ScriptFolder f;
    std::string longName(600, 'n');
    std::string story(3000, 's');   // longer than a line: the line itself is cut too
    f.write_level(9, "level_name|L\n"
                     "background_graphic|" + longName + "\n"
                     "set_intro_scroller_text|" + story + "\n"
                     "set_intro_scroller_background|bg.jpg\n"
                     "filename|" + longName + "\n"
                     "set_cannon|" + longName + "|1|2\n"
                     "set_ambient_sound2|" + longName + "\n");
    LevelScript s;
    LogCapture log;
    ASSERT_TRUE(f.load(9, s));
    std::vector<SpriteTemplate> made;
    ASSERT_TRUE(read_sprites(s, made));

    EXPECT_EQ(std::string(s.backgroundName), longName.substr(0, 254));
    EXPECT_STREQ(s.levelName, "L");
    // The 2023-character line limit leaves 1999 characters after the keyword and its bar.
    EXPECT_EQ(std::string(s.storyText), story.substr(0, 1999));
    EXPECT_STREQ(s.storyBackground, "bg.jpg");
    EXPECT_EQ(strlen(s.sprite.pictureName), 257u);
    EXPECT_EQ(strlen(s.sprite.cannonName), 255u);
    EXPECT_EQ(s.sprite.cannonValue1, 1);
    EXPECT_EQ(strlen(s.ambientSound2), 256u);
    EXPECT_TRUE(log.contains("background_graphic: text of 600 characters cut to 254."));
}

// Positions that no playfield comes near are taken as the nearest end of the reachable range, each with
// a log line: near INT_MAX they would not survive the sprites' float positions or their drawing.
TEST(LevelScript, PositionsOutOfReachAreClamped)
{
    ScriptFolder f;
    f.write_level(11, "rect_playfield|2147483647|-2147483648|99999999999|-1000001\n"
                      "set_field_start|5000000\n"
                      "set_field_end|-5000000\n"
                      "set_start_position|1000000|-1000000\n"
                      "add_hardbox|-2147483648|0|2147483647|10|1\n"
                      "cordinates|2147483647|-2147483648\n"
                      "set_cannon|graphics\\cannon\\c_|3000000|-7\n");
    LogCapture log;
    LevelScript s;
    ASSERT_TRUE(f.load(11, s));
    const Rect limits{kScriptCoordinateLimit, -kScriptCoordinateLimit, kScriptCoordinateLimit, -kScriptCoordinateLimit};
    EXPECT_EQ(rect_text(s.playfieldRect), rect_text(limits));
    EXPECT_EQ(s.fieldStart, kScriptCoordinateLimit);
    EXPECT_EQ(s.fieldEnd, -kScriptCoordinateLimit);
    EXPECT_EQ(s.startX, 1000000);  // the ends themselves are in reach
    EXPECT_EQ(s.startY, -1000000);

    std::vector<HardBoxLine> boxes;
    ASSERT_TRUE(read_hard_boxes(s, boxes));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(rect_text(boxes[0].rect), rect_text({-kScriptCoordinateLimit, 0, kScriptCoordinateLimit, 10}));
    EXPECT_EQ(boxes[0].value, 1);

    std::vector<SpriteTemplate> sprites;
    ASSERT_TRUE(read_sprites(s, sprites));
    EXPECT_EQ(s.sprite.x, kScriptCoordinateLimit);
    EXPECT_EQ(s.sprite.y, -kScriptCoordinateLimit);
    EXPECT_EQ(s.sprite.cannonValue1, kScriptCoordinateLimit);
    EXPECT_EQ(s.sprite.cannonValue2, -7);

    EXPECT_TRUE(log.contains("rect_playfield: position 2147483647 is out of reach, using 1000000."));
    EXPECT_TRUE(log.contains("set_field_end: position -5000000 is out of reach, using -1000000."));
    EXPECT_TRUE(log.contains("add_hardbox: position -2147483648 is out of reach, using -1000000."));
    EXPECT_TRUE(log.contains("cordinates: position -2147483648 is out of reach, using -1000000."));
    EXPECT_EQ(log.count_starting("set_start_position:"), 0);
}
