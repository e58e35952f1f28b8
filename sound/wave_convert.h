// The conversion chain that brings a loaded sound to the mixer's format: PCM, then 22050 Hz, then 8 bits.
#pragma once
#include <cstdint>
#include "sound/wave_format.h"

// The largest converted sound accepted (bytes); a file whose conversion would grow past it fails.
constexpr uint64_t kMaxWaveBytes = 32u * 1024 * 1024;
// Outside these rates a file is not sound: resampling it would only cost time and memory, and SDL's
// resampler overflows on ratios far beyond them.
constexpr uint32_t kMinWaveRate = 1000;
constexpr uint32_t kMaxWaveRate = 768000;

// Converts length bytes of data in *format to 8-bit PCM at 22050 Hz with the same channel count. On success
// *out is a new heap block (free with std::free) of *out_length bytes, a whole number of frames, and
// *format holds the new format. On failure nothing is allocated and *format is unchanged.
bool wave_set_data(WaveFormat* format, const uint8_t* data, uint32_t length, uint8_t** out, uint32_t* out_length);
