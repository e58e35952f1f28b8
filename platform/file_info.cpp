// File stamps and folder listings through stat and readdir, by data path like every file call; a listing
// sees the data folder through the player's folder as every read does.
#include "platform/file_info.h"
#include <dirent.h>
#include <sys/stat.h>
#include <algorithm>
#include "platform/file_overlay.h"
#include "platform/file_paths.h"
#include "platform/files.h"

bool sys_file_stamp(const char* path, FileStamp* out)
{
    *out = FileStamp{};
    struct stat st;
    const std::string real = sys_resolve_path(path);
    if (::stat(real.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    out->modifiedNs = int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    out->size = int64_t(st.st_size);
    return true;
}

bool sys_folder_exists(const char* path)
{
    struct stat st;
    const std::string real = sys_resolve_path(path);
    return ::stat(real.empty() ? "." : real.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::vector<std::string> sys_list_folder(const char* path)
{
    // The player's copy of a folder and the data folder's together, less what a whiteout hides.
    std::vector<std::string> names;
    const std::string mapped = files::map_separators(path);
    for (const std::string& layer : overlay_folder_layers(mapped)) {
        const std::string real = layer.empty() ? std::string(".") : layer;
        DIR* d = ::opendir(real.c_str());
        if (!d) continue;
        while (dirent* e = ::readdir(d)) {
            const std::string name = e->d_name;
            if (overlay_is_whiteout_name(name)) continue;
            std::string data_path = mapped;
            if (!data_path.empty() && data_path.back() != '/') data_path += '/';
            if (sys_file_exists((data_path + name).c_str())) names.push_back(name);
        }
        ::closedir(d);
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}
