// The game screen: a loaded level script turned into a running level, and the level change.
#pragma once

// Builds the level whose script is already loaded into the level progress record.
void start_level(int levelNumber);
// 0 nothing handled, 1 the game was left for the title, 2 a command was handled.
int stylus_commands();
void key_commands();
// Empties the game list and releases every monster kind's frames.
void leave_game();

// Resets the level script, the level counters and the playfield, sets the current level number and reads
// that level's settings. False (after the fatal error box and the quit message) when it cannot be read.
bool load_level(int levelNumber);
// The loaded level's story first when it has one (the loading indicator waits at 120, 160), otherwise the
// level at once with the indicator at (loaderX, loaderY).
void begin_loaded_level(int levelNumber, int loaderX, int loaderY);
// A level started from the command line: fresh spells and the career read, as the level select starts it,
// but straight into play (a story before the level is left out).
void start_level_directly(int levelNumber);

// Ids of the pieces the game screen keeps for itself (0 when there is no level).
unsigned hero_meter_id();
