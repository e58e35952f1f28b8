// The application frame: start-up, the main loop, the window procedure, suspend, resume and shutdown.
#pragma once
#include "app/command_line.h"
#include "platform/events.h"

// The main function: runs the game with these arguments and returns the process exit code.
int vorlaine_main(int argc, char** argv);
void run_frame();
void window_proc(const Message& msg);
void suspend_game();
void resume_game();
void shutdown();
// Fills both program-folder fields of AppState (the --data folder, or the executable's).
void compute_program_folder();
const LaunchOptions& launch_options();
