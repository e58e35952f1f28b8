// The window as the player last left it (scale and fullscreen), kept in window.conf in the settings folder.
#include "platform/window_settings.h"
#include <cstdio>
#include <cstdlib>
#include "platform/file_paths.h"
#include "platform/user_folders.h"
#include "util/text_lines.h"

std::string sys_window_settings_path()
{
    const std::string folder = sys_user_config_folder();
    return folder.empty() ? folder : folder + "window.conf";
}

bool sys_window_settings_load(WindowSettings* settings)
{
    const std::string path = sys_window_settings_path();
    if (path.empty()) return false;
    WindowSettings read = *settings;
    const TextRead result = read_text_lines(path, "Window settings", [&](const TextLine& line, std::string* reason) {
        const std::string& t = line.text;
        if (t.empty() || t[0] == '#') return true;
        if (t.compare(0, 6, "scale=") == 0) {
            char* end = nullptr;
            const long v = std::strtol(t.c_str() + 6, &end, 10);
            if (end != t.c_str() + 6 && *end == '\0' && v >= 1 && v <= 8) {
                read.scale = int(v);
                return true;
            }
            *reason = "the scale is a whole number from 1 to 8";
            return false;
        }
        if (t == "fullscreen=yes" || t == "fullscreen=no") {
            read.fullscreen = t == "fullscreen=yes";
            return true;
        }
        *reason = "expected scale=N or fullscreen=yes|no";
        return false;
    });
    if (result == TextRead::NotOpened) return false;
    *settings = read;
    return true;
}

bool sys_window_settings_save(const WindowSettings& settings)
{
    const std::string folder = sys_user_config_folder();
    if (folder.empty() || !files::make_folders(folder, 0755)) return false;
    char text[160];
    std::snprintf(text, sizeof text,
                  "# Vorlaine's window as the last run left it; --scale and --fullscreen start it otherwise.\n"
                  "scale=%d\nfullscreen=%s\n",
                  settings.scale, settings.fullscreen ? "yes" : "no");
    return files::write_text_file(folder + "window.conf", text);
}
