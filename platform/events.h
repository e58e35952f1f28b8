// The message queue in the window procedure's terms: at most one message is handled per frame.
#pragma once
#include <cstdint>

enum MessageType : uint32_t {
    MSG_NONE = 0,
    MSG_KEYDOWN,      // wParam: key code
    MSG_KEYUP,        // wParam: key code
    MSG_MOUSEMOVE,    // lParam: packed point, x low 16 bits, y high 16 bits
    MSG_LBUTTONDOWN,  // lParam: packed point
    MSG_LBUTTONUP,    // lParam: packed point
    MSG_ACTIVATE,     // wParam: low word 0 inactive, 1 active, 2 click-active; high word minimised
    MSG_SETFOCUS,
    MSG_KILLFOCUS,
    MSG_PAINT,
    MSG_DESTROY,
    MSG_QUIT,
};

struct Message {
    MessageType type = MSG_NONE;
    uint32_t wParam = 0;
    uint32_t lParam = 0;
};

inline uint32_t pack_point(int x, int y) { return (uint32_t(uint16_t(y)) << 16) | uint16_t(x); }

// Collects what the window system has (merging consecutive stylus moves) and says whether a message waits.
bool events_peek();
// Takes the next message; false when it is the quit message.
bool events_get(Message* out);
// Adds a message at the end of the queue (scripted input, the built-in player).
void events_post(const Message& msg);
void post_quit_message(int code);
// Blocks until the window system has something to say (used while the game is suspended).
void events_wait();

// Told of every message as it enters the queue from the window system or events_post (recording a run).
using MessageWatcher = void (*)(const Message& msg);
void events_watch(MessageWatcher watcher);
// Off: the window system's messages are dropped, except that closing the window still ends the run (a
// replay brings its own).
void events_take_window_input(bool on);
