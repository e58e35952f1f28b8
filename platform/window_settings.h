// The window as the player last left it (scale and fullscreen), kept in window.conf in the settings folder.
#pragma once
#include <string>

struct WindowSettings {
    int scale = 0;  // 0: not known
    bool fullscreen = false;
};

// $XDG_CONFIG_HOME/vorlaine/window.conf (or ~/.config/vorlaine/window.conf); empty when no folder is known.
std::string sys_window_settings_path();
// False when there is no such file; lines that cannot be read are logged and skipped.
bool sys_window_settings_load(WindowSettings* settings);
bool sys_window_settings_save(const WindowSettings& settings);
