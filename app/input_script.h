// Scripted input: events by frame number, read from a text file and posted into the message queue.
#pragma once
#include <string>
#include <vector>
#include "platform/events.h"

struct ScriptedEvent {
    long frame = 0;
    Message message;
};

class InputScript {
public:
    // Reads the file; bad lines are logged with their number and skipped. False when it cannot be read.
    bool load(const std::string& path);
    // Parses one line (exposed for tests); false with a reason when the line is not understood.
    bool parse_line(const std::string& line, std::string* reason);
    // Posts every event of this frame.
    void post_for_frame(long frame);
    const std::vector<ScriptedEvent>& events() const { return events_; }

private:
    std::vector<ScriptedEvent> events_;
    size_t next_ = 0;
};

// The event words of a message as a script line has them after its frame number ("key down left",
// "press 120 200", "focus lost", ...); false for a message no script line can hold.
bool format_event(const Message& msg, std::string* out);
