// On a desktop a written file is already where it lasts: nothing to do.
#include "platform/saved_files.h"

void sys_file_saved(const char*) {}
