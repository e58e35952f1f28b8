// The level script record, its reset values and the settings scanner.
#pragma once
#include <cstdint>

#include "util/numeric.h"

// The sprite scanner's template: statements set its fields, sprite_create makes a thing from it.
struct SpriteTemplate {
    char pictureName[258] = {};
    int32_t animationInterval = 0;   // ms between frames; -1 a still picture
    int32_t sortKey = 0;             // -1: the sprite's y plus its picture height
    int32_t x = 0, y = 0;            // playfield coordinates
    int32_t scale = 0;               // kept, read by no sprite
    int32_t orientation = 0;         // anchor: 0 top-left, 1 centre, 2 bottom middle
    char cannonName[256] = {};
    int32_t cannonValue1 = 0, cannonValue2 = 0;
    uint8_t isCannon = 0;
};

// Everything one level file says. Fields reset_level_script leaves alone carry over to the next level.
struct LevelScript {
    char backgroundName[255] = {};   // empty: a pass-through level
    char levelName[255] = {};
    SpriteTemplate sprite;
    int32_t levelNumber = 0;         // 0 until the settings scanner has run; the other scanners need it
    int32_t fieldStart = 0, fieldEnd = 0;
    float scaleMod = 0.0f;
    Rect playfieldRect;
    int32_t killsRequired = 0;
    int32_t creaturesToSpawn = 0;
    int32_t spawnDelayMin = 0, spawnDelayMax = 0;   // ms
    int32_t initialDelay = 0;                       // ms
    int32_t maxCreatures = 0;
    int32_t mainEnemy = 0, secondaryEnemy = 0;      // monster kinds, -1 none
    int32_t nextLevel = 0;                          // 0 the next number, 500 the ending, 1000 the title
    uint8_t hasStartPosition = 0;
    int32_t startX = 0, startY = 0;
    uint8_t bossReleased = 0;                       // set at run time by the level controller
    int32_t bossKind = 0;
    char bossIntroSound[256] = {};
    float dragonFlies = 0.0f;                       // non-zero: release dragon flies
    int32_t dragonFlyMin = 0, dragonFlyMax = 0;     // ms
    char ambientSound1[255] = {};
    char ambientSound2[257] = {};
    int32_t ambientMin = 0, ambientMax = 0;         // ms
    uint8_t ambientOn = 0;
    char introText[255] = {};
    char storyText[2001] = {};                      // "\n" (backslash, n) marks a line break
    char storyBackground[255] = {};
    uint8_t hasStory = 0;
};

void reset_level_script(LevelScript& script);
// Stores the level number and reads the level's settings; false when the file cannot be opened.
bool load_level_settings(LevelScript& script, int levelNumber);
