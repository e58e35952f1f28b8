// The player's own folders (XDG base directories) and the temporary folder that stands in when they fail.
#pragma once
#include <string>

// $XDG_DATA_HOME/vorlaine/ (default ~/.local/share/vorlaine/): career, unpacked frames, extractions.
// Empty when neither an absolute XDG_DATA_HOME nor a home folder is known.
std::string sys_user_data_folder();
// $XDG_CONFIG_HOME/vorlaine/ (default ~/.config/vorlaine/): settings.
std::string sys_user_config_folder();
// Makes the folder where it is missing (private to the user) and writes a small probe file there; false
// with the system's reason in why when the folder cannot be made or written (read-only, full, no rights).
bool sys_prepare_folder(const std::string& folder, std::string* why);
// A fresh private folder under $TMPDIR or /tmp, ending in '/'; empty on failure.
std::string sys_make_temp_folder();
// Removes a folder and everything in it, never following links out of it.
void sys_remove_tree(const std::string& folder);
// True when both name the same existing folder.
bool sys_same_folder(const std::string& a, const std::string& b);
