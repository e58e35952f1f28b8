// The executable: everything else lives in the core library.
#include "app/app.h"
#include "platform/debug_output_file.h"

// Before any static object of the game is built (they log, and --log is not read yet), so their lines wait
// for the log the command line names.
__attribute__((constructor(101))) static void hold_early_log_lines() { debug_output_hold(); }

int main(int argc, char** argv) { return vorlaine_main(argc, argv); }
