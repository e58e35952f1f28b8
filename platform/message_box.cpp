// Modal message boxes, through the backend; a recorded run keeps the answers, a replay gives them back.
#include "platform/message_box.h"
#include <string>
#include "platform/backend.h"
#include "util/log.h"

static BoxAnswerWatcher g_watcher = nullptr;
static BoxAnswerSource g_source = nullptr;

int sys_message_box(const char* text, const char* caption, int style)
{
    int answer = 0;
    if (g_source && g_source(&answer)) {
        log_message_box(text, caption, style, answer);
        return answer;
    }
    answer = backend().message_box(text, caption, style);
    if (g_watcher) g_watcher(answer);
    return answer;
}

void log_message_box(const char* text, const char* caption, int style, int answer)
{
    // The text usually ends with the log line's CR LF; keep the box on one line.
    std::string body = text;
    while (!body.empty() && (body.back() == '\n' || body.back() == '\r')) body.pop_back();
    log_msg("Message box \"%s\"%s: %.200s -> %s", caption, message_box_warns(style) ? " (warning)" : "", body.c_str(),
            answer == ANSWER_YES ? "Yes" : answer == ANSWER_NO ? "No" : "OK");
}

void message_box_watch(BoxAnswerWatcher watcher) { g_watcher = watcher; }

void message_box_replay(BoxAnswerSource source) { g_source = source; }
