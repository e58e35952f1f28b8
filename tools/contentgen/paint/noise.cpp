// Tileable value noise and its fractal sums.
#include "paint/noise.h"
#include <cmath>

static inline float fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

float value_noise(float x, float y, uint32_t seed, int period)
{
    float fx = std::floor(x), fy = std::floor(y);
    int ix = int(fx), iy = int(fy);
    float tx = fade(x - fx), ty = fade(y - fy);
    int ix1 = ix + 1;
    if (period > 0) {
        ix = ((ix % period) + period) % period;
        ix1 = ((ix1 % period) + period) % period;
    }
    float a = hash01(ix, iy, seed), b = hash01(ix1, iy, seed);
    float c = hash01(ix, iy + 1, seed), d = hash01(ix1, iy + 1, seed);
    float top = a + (b - a) * tx, bot = c + (d - c) * tx;
    return top + (bot - top) * ty;
}

float fbm(float x, float y, uint32_t seed, int octaves, int period, float gain)
{
    float sum = 0, amp = 0.5f, norm = 0;
    for (int o = 0; o < octaves; o++) {
        sum += amp * value_noise(x, y, seed + uint32_t(o) * 1013u, period);
        norm += amp;
        x *= 2;
        y *= 2;
        if (period > 0) period *= 2;
        amp *= gain;
    }
    return sum / norm;
}

float ridged(float x, float y, uint32_t seed, int octaves, int period)
{
    float sum = 0, amp = 0.5f, norm = 0;
    for (int o = 0; o < octaves; o++) {
        float n = 1.0f - std::fabs(value_noise(x, y, seed + uint32_t(o) * 7919u, period) * 2 - 1);
        sum += amp * n * n;
        norm += amp;
        x *= 2;
        y *= 2;
        if (period > 0) period *= 2;
        amp *= 0.5f;
    }
    return sum / norm;
}
