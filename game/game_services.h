// Services the game screen offers every entity, reaching their targets through the well-known id table.
#pragma once
#include <cstdint>

// The message line shows text for ms milliseconds; nothing without a game list or a message line.
void show_message(const char* text, uint32_t ms);
// The ambient sounds fall silent for ms milliseconds; nothing without a game list or an ambient-sound thing.
void mute_ambient(uint32_t ms);
