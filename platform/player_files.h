// A mark that the player's folders changed, so a platform that keeps them in other storage can store them.
#pragma once

// Set by the files layer whenever it hands out a path to write, renames, removes or hides a file, makes a
// folder, and by the settings writer. Cheap: a flag, no work of its own.
void sys_player_files_changed();
// True once after any change since the last call. A browser's frame asks, and stores the folders in
// IndexedDB (one store for however many files changed); a desktop's files are already where they last.
bool sys_player_files_take_changes();
