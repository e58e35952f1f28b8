// The debug output: one line of text to standard error or to the log file.
#include "platform/debug_output.h"
#include "platform/debug_output_file.h"
#include <cstdio>
#include <cstring>

static FILE* g_log_file = nullptr;
static bool g_silent = false;

bool debug_output_open(const std::string& path)
{
    if (path.empty()) return true;
    g_log_file = std::fopen(path.c_str(), "w");
    if (!g_log_file) {
        std::fprintf(stderr, "vorlaine: cannot open log file %s\n", path.c_str());
        return false;
    }
    // Line-buffered, so a crash or a kill still leaves every line written so far.
    std::setvbuf(g_log_file, nullptr, _IOLBF, 4096);
    return true;
}

void debug_output_close()
{
    if (g_log_file) std::fclose(g_log_file);
    g_log_file = nullptr;
}

void debug_output_silence() { g_silent = true; }

void sys_debug_output(const char* text)
{
    if (g_silent) return;
    FILE* out = g_log_file ? g_log_file : stderr;
    // The game ends its lines with CR LF; a Linux log wants plain LF.
    size_t n = std::strlen(text);
    if (n >= 2 && text[n - 2] == '\r' && text[n - 1] == '\n') {
        std::fwrite(text, 1, n - 2, out);
        std::fputc('\n', out);
    } else {
        std::fwrite(text, 1, n, out);
    }
}
