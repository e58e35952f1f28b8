// Data paths on the system: separators mapped, case looked up, plain file operations on real paths.
#include "platform/file_paths.h"
#include "platform/player_files.h"
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

namespace files {

std::string map_separators(const char* path)
{
    std::string out;
    for (const char* p = path; *p; p++) {
        char c = (*p == '\\') ? '/' : *p;
        if (c == '/' && !out.empty() && out.back() == '/') continue;
        out += c;
    }
    return out;
}

bool path_exists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

bool is_regular_file(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
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

std::string resolve_case(const std::string& mapped)
{
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

bool make_folders(const std::string& path, unsigned mode)
{
    std::string built;
    for (size_t i = 0; i < path.size(); i++) {
        built += path[i];
        if (path[i] == '/' || i + 1 == path.size()) {
            if (built == "/") continue;
            if (::mkdir(built.c_str(), mode_t(mode)) != 0 && errno != EEXIST) return false;
        }
    }
    return true;
}

bool copy_file(const std::string& from, const std::string& to)
{
    int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    const std::string temp = to + ".part";
    ::unlink(temp.c_str());
    int out = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = true;
    char buf[65536];
    for (;;) {
        ssize_t got = ::read(in, buf, sizeof buf);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        for (ssize_t done = 0; done < got && ok;) {
            ssize_t put = ::write(out, buf + done, size_t(got - done));
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) ok = false;
            else done += put;
        }
        if (!ok) break;
    }
    ::close(in);
    ok = ::fsync(out) == 0 && ok;
    ok = ::close(out) == 0 && ok;
    if (!ok || ::rename(temp.c_str(), to.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

bool write_text_file(const std::string& path, const std::string& text)
{
    const std::string temp = path + ".new";
    // A leftover from an interrupted write, or a link under that name, is not ours to write through.
    std::remove(temp.c_str());
    FILE* f = std::fopen(temp.c_str(), "w");
    if (!f) return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    ok = std::fclose(f) == 0 && ok;
    // Replace in one step, so a crash never leaves half a file behind.
    if (!ok || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    // Settings are the player's files too: a browser stores them.
    sys_player_files_changed();
    return true;
}

}  // namespace files
