// Where debug lines go: standard error, or a file named on the command line.
#pragma once
#include <string>

bool debug_output_open(const std::string& path);
void debug_output_close();
// Drops every debug line from now on (a data check prints its own findings and nothing else).
void debug_output_silence();
