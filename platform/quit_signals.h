// Signals that ask the game to quit (SIGINT, SIGTERM, SIGHUP): they close the window as its close button does.
#pragma once

// Catches the quit signals from now on, whatever the process inherited: a shell starts a background job
// with SIGINT ignored, and SDL would only catch what was left at the default.
void quit_signals_install();
// Gives back what was there before.
void quit_signals_restore();
// The signal that asked to quit since the last call, or 0.
int quit_signal_take();
// Its short name ("INT", "TERM", "HUP") for the log; a browser's C library has no sigabbrev_np.
const char* quit_signal_name(int sig);
