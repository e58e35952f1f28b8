// Modal message boxes (logged and answered from the command line when headless).
#pragma once

// A style is one button set plus, optionally, one icon.
enum MessageBoxStyle { MB_OK_ONLY = 0, MB_YES_NO = 4, MB_ICON_EXCLAMATION = 0x30 };
enum MessageBoxAnswer { ANSWER_OK = 1, ANSWER_YES = 6, ANSWER_NO = 7 };

inline bool message_box_asks_yes_no(int style) { return (style & 0x0F) == MB_YES_NO; }
inline bool message_box_warns(int style) { return (style & 0xF0) == MB_ICON_EXCLAMATION; }

// Blocks until answered; returns one of MessageBoxAnswer.
int sys_message_box(const char* text, const char* caption, int style);
// The log line of a box answered without asking anyone (headless, or from a recording).
void log_message_box(const char* text, const char* caption, int style, int answer);

// A recorded run is told every answer; a replay takes the recorded answers, in order, instead of asking.
using BoxAnswerWatcher = void (*)(int answer);
using BoxAnswerSource = bool (*)(int* answer);
void message_box_watch(BoxAnswerWatcher watcher);
void message_box_replay(BoxAnswerSource source);
