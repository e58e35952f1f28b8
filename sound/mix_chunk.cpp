// The mixing arithmetic: copying or averaging one chunk of a sound into an output buffer, and the shaping curve.
#include "sound/mix_chunk.h"

uint8_t mix_shape(uint32_t x)
{
    if (x < 16) return 0;
    if (x < 128) return uint8_t(x - ((128 - x) >> 3));
    if (x == 128) return 128;
    if (x <= 240) return uint8_t(x + ((x - 128) >> 3));
    return 255;
}

uint32_t mixer_mix_chunk(uint8_t* out, uint32_t k, const uint8_t* src, uint32_t frames, bool src_stereo,
                         bool device_stereo)
{
    const uint32_t s = src_stereo ? 2 : 1;
    const uint32_t k1 = k + 1;
    for (uint32_t f = 0; f < frames; f++) {
        const uint32_t a = src[f * s];
        const uint32_t b = src_stereo ? src[f * s + 1] : a;
        if (device_stereo) {
            uint8_t* o = out + f * 2;
            if (k == 0) {
                o[0] = uint8_t(a);
                o[1] = uint8_t(b);
            } else {
                o[0] = mix_shape((o[0] * k + a) / k1);
                o[1] = mix_shape((o[1] * k + b) / k1);
            }
        } else {
            const uint32_t m = src_stereo ? (a + b) >> 1 : a;
            out[f] = k == 0 ? uint8_t(m) : mix_shape((out[f] * k + m) / k1);
        }
    }
    return frames * (device_stereo ? 2 : 1);
}
