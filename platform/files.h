// Files by data path: backslashes become '/', doubled separators read as one, case is ignored when needed;
// names under the data folder are overlaid by the player's folder.
#pragma once
#include <cstdio>
#include <string>

// Called once at start-up: a name under dataFolder is read from writeFolder first, then from dataFolder;
// whatever the game writes, renames or makes goes to writeFolder, and a data-folder file it deletes is
// remembered there as gone. An empty writeFolder, or the data folder itself, turns the overlay off.
void sys_files_overlay(const std::string& dataFolder, const std::string& writeFolder);
// Names in the data folder's top level that start with name live only in folder from now on: read, written
// and removed there, never in the player's folder or the data folder.
void sys_files_pin(const std::string& dataFolder, const char* name, const std::string& folder);
// Copies a data-folder file into the write folder and hides the original, so it is taken over once.
bool sys_files_take_over(const char* path);

// The real path to read for a data path ("dir/graphics\\Misc\\x.tga"): separators mapped, case looked up,
// the overlay applied. Missing files keep the mapped path.
std::string sys_resolve_path(const char* path);
FILE* sys_fopen(const char* path, const char* mode);
bool sys_file_exists(const char* path);
bool sys_remove(const char* path);
// Replaces to with from atomically (same folder).
bool sys_rename(const char* from, const char* to);
// Makes every folder of path that is missing (path names a folder).
bool sys_make_dirs(const char* path);
// The executable's folder with a trailing '/'.
std::string sys_executable_folder();
