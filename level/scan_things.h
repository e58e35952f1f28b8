// The scanners' thing-making half: hard boxes into the playfield (sprite_create is declared in level_scan.h).
#pragma once
#include "level/level_script.h"

// Adds the level file's add_hardbox rectangles to the playfield's hard boxes, in file order.
// False, with a log line, when no level is loaded or its file cannot be opened.
bool scan_hard_boxes(const LevelScript& script);
