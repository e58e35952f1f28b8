// Where debug lines go: standard error, or a file named on the command line.
#pragma once
#include <string>

// Holds every line back until debug_output_open chooses where they go. The game calls it before its static
// objects are built, whose lines come before the command line names the log; without it lines go to
// standard error until a choice is made.
void debug_output_hold();
// Chooses where every line goes from now on: the file at path (emptied first when truncate is set), or
// standard error when path is empty or cannot be opened (false then). Lines held back go there first.
bool debug_output_open(const std::string& path, bool truncate = true);
// Back to standard error.
void debug_output_close();
// Drops every debug line from now on (a data check prints its own findings and nothing else).
void debug_output_silence();
