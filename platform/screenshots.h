// Screenshots the player takes with F12: the 240 x 320 frame as a PNG in the pictures folder, named by date
// and time.
#pragma once
#include <string>

// $XDG_PICTURES_DIR/vorlaine/, the pictures folder taken from the environment, else from
// $XDG_CONFIG_HOME/user-dirs.dirs (as xdg-user-dirs writes it), else ~/Pictures; empty with no home folder.
std::string sys_pictures_folder();
// A free name there for a screenshot taken at this local time: vorlaine-YYYY-MM-DD_HH-MM-SS.png, then -2, -3
// ... for more in the same second.
std::string screenshot_name(const std::string& folder, long long unixTime);
// Saves the last presented frame there and logs where it went (or why it could not); the path, or empty.
std::string sys_save_screenshot();
