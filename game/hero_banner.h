// The game-over banner, kept apart from the hero because scene sprites and actors cannot share a source file.
#pragma once
#include <cstdint>

class CThingList;

// "graphics\interface\GameOver.png" sliding in from the left (top-left at -224, 100, moving 232 right at
// 0.51), sort key 500. Its id, or 0.
uint32_t add_game_over_banner(CThingList* list);
