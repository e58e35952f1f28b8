// The debug output: one line of text to standard error or to the log file.
#include "platform/debug_output.h"
#include <fcntl.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "platform/debug_output_file.h"

namespace {
// Static objects log while they are built, before the command line has named the log, and while they are
// torn down, after main. Everything here is constant-initialised and never destroyed, so it serves both.
constexpr size_t kHeldBytes = 16384;
char g_held[kHeldBytes];
size_t g_held_length = 0;
bool g_holding = false;
bool g_exit_hook = false;
FILE* g_log_file = nullptr;
bool g_silent = false;

void release_held(FILE* out)
{
    std::fwrite(g_held, 1, g_held_length, out);
    std::fflush(out);
    g_held_length = 0;
}

// A run that ends before it chose still shows what it held.
void choose_standard_error_at_exit()
{
    if (!g_holding) return;
    g_holding = false;
    release_held(stderr);
}

void hold(const char* text, size_t n)
{
    if (g_held_length + n > kHeldBytes) {
        // Far more than start-up ever says: keep the order, give up the destination.
        release_held(stderr);
        std::fwrite(text, 1, n, stderr);
        return;
    }
    std::memcpy(g_held + g_held_length, text, n);
    g_held_length += n;
}
}  // namespace

void debug_output_hold()
{
    g_holding = true;
    if (!g_exit_hook) {
        g_exit_hook = true;
        std::atexit(choose_standard_error_at_exit);
    }
}

bool debug_output_open(const std::string& path, bool truncate)
{
    debug_output_close();
    bool ok = true;
    if (!path.empty()) {
        // Appending, so a second copy that adds its few lines to the same file does not write over the first.
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | (truncate ? O_TRUNC : 0), 0644);
        g_log_file = fd >= 0 ? ::fdopen(fd, "a") : nullptr;
        if (!g_log_file) {
            if (fd >= 0) ::close(fd);
            std::fprintf(stderr, "vorlaine: cannot open log file %s\n", path.c_str());
            ok = false;
        } else {
            // Line-buffered, so a crash or a kill still leaves every line written so far.
            std::setvbuf(g_log_file, nullptr, _IOLBF, 4096);
        }
    }
    g_holding = false;
    release_held(g_log_file ? g_log_file : stderr);
    return ok;
}

void debug_output_close()
{
    if (g_log_file) std::fclose(g_log_file);
    g_log_file = nullptr;
}

void debug_output_silence()
{
    // Nothing is shown at all, not even what start-up said.
    g_silent = true;
    g_holding = false;
    g_held_length = 0;
}

void sys_debug_output(const char* text)
{
    if (g_silent) return;
    // The game ends its lines with CR LF; a Linux log wants plain LF.
    char line[512];
    size_t n = std::strlen(text);
    if (n >= 2 && text[n - 2] == '\r' && text[n - 1] == '\n' && n <= sizeof line) {
        std::memcpy(line, text, n - 2);
        line[n - 2] = '\n';
        text = line;
        n--;
    }
    if (g_holding) {
        hold(text, n);
        return;
    }
    std::fwrite(text, 1, n, g_log_file ? g_log_file : stderr);
}
