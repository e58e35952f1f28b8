// Screenshots the player takes with F12: the pictures folder, a name by date and time, and the PNG.
#include "platform/screenshots.h"
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include "platform/file_paths.h"
#include "platform/video.h"
#include "util/log.h"
#include "util/text_lines.h"

namespace {

std::string home_folder()
{
    const char* home = std::getenv("HOME");
    return home && home[0] == '/' ? std::string(home) : std::string();
}

// The value of XDG_PICTURES_DIR in user-dirs.dirs: "$HOME/Pictures" or an absolute path, in double quotes.
std::string pictures_from_user_dirs()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base = config && config[0] == '/' ? std::string(config) : home_folder() + "/.config";
    if (base.empty() || base == "/.config") return {};
    std::string found;
    read_text_lines(base + "/user-dirs.dirs", "User folders file", [&](const TextLine& line, std::string*) {
        const std::string key = "XDG_PICTURES_DIR=\"";
        const size_t at = line.text.find(key);
        if (at == std::string::npos || line.text.find_first_not_of(" \t") != at) return true;
        std::string value = line.text.substr(at + key.size());
        const size_t quote = value.find('"');
        if (quote == std::string::npos) return true;
        value.resize(quote);
        if (value.compare(0, 5, "$HOME") == 0) value = home_folder() + value.substr(5);
        if (!value.empty() && value[0] == '/') found = value;
        return true;
    });
    return found;
}

}  // namespace

std::string sys_pictures_folder()
{
    const char* env = std::getenv("XDG_PICTURES_DIR");
    std::string pictures = env && env[0] == '/' ? std::string(env) : pictures_from_user_dirs();
    if (pictures.empty()) {
        const std::string home = home_folder();
        if (home.empty()) return {};
        pictures = home + "/Pictures";
    }
    while (pictures.size() > 1 && pictures.back() == '/') pictures.pop_back();
    return pictures + "/vorlaine/";
}

std::string screenshot_name(const std::string& folder, long long unixTime)
{
    const time_t t = time_t(unixTime);
    tm local{};
    localtime_r(&t, &local);
    char stamp[64];
    std::strftime(stamp, sizeof stamp, "vorlaine-%Y-%m-%d_%H-%M-%S", &local);
    std::string path = folder + stamp + ".png";
    for (int n = 2; files::path_exists(path) && n < 1000; n++) path = folder + stamp + "-" + std::to_string(n) + ".png";
    return path;
}

std::string sys_save_screenshot()
{
    const std::string folder = sys_pictures_folder();
    if (folder.empty()) {
        log_msg("Couldn't save a screenshot: no home folder is known.");
        return {};
    }
    if (!files::make_folders(folder, 0755)) {
        log_msg("Couldn't save a screenshot in %s: %s.", folder.c_str(), std::strerror(errno));
        return {};
    }
    const std::string path = screenshot_name(folder, (long long)std::time(nullptr));
    if (!video_save_screenshot(path.c_str())) {
        log_msg("Couldn't save a screenshot as %s.", path.c_str());
        return {};
    }
    log_msg("Screenshot saved to %s.", path.c_str());
    return path;
}
