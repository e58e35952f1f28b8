// The whole data check of a program folder, and the --check-data command that prints it.
#pragma once
#include <cstdio>
#include <string>

struct CheckContext;

// Checks the data under AppState.programDir the way the game would read it: the level scripts (levels 1 to
// 12, any other level file and every level next_level reaches) and their chains, the files the game's own
// tables name, the creature archives and the career file. The problems end up sorted in context.report.
void check_data_folder(CheckContext& context);

// --check-data [DIR]: checks DIR (the executable's folder when empty) and prints one line per problem, then
// the count, to out. 0 when no error was found, 1 otherwise.
int check_data_main(const std::string& dir, FILE* out);
// The command as the game runs it: the game's own debug lines go to logFile, or nowhere when it is empty.
int check_data_command(const std::string& dir, const std::string& logFile);
