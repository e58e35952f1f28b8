// Files by data path: backslashes become '/', doubled separators read as one, case is ignored when needed.
#include "platform/files.h"
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <string>
#include <vector>
#include "platform/saved_files.h"

static std::string map_separators(const char* path)
{
    std::string out;
    for (const char* p = path; *p; p++) {
        char c = (*p == '\\') ? '/' : *p;
        if (c == '/' && !out.empty() && out.back() == '/') continue;
        out += c;
    }
    return out;
}

static bool path_exists(const std::string& p)
{
    struct stat st;
    return ::stat(p.c_str(), &st) == 0;
}

// Finds name inside dir without regard to case; empty when there is none.
static std::string find_case_insensitive(const std::string& dir, const std::string& name)
{
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return {};
    std::string found;
    while (dirent* e = ::readdir(d)) {
        if (::strcasecmp(e->d_name, name.c_str()) == 0) {
            found = e->d_name;
            break;
        }
    }
    ::closedir(d);
    return found;
}

std::string sys_resolve_path(const char* path)
{
    std::string mapped = map_separators(path);
    if (mapped.empty() || path_exists(mapped)) return mapped;
    // Walk the components, keeping the exact ones and looking up the others by case.
    std::string built;
    size_t pos = 0;
    if (mapped[0] == '/') {
        built = "/";
        pos = 1;
    }
    while (pos <= mapped.size()) {
        size_t slash = mapped.find('/', pos);
        std::string comp = mapped.substr(pos, slash == std::string::npos ? std::string::npos : slash - pos);
        if (!comp.empty()) {
            std::string candidate = built + comp;
            if (!path_exists(candidate)) {
                std::string real = find_case_insensitive(built.empty() ? "." : built, comp);
                if (real.empty()) return mapped;
                candidate = built + real;
            }
            built = candidate;
            if (slash != std::string::npos) built += '/';
        }
        if (slash == std::string::npos) break;
        pos = slash + 1;
    }
    return built;
}

FILE* sys_fopen(const char* path, const char* mode)
{
    std::string real = sys_resolve_path(path);
    return std::fopen(real.c_str(), mode);
}

bool sys_file_exists(const char* path)
{
    struct stat st;
    std::string real = sys_resolve_path(path);
    return ::stat(real.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool sys_remove(const char* path)
{
    std::string real = sys_resolve_path(path);
    return ::unlink(real.c_str()) == 0;
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
    // The new content reaches the disk before it replaces the old, and the folder entry after,
    // so a power cut leaves either the old file or the new one whole.
    std::string src = sys_resolve_path(from);
    std::string dst = map_separators(to);
    sync_path(src, O_RDONLY);
    if (::rename(src.c_str(), dst.c_str()) != 0) return false;
    size_t slash = dst.rfind('/');
    sync_path(slash == std::string::npos ? std::string(".") : dst.substr(0, slash + 1), O_RDONLY | O_DIRECTORY);
    sys_file_saved(dst.c_str());
    return true;
}

bool sys_make_dirs(const char* path)
{
    std::string mapped = map_separators(path);
    std::string built;
    for (size_t i = 0; i < mapped.size(); i++) {
        built += mapped[i];
        if (mapped[i] == '/' || i + 1 == mapped.size()) {
            if (built == "/") continue;
            if (::mkdir(built.c_str(), 0755) != 0 && errno != EEXIST) return false;
        }
    }
    return true;
}

std::string sys_executable_folder()
{
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    buf[n] = '\0';
    std::string p(buf);
    size_t slash = p.rfind('/');
    return slash == std::string::npos ? std::string("./") : p.substr(0, slash + 1);
}
