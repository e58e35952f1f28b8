// The executable's folder in a browser: the page lays its files out as an install under /usr, so the game
// finds its data relative to this folder as an installed copy does.
#include "platform/files.h"

#ifndef VORLAINE_WEB_BINDIR
#define VORLAINE_WEB_BINDIR "/usr/games/"
#endif

std::string sys_executable_folder() { return VORLAINE_WEB_BINDIR; }
