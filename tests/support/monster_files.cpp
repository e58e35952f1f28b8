// Test helpers for monsters and pickups: writing a kind's strips into a temporary program folder.
#include "support/monster_files.h"

#include "game/monster_kind.h"
#include "support/scene_files.h"
#include "support/temp_folder.h"

std::string data_path(const char* name)
{
    std::string path(name);
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

bool write_kind_strips(const TempFolder& folder, const CMonsterKind& kind, int frames, int attackFrames, int width,
                       int height)
{
    for (int a = 0; a < kMonsterActionCount; a++) {
        const int count = a == ACTION_ATTACK ? attackFrames : frames;
        for (const CGraphicStrip& strip : kind.strips[a].slot) {
            if (strip.mirror || !strip.name[0]) continue;
            if (!write_strip(folder, data_path(strip.name), count, width, height)) return false;
        }
    }
    return true;
}
