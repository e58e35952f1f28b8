// The built-in player's menu half: taps its way from the title into the highest unlocked level.
#pragma once

// Once a frame, before the frame runs. On a menu screen (title, options, level select, story, ending), and
// on the game screen once the heroine has fallen (it quits to the title a few seconds later), it may post a
// tap at a real button position and returns true, so the level half stays out of the way; while the
// heroine lives it does nothing and returns false.
bool autoplay_menus_step();
