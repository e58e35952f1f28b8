// The game screen: a loaded level script turned into a running level, and the level change.
#pragma once

// Builds the level whose script is already loaded into the level progress record.
void start_level(int levelNumber);
// 0 nothing handled, 1 the game was left for the title, 2 a command was handled.
int stylus_commands();
void key_commands();
// Empties the game list and releases every monster kind's frames.
void leave_game();
