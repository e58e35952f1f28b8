// The level progress record: this level's counters, the loaded level script and the career.
#pragma once
#include <cstdint>

#include "level/career.h"
#include "level/level_script.h"

constexpr int kSpellIcons = 5;

struct LevelProgressRecord {
    int32_t kills = 0;                  // monsters killed this level
    int32_t killsRequired = 0;          // copied from the script at level start
    int32_t spawnDelayMin = 0;          // ms, from the script
    int32_t spawnDelayMax = 0;          // ms, from the script
    int32_t maxCreatures = 0;           // at once, from the script
    int32_t levelNumber = 1;            // set by the level select, advanced by the level change
    int32_t monstersOnScreen = 0;
    int32_t creaturesToSpawn = 0;       // from the script
    int32_t initialDelay = 0;           // ms, from the script
    int32_t monstersSpawned = 0;
    uint8_t timeGateAppeared = 0;
    uint32_t levelFinished = 0;         // set by the time gate, read and cleared by the game screen
    uint32_t spellBarId = 0;
    uint32_t spellIconIds[kSpellIcons] = {};   // spells 0 to 4; the bar uses 1 to 4
    uint8_t paused = 0;                 // the level controller, monsters and projectiles hold still
    LevelScript script;
    CareerRecord career;
};

// What a level change and the level select clear before a level starts.
void clear_level_counters(LevelProgressRecord& progress);
// Level start: the spawning numbers and the kill quota from the loaded script.
void copy_script_numbers(LevelProgressRecord& progress);

extern LevelProgressRecord LevelProgress;
