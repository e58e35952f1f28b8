// File stamps and folder listings through stat and readdir, by data path like every file call.
#include "platform/file_info.h"
#include <dirent.h>
#include <sys/stat.h>
#include <algorithm>
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
    std::vector<std::string> names;
    const std::string resolved = sys_resolve_path(path);
    const std::string real = resolved.empty() ? std::string(".") : resolved;
    DIR* d = ::opendir(real.c_str());
    if (!d) return names;
    while (dirent* e = ::readdir(d)) {
        std::string full = real + "/" + e->d_name;
        struct stat st;
        if (::stat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.emplace_back(e->d_name);
    }
    ::closedir(d);
    std::sort(names.begin(), names.end());
    return names;
}
