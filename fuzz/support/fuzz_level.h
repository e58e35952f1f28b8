// The level script targets' common ground: the level file, the pictures the seed scripts name, load_level.
#pragma once
#include <cstddef>
#include <cstdint>

// Writes the input as logic\levels\level1.txt and prepares level 1 the way the game does: reset, the
// settings scanner, then what level start takes from the script before it builds anything (the
// playfield's numbers and rectangle, the spawn numbers). Aborts when the level could not be read.
// The first call sets the ground: small pictures under the names the seed scripts use (a still picture,
// an animation strip, a cannon strip), the back buffer and still background, a 720 x 320 playfield.
void fuzz_load_level(const uint8_t* data, size_t size);
