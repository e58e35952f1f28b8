// Checking one level script: every line against the keyword tables, then what the game's scanners read from it.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "level/level_scan.h"
#include "level/level_script.h"

struct CheckContext;

// What one level file says, as the game's scanners read it, and on which lines.
struct ScriptFacts {
    int levelNumber = 0;
    bool opened = false;
    std::string path;  // as shown in problem lines
    LevelScript script;  // the settings and sprite scanners' fields, read into a fresh record
    std::vector<HardBoxLine> boxes;
    std::vector<SpriteTemplate> sprites;
    std::vector<int> spriteLines;        // the sprite_create line of each sprite
    std::vector<int> spritePictureLines; // the filename line it took its picture from (0: none in this file)
    std::vector<int> boxLines;
    std::map<std::string, int> lastLine;  // keyword -> line of its last statement
    // keyword -> the argument text of each of its lines, in order; tells what an edit changed.
    std::map<std::string, std::vector<std::string>> statements;
};

// Reads level n's script the way the game does and reports every problem of that file alone into the
// context (where next_level leads is the data check's, across files). Fills facts.
void check_level_script(int levelNumber, CheckContext& context, ScriptFacts* facts);

// The path a level's script is read from, relative to the program folder.
std::string level_script_name(int levelNumber);
