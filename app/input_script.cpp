// Scripted input: events by frame number, read from a text file and posted into the message queue.
#include "app/input_script.h"
#include <algorithm>
#include <cstdio>
#include <sstream>
#include "platform/files.h"
#include "platform/keys.h"
#include "util/log.h"
#include "util/text_lines.h"

static constexpr long kLastScriptFrame = 1000000000L;


bool InputScript::parse_line(const std::string& raw, std::string* reason)
{
    std::string line = raw.substr(0, raw.find('#'));
    std::istringstream in(line);
    long frame;
    std::string verb;
    if (!(in >> frame)) {
        if (line.find_first_not_of(" \t\r") == std::string::npos) return true;  // blank or comment
        *reason = "no frame number";
        return false;
    }
    // The same range as --frames; a tap's release frame (one later) must still be a frame number.
    if (frame < 1 || frame > kLastScriptFrame) {
        *reason = "frame numbers run from 1 to 1000000000";
        return false;
    }
    if (!(in >> verb)) {
        *reason = "no event";
        return false;
    }
    auto add = [&](long f, MessageType type, uint32_t w, uint32_t l) {
        ScriptedEvent e;
        e.frame = f;
        e.message.type = type;
        e.message.wParam = w;
        e.message.lParam = l;
        events_.push_back(e);
    };
    if (verb == "key") {
        std::string dir, name;
        uint32_t code;
        if (!(in >> dir >> name) || (dir != "down" && dir != "up")) {
            *reason = "expected: key down|up BUTTON";
            return false;
        }
        if (!button_code_by_name(name.c_str(), &code)) {
            *reason = "unknown button '" + name + "'";
            return false;
        }
        add(frame, dir == "down" ? MSG_KEYDOWN : MSG_KEYUP, code, 0);
        return true;
    }
    if (verb == "tap" || verb == "press" || verb == "drag" || verb == "move" || verb == "release") {
        int x, y;
        if (!(in >> x >> y) || x < 0 || y < 0 || x >= 240 || y >= 320) {
            *reason = "expected a point inside 240 x 320";
            return false;
        }
        uint32_t p = pack_point(x, y);
        if (verb == "tap") {
            add(frame, MSG_LBUTTONDOWN, 1, p);
            add(frame + 1, MSG_LBUTTONUP, 0, p);
        } else if (verb == "press") {
            add(frame, MSG_LBUTTONDOWN, 1, p);
        } else if (verb == "drag") {
            add(frame, MSG_MOUSEMOVE, 1, p);
        } else if (verb == "move") {
            add(frame, MSG_MOUSEMOVE, 0, p);
        } else {
            add(frame, MSG_LBUTTONUP, 0, p);
        }
        return true;
    }
    if (verb == "quit") {
        add(frame, MSG_DESTROY, 0, 0);
        return true;
    }
    // What the window system says besides input: recorded runs carry it.
    if (verb == "activate") {
        long state;
        if (!(in >> state) || state < 0 || state > 0x1FFFF) {
            *reason = "expected: activate STATE (0, 1 or 2, plus 65536 when minimised)";
            return false;
        }
        add(frame, MSG_ACTIVATE, uint32_t(state), 0);
        return true;
    }
    if (verb == "focus") {
        std::string how;
        if (!(in >> how) || (how != "gained" && how != "lost")) {
            *reason = "expected: focus gained|lost";
            return false;
        }
        add(frame, how == "gained" ? MSG_SETFOCUS : MSG_KILLFOCUS, 0, 0);
        return true;
    }
    if (verb == "paint") {
        add(frame, MSG_PAINT, 0, 0);
        return true;
    }
    *reason = "unknown event '" + verb + "'";
    return false;
}

bool InputScript::load(const std::string& path)
{
    const TextRead read = read_text_lines(path, "Input script", [this](const TextLine& line, std::string* reason) {
        return parse_line(line.text, reason);
    });
    if (read == TextRead::NotOpened) {
        log_msg("Couldn't open input script %s.", path.c_str());
        return false;
    }
    std::stable_sort(events_.begin(), events_.end(),
                     [](const ScriptedEvent& a, const ScriptedEvent& b) { return a.frame < b.frame; });
    next_ = 0;
    return true;
}

bool format_event(const Message& msg, std::string* out)
{
    const uint32_t x = msg.lParam & 0xFFFF, y = msg.lParam >> 16;
    const std::string point = std::to_string(x) + " " + std::to_string(y);
    switch (msg.type) {
    case MSG_KEYDOWN:
    case MSG_KEYUP:
        if (const char* name = button_name(msg.wParam)) {
            *out = std::string("key ") + (msg.type == MSG_KEYDOWN ? "down " : "up ") + name;
            return true;
        }
        return false;
    case MSG_MOUSEMOVE: *out = (msg.wParam ? "drag " : "move ") + point; return true;
    case MSG_LBUTTONDOWN: *out = "press " + point; return true;
    case MSG_LBUTTONUP: *out = "release " + point; return true;
    case MSG_ACTIVATE: *out = "activate " + std::to_string(msg.wParam); return true;
    case MSG_SETFOCUS: *out = "focus gained"; return true;
    case MSG_KILLFOCUS: *out = "focus lost"; return true;
    case MSG_PAINT: *out = "paint"; return true;
    case MSG_DESTROY: *out = "quit"; return true;
    default: return false;
    }
}

void InputScript::post_for_frame(long frame)
{
    while (next_ < events_.size() && events_[next_].frame <= frame) events_post(events_[next_++].message);
}
