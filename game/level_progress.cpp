// Clearing the level counters and taking the script's numbers into the level progress record.
#include "game/level_progress.h"

void clear_level_counters(LevelProgressRecord& p)
{
    p.kills = 0;
    p.monstersOnScreen = 0;
    p.monstersSpawned = 0;
    p.timeGateAppeared = 0;
    p.levelFinished = 0;
    p.spellBarId = 0;
    for (uint32_t& id : p.spellIconIds)
        id = 0;
    p.paused = 0;
}

void copy_script_numbers(LevelProgressRecord& p)
{
    p.killsRequired = p.script.killsRequired;
    p.spawnDelayMin = p.script.spawnDelayMin;
    p.spawnDelayMax = p.script.spawnDelayMax;
    p.maxCreatures = p.script.maxCreatures;
    p.creaturesToSpawn = p.script.creaturesToSpawn;
    p.initialDelay = p.script.initialDelay;
}
