// The data folder overlaid by the player's folder: where a data path is really read, written and removed.
#pragma once
#include <string>
#include <vector>

// Paths given here are mapped (separators only). Outside the data folder, or with no overlay, each
// answers with the path itself (its case looked up). Handing out a path to write or make, and removing,
// mark the player's files changed (platform/player_files.h).
void overlay_set(const std::string& dataFolder, const std::string& writeFolder);
// The real path to read: the written copy, else the data folder's file unless a whiteout hides it.
std::string overlay_read_path(const std::string& mapped);
// The real path to write, with its folders made; a whiteout of that name is lifted.
std::string overlay_write_path(const std::string& mapped);
// The real folders whose files together make up a folder path: the player's copy first, then the data
// folder's (one folder outside the data folder or without an overlay).
std::vector<std::string> overlay_folder_layers(const std::string& mapped);
// Names in the data folder's top level that start with name are read, written and removed only in folder
// (ending in '/'): a replayed run keeps its own career there and leaves the player's alone.
void overlay_pin(const std::string& dataFolder, const std::string& name, const std::string& folder);
// True for the name of a whiteout file, which is no data file of its own.
bool overlay_is_whiteout_name(const std::string& name);
// The folder to make for a folder path.
std::string overlay_folder_path(const std::string& mapped);
// Removes a name: the written copy goes, and a data-folder file is hidden by a whiteout. True when the
// name no longer answers.
bool overlay_remove(const std::string& mapped);
// True when a real path (from overlay_read_path) lies where the game may write.
bool overlay_writable(const std::string& real);
// Copies the data folder's file into the write folder and hides the original; false when there is none.
bool overlay_take_over(const std::string& mapped);
