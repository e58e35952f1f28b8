// The banner shown when the hero reaches the time gate, kept apart from the gate because scene sprites and actors cannot share a source file.
#pragma once
#include <cstdint>

class CThingList;

// "graphics\interface\gate.tga" centred at (120, 160) on the screen, sort key 500. Its id, or 0.
uint32_t add_gate_banner(CThingList* list);
