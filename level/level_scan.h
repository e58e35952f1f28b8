// The hard box and sprite scanners of a level file: they read its lines into plain records.
#pragma once
#include <cstdint>
#include <vector>

#include "level/level_script.h"
#include "util/numeric.h"

class CThingList;

// One add_hardbox line: the rectangle and its value (non-zero: walkable).
struct HardBoxLine {
    Rect rect;
    int32_t value = 0;
};

// Reads the add_hardbox lines of the script's level into boxes (appended in file order). False, with a
// log line, when no level is loaded or its file cannot be opened.
bool read_hard_boxes(const LevelScript& script, std::vector<HardBoxLine>& boxes);

// Runs the sprite scanner: its statements change script.sprite and the ambient, boss-intro and intro-text
// fields; every sprite_create appends a copy of the template at that moment to created. False as above.
bool read_sprites(LevelScript& script, std::vector<SpriteTemplate>& created);

// "up_left" 0, "centered" 1, "down_middle" 2; any other word keeps current.
int32_t orientation_from_word(const char* word, int32_t current);
// The sort key a created sprite gets: the template's, or y plus the picture height when that is -1.
int32_t sprite_sort_key(const SpriteTemplate& sprite, int32_t pictureHeight);

// Provided by the scene-sprite code: builds the scenery sprite or cannon one template describes, adds it
// to list, sets its orientation, playfield placement and sprite_sort_key. The new id, or -1.
int32_t sprite_create(const SpriteTemplate& sprite, CThingList& list);
// The sprite scanner with creation: read_sprites, then sprite_create for each template in file order.
bool scan_sprites(LevelScript& script, CThingList& list);
