// The data folder overlaid by the player's folder: where a data path is really read, written and removed.
// A file the game deletes from a read-only data folder is remembered as a whiteout in the player's folder:
// ".wh." + its name beside where a copy would lie, holding the size and time of the file it hides, so a
// changed data file (a new version of the game) shows again.
#include "platform/file_overlay.h"
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdio>
#include <cstring>
#include "platform/file_paths.h"
#include "platform/player_files.h"

using namespace files;

namespace {
std::string g_data;   // mapped, ends in '/'; empty: no overlay
std::string g_upper;  // where the game writes, ends in '/'
std::string g_pin_data;    // the data folder the pin is relative to, ends in '/'; empty: no pin
std::string g_pin_name;    // names starting with this ...
std::string g_pin_folder;  // ... live only here, ends in '/'

std::string with_slash(std::string p)
{
    if (!p.empty() && p.back() != '/') p += '/';
    return p;
}

// The name relative to the data folder; false for paths outside it.
bool split(const std::string& mapped, std::string* rel)
{
    if (g_data.empty() || mapped.compare(0, g_data.size(), g_data) != 0) {
        // The data folder itself, named without its slash.
        if (!g_data.empty() && mapped + "/" == g_data) {
            rel->clear();
            return true;
        }
        return false;
    }
    *rel = mapped.substr(g_data.size());
    return true;
}

std::string whiteout_path(const std::string& rel)
{
    size_t slash = rel.rfind('/');
    std::string dir = slash == std::string::npos ? std::string() : rel.substr(0, slash + 1);
    std::string base = slash == std::string::npos ? rel : rel.substr(slash + 1);
    return resolve_case(g_upper + dir + ".wh." + base);
}

// What a whiteout records of the file it hides.
std::string identity(const std::string& real)
{
    struct stat st;
    if (::stat(real.c_str(), &st) != 0) return {};
    char text[96];
    std::snprintf(text, sizeof text, "%lld %lld %ld\n", static_cast<long long>(st.st_size),
                  static_cast<long long>(st.st_mtim.tv_sec), static_cast<long>(st.st_mtim.tv_nsec));
    return text;
}

bool hidden(const std::string& rel, const std::string& lower)
{
    int fd = ::open(whiteout_path(rel).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char text[96] = {};
    ssize_t n = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    return n > 0 && identity(lower) == std::string(text, size_t(n));
}

bool write_whiteout(const std::string& rel, const std::string& lower)
{
    std::string path = whiteout_path(rel);
    size_t slash = path.rfind('/');
    if (slash != std::string::npos && !make_folders(path.substr(0, slash + 1), 0755)) return false;
    std::string text = identity(lower);
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = ::write(fd, text.data(), text.size()) == ssize_t(text.size());
    ok = ::close(fd) == 0 && ok;
    if (!ok) ::unlink(path.c_str());
    return ok;
}
}  // namespace

// A pinned name's own place; false for every other path.
static bool pinned(const std::string& mapped, std::string* real)
{
    if (g_pin_data.empty() || mapped.compare(0, g_pin_data.size(), g_pin_data) != 0) return false;
    const std::string rel = mapped.substr(g_pin_data.size());
    if (rel.compare(0, g_pin_name.size(), g_pin_name) != 0 || rel.find('/') != std::string::npos) return false;
    *real = g_pin_folder + rel;
    return true;
}

void overlay_pin(const std::string& dataFolder, const std::string& name, const std::string& folder)
{
    g_pin_data = with_slash(map_separators(dataFolder.c_str()));
    g_pin_name = name;
    g_pin_folder = with_slash(folder);
}

void overlay_set(const std::string& dataFolder, const std::string& writeFolder)
{
    g_data = with_slash(map_separators(dataFolder.c_str()));
    g_upper = with_slash(map_separators(writeFolder.c_str()));
    // A folder that takes its own writes needs no overlay (a portable folder).
    if (g_upper.empty() || g_upper == g_data) g_data.clear();
}

std::string overlay_read_path(const std::string& mapped)
{
    std::string rel;
    if (pinned(mapped, &rel)) return rel;
    if (!split(mapped, &rel)) return resolve_case(mapped);
    std::string upper = resolve_case(g_upper + rel);
    if (path_exists(upper)) return upper;
    std::string lower = resolve_case(mapped);
    if (is_regular_file(lower) && hidden(rel, lower)) return upper;
    return lower;
}

std::string overlay_write_path(const std::string& mapped)
{
    // Whoever asks for a place to write is about to change the player's folder.
    sys_player_files_changed();
    std::string rel;
    if (pinned(mapped, &rel)) return rel;
    if (!split(mapped, &rel)) return resolve_case(mapped);
    std::string target = resolve_case(g_upper + rel);
    size_t slash = target.rfind('/');
    if (slash != std::string::npos) make_folders(target.substr(0, slash + 1), 0755);
    ::unlink(whiteout_path(rel).c_str());
    return target;
}

std::vector<std::string> overlay_folder_layers(const std::string& mapped)
{
    std::string rel;
    if (!split(mapped, &rel)) return {resolve_case(mapped)};
    return {resolve_case(g_upper + rel), resolve_case(mapped)};
}

bool overlay_is_whiteout_name(const std::string& name) { return name.compare(0, 4, ".wh.") == 0; }

std::string overlay_folder_path(const std::string& mapped)
{
    sys_player_files_changed();
    std::string rel;
    return split(mapped, &rel) ? g_upper + rel : mapped;
}

bool overlay_remove(const std::string& mapped)
{
    sys_player_files_changed();
    std::string rel;
    if (pinned(mapped, &rel)) return ::unlink(rel.c_str()) == 0;
    if (!split(mapped, &rel)) return ::unlink(resolve_case(mapped).c_str()) == 0;
    bool gone = ::unlink(resolve_case(g_upper + rel).c_str()) == 0;
    std::string lower = resolve_case(mapped);
    if (!is_regular_file(lower) || hidden(rel, lower)) return gone;
    return write_whiteout(rel, lower);
}

bool overlay_writable(const std::string& real)
{
    if (!g_pin_folder.empty() && real.compare(0, g_pin_folder.size(), g_pin_folder) == 0) return true;
    return g_data.empty() || real.compare(0, g_upper.size(), g_upper) == 0;
}

bool overlay_take_over(const std::string& mapped)
{
    std::string rel;
    if (!split(mapped, &rel)) return false;
    std::string lower = resolve_case(mapped);
    if (!is_regular_file(lower) || hidden(rel, lower)) return false;
    return copy_file(lower, overlay_write_path(mapped)) && write_whiteout(rel, lower);
}
