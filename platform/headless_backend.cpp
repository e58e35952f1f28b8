// The headless backend: no window; frames stay in memory and message boxes are answered from the command line.
#include <SDL.h>
#include <cstdio>
#include <string>
#include "platform/backend.h"
#include "platform/message_box.h"
#include "util/log.h"

namespace {
class HeadlessBackend : public Backend {
public:
    bool init(const PlatformConfig& config) override
    {
        answer_yes_ = config.answerYes;
        return true;
    }
    void shutdown() override {}
    bool open_window() override { return true; }
    void close_window() override {}
    void present(const uint16_t*, bool) override {}
    void pump(std::deque<Message>&) override {}
    void wait_for_event() override {}
    int message_box(const char* text, const char* caption, int style) override
    {
        int answer = message_box_asks_yes_no(style) ? (answer_yes_ ? ANSWER_YES : ANSWER_NO) : ANSWER_OK;
        log_message_box(text, caption, style, answer);
        return answer;
    }
    void raise() override {}

private:
    bool answer_yes_ = false;
};
}

std::unique_ptr<Backend> make_headless_backend() { return std::make_unique<HeadlessBackend>(); }
