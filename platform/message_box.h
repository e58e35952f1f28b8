// Modal message boxes (logged and answered from the command line when headless).
#pragma once

enum MessageBoxStyle { MB_OK_ONLY = 0, MB_YES_NO = 4 };
enum MessageBoxAnswer { ANSWER_OK = 1, ANSWER_YES = 6, ANSWER_NO = 7 };

// Blocks until answered; returns one of MessageBoxAnswer.
int sys_message_box(const char* text, const char* caption, int style);
