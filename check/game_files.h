// Checks of the files the game's own tables name, outside any level script.
#pragma once

struct CheckContext;

// The hero's strips and sounds, every monster kind's strips and sounds, the HUD's pictures and strips, and
// the menu screens' pictures and sounds.
void check_game_files(CheckContext& context);
// The creature archives unpacked on the first start, where they are still present: each opens, and every
// entry reads back whole.
void check_creature_archives(CheckContext& context);
