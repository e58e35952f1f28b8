// In a browser the player's folders live in IndexedDB: each saved file is stored there at once.
#include "platform/saved_files.h"
#include <emscripten.h>

void sys_file_saved(const char* path)
{
    // The page's storage script knows the folders it mounted (web/storage.js).
    EM_ASM({ if (Module.vorlaineFileSaved) Module.vorlaineFileSaved(UTF8ToString($0)); }, path);
}
