// The built-in player (--autoplay): looks at the game list and plays only through posted input messages.
#pragma once

// Once a frame, before the frame runs: decides and posts at most one input message (stylus press, drag or
// release, a direction key down or up, an A/B/C press). Seeks and fights monsters, takes what they drop,
// walks into the time gate, and taps its way past the story screens.
void autoplay_frame();
