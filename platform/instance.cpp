// One running copy per program folder: a lock file plus a local socket for "come to the front".
#include "platform/instance.h"
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
int g_lock_fd = -1;
int g_listen_fd = -1;

// An abstract socket named after the folder: no file to clean up, no path length trouble.
sockaddr_un socket_address(const std::string& folder, socklen_t* len)
{
    char real[PATH_MAX];
    std::string key = ::realpath(folder.c_str(), real) ? std::string(real) : folder;
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : key) h = (h ^ c) * 1099511628211ull;
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    char name[64];
    int n = std::snprintf(name, sizeof name, "vorlaine-%016llx", static_cast<unsigned long long>(h));
    std::memcpy(addr.sun_path + 1, name, size_t(n));
    *len = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(n));
    return addr;
}

void ask_running_copy(const std::string& folder)
{
    socklen_t len;
    sockaddr_un addr = socket_address(folder, &len);
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), len) == 0) {
        // The connection is the request; the words are for a person listening in. A running copy that polls
        // between its frames may accept and hang up before they are written: no SIGPIPE for that.
        const char msg[] = "front\n";
        ssize_t ignored = ::send(fd, msg, sizeof msg - 1, MSG_NOSIGNAL);
        (void)ignored;
    }
    ::close(fd);
}
}

InstanceResult instance_acquire(const char* folder)
{
    std::string dir = folder;
    std::string lock_path = dir + ".vorlaine.lock";
    g_lock_fd = ::open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (g_lock_fd < 0) return InstanceResult::Error;
    if (::flock(g_lock_fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(g_lock_fd);
        g_lock_fd = -1;
        if (error != EWOULDBLOCK) return InstanceResult::Error;
        ask_running_copy(dir);
        return InstanceResult::OtherRunning;
    }
    socklen_t len;
    sockaddr_un addr = socket_address(dir, &len);
    g_listen_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (g_listen_fd >= 0 &&
        (::bind(g_listen_fd, reinterpret_cast<sockaddr*>(&addr), len) != 0 || ::listen(g_listen_fd, 4) != 0)) {
        ::close(g_listen_fd);
        g_listen_fd = -1;
    }
    return InstanceResult::First;
}

bool instance_poll_raise()
{
    if (g_listen_fd < 0) return false;
    bool asked = false;
    for (;;) {
        int fd = ::accept4(g_listen_fd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) break;
        asked = true;
        ::close(fd);
    }
    return asked;
}

void instance_release()
{
    if (g_listen_fd >= 0) ::close(g_listen_fd);
    if (g_lock_fd >= 0) ::close(g_lock_fd);
    g_listen_fd = g_lock_fd = -1;
}
