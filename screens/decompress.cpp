// The first-start unpacking: every creature archive into its folder, each archive deleted after.
#include "screens/decompress.h"
#include <cstdio>
#include "app/app_state.h"
#include "app/menu_click.h"
#include "game/thing_list.h"
#include "graphics/display.h"
#include "platform/files.h"
#include "resources/resource_file.h"
#include "util/log.h"
#include "util/strings.h"

// gmean goes last: an interrupted first start still finds its archive and runs the whole check again.
const char* const kCreatureFolders[kCreatureArchiveCount] = {"ant", "snow", "zombie", "gmean"};
const char* const kDecompressPicture = "graphics\\interface\\decompress.png";

void creature_archive_name(const char* folder, char* out, size_t outSize)
{
    std::snprintf(out, outSize, "graphics\\%s\\%s.zip", folder, folder);
}

void decompress_graphics()
{
    char trigger[256];
    char path[512];
    creature_archive_name(kCreatureFolders[kCreatureArchiveCount - 1], trigger, sizeof trigger);
    std::snprintf(path, sizeof path, "%s%s", AppState.programDir, trigger);
    if (!file_exists(path)) return;
    log_msg("Decompressing graphics.");

    // The picture stays on the display while the work runs.
    load_screen_picture(kDecompressPicture, AppState.backBuffer);
    MenuList.think_all();
    MenuList.draw_all();
    present();

    for (const char* name : kCreatureFolders) {
        char archive[256];
        creature_archive_name(name, archive, sizeof archive);
        std::snprintf(path, sizeof path, "%s%s", AppState.programDir, archive);
        if (!file_exists(path)) {
            log_msg("Can't unzip %s.", path);
            continue;
        }
        ResourceFile unpack;
        std::snprintf(unpack.target_folder, sizeof unpack.target_folder, "graphics\\%s", name);
        unpack.extract_all(path);
        // Deleted whatever the extraction made of it, so the unpacking runs once.
        if (!sys_remove(path)) log_msg("Couldn't delete %s.", path);
    }
}
