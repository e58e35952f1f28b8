// Signals that ask the game to quit (SIGINT, SIGTERM, SIGHUP): they close the window as its close button does.
#include "platform/quit_signals.h"
#include <SDL.h>
#include <signal.h>
#include <csignal>

namespace {
constexpr int kQuitSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kCount = int(sizeof kQuitSignals / sizeof kQuitSignals[0]);

volatile std::sig_atomic_t g_asked = 0;
struct sigaction g_previous[kCount];
bool g_installed = false;

void on_quit_signal(int sig) { g_asked = sig; }
}  // namespace

void quit_signals_install()
{
    // SDL's own handlers would turn the signal into an event that only the window's pump reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (g_installed) return;
    struct sigaction action {};
    action.sa_handler = on_quit_signal;
    sigemptyset(&action.sa_mask);
    // A second signal while the game winds down ends it the hard way.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int i = 0; i < kCount; i++) sigaction(kQuitSignals[i], &action, &g_previous[i]);
    g_installed = true;
}

void quit_signals_restore()
{
    if (!g_installed) return;
    for (int i = 0; i < kCount; i++) sigaction(kQuitSignals[i], &g_previous[i], nullptr);
    g_installed = false;
}

int quit_signal_take()
{
    int sig = g_asked;
    if (sig) g_asked = 0;
    return sig;
}

const char* quit_signal_name(int sig)
{
    switch (sig) {
    case SIGINT: return "INT";
    case SIGTERM: return "TERM";
    case SIGHUP: return "HUP";
    default: return "?";
    }
}
