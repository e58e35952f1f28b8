// The mixing arithmetic: copying or averaging one chunk of a sound into an output buffer, and the shaping curve.
#pragma once
#include <cstdint>

// Spreads a value away from the centre to make up for the level an average loses.
uint8_t mix_shape(uint32_t x);

// Mixes `frames` frames of src (stereo or mono) into out (stereo or mono device) as the channel with mix
// index k: k = 0 copies, k >= 1 averages with what k channels left there and shapes. Returns the output
// bytes covered.
uint32_t mixer_mix_chunk(uint8_t* out, uint32_t k, const uint8_t* src, uint32_t frames, bool src_stereo,
                         bool device_stereo);
