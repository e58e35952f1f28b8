// Debug log lines and the "Not so fast!" error box.
#pragma once

// One formatted line (at most 350 characters, then CR LF) to the debug output.
void log_msg(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
// The same line, then a modal box captioned "Not so fast!" while the main window exists.
void log_error(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Formats like log_msg into out (353 bytes: 350 characters, CR LF, terminator); returns the length.
int format_log_line(char* out, const char* fmt, __builtin_va_list args);

constexpr int kLogTextLimit = 350;
