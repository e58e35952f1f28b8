// The message queue: the window system's events and posted messages, one handed out per frame.
#include "platform/events.h"
#include <deque>
#include "platform/backend.h"
#include "platform/quit_signals.h"
#include "util/log.h"

static std::deque<Message> g_queue;
static MessageWatcher g_watcher = nullptr;
static bool g_window_input = true;

// Consecutive stylus moves collapse into the latest, so input never lags behind.
static void append(const Message& msg)
{
    if (msg.type == MSG_MOUSEMOVE && !g_queue.empty() && g_queue.back().type == MSG_MOUSEMOVE) {
        g_queue.back() = msg;
        return;
    }
    g_queue.push_back(msg);
}

// The window system's messages, as they enter the queue.
static void pump_window_system()
{
    if (g_window_input && !g_watcher) {
        backend().pump(g_queue);
        return;
    }
    std::deque<Message> fresh;
    backend().pump(fresh);
    for (const Message& m : fresh) {
        if (!g_window_input && m.type != MSG_DESTROY) continue;
        if (g_watcher) g_watcher(m);
        append(m);
    }
}

// What the window system has, and a quit signal as the destroy message closing the window would bring.
static void collect()
{
    pump_window_system();
    if (int sig = quit_signal_take()) {
        log_msg("Signal %d (%s) asks the game to quit.", sig, quit_signal_name(sig));
        Message m;
        m.type = MSG_DESTROY;
        if (g_watcher) g_watcher(m);
        append(m);
    }
}

bool events_peek()
{
    collect();
    return !g_queue.empty();
}

bool events_get(Message* out)
{
    if (g_queue.empty()) collect();
    if (g_queue.empty()) {
        *out = Message{};
        return true;
    }
    *out = g_queue.front();
    g_queue.pop_front();
    return out->type != MSG_QUIT;
}

void events_post(const Message& msg)
{
    if (g_watcher) g_watcher(msg);
    append(msg);
}

void post_quit_message(int code)
{
    Message m;
    m.type = MSG_QUIT;
    m.wParam = uint32_t(code);
    g_queue.push_back(m);
}

void events_wait()
{
    if (g_queue.empty()) backend().wait_for_event();
}

void events_watch(MessageWatcher watcher) { g_watcher = watcher; }

void events_take_window_input(bool on) { g_window_input = on; }
