// The sprite scanner with creation: every template the level file makes becomes a thing in the list.
#include "level/level_scan.h"

bool scan_sprites(LevelScript& script, CThingList& list)
{
    std::vector<SpriteTemplate> created;
    if (!read_sprites(script, created))
        return false;
    for (const SpriteTemplate& sprite : created)
        sprite_create(sprite, list);
    return true;
}
