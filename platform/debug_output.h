// The debug output: one line of text to standard error or to the log file.
#pragma once

void sys_debug_output(const char* text);
