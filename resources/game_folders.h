// Where the game's data is found and where the player's files go: the data folder search, the player's
// folder overlaid on it, portable folders, and a career left behind in an old build folder.
#pragma once
#include <string>

// Lists every data file of a complete data folder, one relative name a line (written by the content generator).
constexpr const char* kDataManifest = "manifest.txt";
// In a writable data folder, this file makes the folder keep the player's files itself (a portable game).
constexpr const char* kPortableMarker = "portable";

// The data folder, ending in '/': the one named on the command line; else the installed data folder,
// found relative to the executable (fixed when the game is configured: "../share/games/vorlaine" from
// "games");
// else the executable's own folder (a build folder).
std::string find_data_folder(const std::string& named);
// Chooses where the game writes for this data folder and overlays the two; returns that folder, which
// also holds the single-instance lock. Reports nothing yet: see report_game_folders.
std::string open_game_folders(const std::string& dataFolder);
// Tells the player about trouble with the folders (log lines, and a box where it matters); false when
// there is no game data to play with.
bool report_game_folders();
