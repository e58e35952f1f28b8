// The wave-output device's master volume word: read at start, set from the options screen.
#pragma once
#include <cstdint>

// Left channel in the low 16 bits, right in the high 16 bits, 0..65535 each. When the device cannot tell,
// the failure is reported and full volume on both channels is returned.
uint32_t get_volume();
void set_volume(uint32_t left, uint32_t right);
