// Repeatable random numbers and tileable noise for painting and sound.
#pragma once
#include <cstdint>

inline uint32_t hash32(uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}
inline uint32_t hash3(int a, int b, uint32_t seed)
{
    return hash32(uint32_t(a) * 0x9E3779B1U ^ hash32(uint32_t(b) * 0x85EBCA77U ^ seed));
}
// Uniform 0..1 from a lattice point.
inline float hash01(int a, int b, uint32_t seed) { return float(hash3(a, b, seed) >> 8) * (1.0f / 16777216.0f); }

// A small deterministic generator (xorshift) so that every run paints the same picture.
class Rng {
public:
    explicit Rng(uint32_t seed) : s_(hash32(seed) | 1u) {}
    uint32_t next()
    {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return s_;
    }
    float unit() { return float(next() >> 8) * (1.0f / 16777216.0f); }
    float range(float lo, float hi) { return lo + (hi - lo) * unit(); }
    int below(int n) { return n <= 0 ? 0 : int(next() % uint32_t(n)); }

private:
    uint32_t s_;
};

// Smooth value noise in 0..1. With period > 0 the x axis repeats every `period` lattice cells.
float value_noise(float x, float y, uint32_t seed, int period = 0);
// Fractal sum of octaves in 0..1; each octave doubles the frequency and the period.
float fbm(float x, float y, uint32_t seed, int octaves, int period = 0, float gain = 0.5f);
// Ridged variant (sharp creases) for rock, bark and lightning.
float ridged(float x, float y, uint32_t seed, int octaves, int period = 0);
