// The built-in player (--autoplay), level half: looks at the game list and plays only through posted input.
#pragma once

// Once a frame, before the frame runs: decides and posts at most one input message (stylus press, drag or
// release, a direction key down or up, an A/B/C press). Seeks and fights monsters, takes what they drop,
// walks into the time gate. The main loop calls it on the game screen while the hero lives; the menus'
// half (game/autoplayer_menus.h) has the other screens and leaves a lost level.
void autoplay_frame();
