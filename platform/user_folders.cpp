// The player's own folders (XDG base directories) and the temporary folder that stands in when they fail.
#include "platform/user_folders.h"
#include <fcntl.h>
#include <ftw.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>
#include "platform/file_paths.h"

using namespace files;

namespace {
std::string home_folder()
{
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return home;
    // A session started without HOME (a service, an odd launcher) still has an entry in the user database.
    const passwd* pw = ::getpwuid(::getuid());
    return pw && pw->pw_dir && pw->pw_dir[0] == '/' ? std::string(pw->pw_dir) : std::string();
}

// XDG: a relative value is invalid and is ignored.
std::string xdg_folder(const char* variable, const char* fallback)
{
    const char* xdg = std::getenv(variable);
    if (xdg && xdg[0] == '/') return std::string(xdg) + "/vorlaine/";
    std::string home = home_folder();
    return home.empty() ? home : home + fallback + "vorlaine/";
}
}  // namespace

std::string sys_user_data_folder() { return xdg_folder("XDG_DATA_HOME", "/.local/share/"); }

std::string sys_user_config_folder() { return xdg_folder("XDG_CONFIG_HOME", "/.config/"); }

bool sys_prepare_folder(const std::string& folder, std::string* why)
{
    if (folder.empty()) {
        *why = "no home folder is known (HOME and XDG_DATA_HOME are unset)";
        return false;
    }
    if (!make_folders(folder, 0700)) {
        *why = std::strerror(errno);
        return false;
    }
    // A folder can be there and still refuse writes: read-only, full, or someone else's.
    const std::string probe = folder + ".probe-" + std::to_string(::getpid());
    int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        *why = std::strerror(errno);
        return false;
    }
    std::vector<char> block(4096, 0);
    int err = 0;
    for (size_t done = 0; done < block.size() && err == 0;) {
        ssize_t put = ::write(fd, block.data() + done, block.size() - done);
        if (put > 0) done += size_t(put);
        else if (put < 0 && errno != EINTR) err = errno;
        else if (put == 0) err = EIO;
    }
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    ::unlink(probe.c_str());
    if (err != 0) *why = std::strerror(err);
    return err == 0;
}

std::string sys_make_temp_folder()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && tmp[0] == '/' ? tmp : "/tmp") + "/vorlaine-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    const char* made = ::mkdtemp(buf.data());
    return made ? std::string(made) + "/" : std::string();
}

static int remove_entry(const char* path, const struct stat*, int, FTW*)
{
    ::remove(path);
    return 0;
}

void sys_remove_tree(const std::string& folder)
{
    if (folder.empty() || folder == "/") return;
    ::nftw(folder.c_str(), remove_entry, 16, FTW_DEPTH | FTW_PHYS);
}

bool sys_same_folder(const std::string& a, const std::string& b)
{
    struct stat sa, sb;
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}
