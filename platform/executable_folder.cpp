// The executable's own folder on a desktop: where /proc/self/exe points.
#include <unistd.h>
#include <climits>
#include <string>
#include "platform/files.h"

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
