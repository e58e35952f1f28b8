// Files by data path: backslashes become '/', doubled separators read as one, case is ignored when needed;
// names under the data folder are overlaid by the player's folder.
#include "platform/files.h"
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstring>
#include <string>
#include "platform/file_overlay.h"
#include "platform/file_paths.h"

using namespace files;

void sys_files_overlay(const std::string& dataFolder, const std::string& writeFolder)
{
    overlay_set(dataFolder, writeFolder);
}

void sys_files_pin(const std::string& dataFolder, const char* name, const std::string& folder)
{
    overlay_pin(dataFolder, name, folder);
}

bool sys_files_take_over(const char* path)
{
    return overlay_take_over(map_separators(path));
}

std::string sys_resolve_path(const char* path)
{
    return overlay_read_path(map_separators(path));
}

FILE* sys_fopen(const char* path, const char* mode)
{
    const std::string mapped = map_separators(path);
    std::string real;
    if (std::strchr(mode, 'w')) {
        real = overlay_write_path(mapped);
    } else if (std::strchr(mode, 'a') || std::strchr(mode, '+')) {
        // Changing a data-folder file in place changes the player's copy of it.
        std::string source = overlay_read_path(mapped);
        real = overlay_write_path(mapped);
        if (source != real && is_regular_file(source) && !path_exists(real)) copy_file(source, real);
    } else {
        real = overlay_read_path(mapped);
    }
    return std::fopen(real.c_str(), mode);
}

bool sys_file_exists(const char* path)
{
    return is_regular_file(sys_resolve_path(path));
}

bool sys_remove(const char* path)
{
    return overlay_remove(map_separators(path));
}

static void sync_path(const std::string& path, int flags)
{
    int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool sys_rename(const char* from, const char* to)
{
    std::string src = sys_resolve_path(from);
    std::string dst = overlay_write_path(map_separators(to));
    // A data-folder file cannot move: the player's folder gets a copy and the original is hidden.
    if (!overlay_writable(src)) return copy_file(src, dst) && sys_remove(from);
    // The new content reaches the disk before it replaces the old, and the folder entry after,
    // so a power cut leaves either the old file or the new one whole.
    sync_path(src, O_RDONLY);
    if (::rename(src.c_str(), dst.c_str()) != 0) return false;
    size_t slash = dst.rfind('/');
    sync_path(slash == std::string::npos ? std::string(".") : dst.substr(0, slash + 1), O_RDONLY | O_DIRECTORY);
    return true;
}

bool sys_make_dirs(const char* path)
{
    return make_folders(overlay_folder_path(map_separators(path)), 0755);
}
