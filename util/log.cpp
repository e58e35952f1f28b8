// Debug log lines and the "Not so fast!" error box.
#include "util/log.h"
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include "app/app_state.h"
#include "app/main_window.h"
#include "platform/debug_output.h"
#include "platform/message_box.h"

int format_log_line(char* out, const char* fmt, va_list args)
{
    // 350 characters of text, then CR LF; longer text is cut after its 350th character.
    int n = std::vsnprintf(out, kLogTextLimit + 1, fmt, args);
    if (n < 0) n = 0;
    if (n > kLogTextLimit) n = kLogTextLimit;
    out[n++] = '\r';
    out[n++] = '\n';
    out[n] = '\0';
    return n;
}

void log_msg(const char* fmt, ...)
{
    char line[kLogTextLimit + 3];
    va_list args;
    va_start(args, fmt);
    format_log_line(line, fmt, args);
    va_end(args);
    sys_debug_output(line);
}

void log_error(const char* fmt, ...)
{
    char line[kLogTextLimit + 3];
    va_list args;
    va_start(args, fmt);
    format_log_line(line, fmt, args);
    va_end(args);
    sys_debug_output(line);
    // No frame may run or draw over the box while it is up.
    AppState.active = 0;
    if (main_window_exists())
        sys_message_box(line, "Not so fast!", MB_OK_ONLY);
    AppState.active = 1;
}
