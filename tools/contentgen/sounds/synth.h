// Small synthesis kit for the game's sounds: oscillators, noise, envelopes, filters, voices and reverb.
#pragma once
#include "paint/image.h"
#include "paint/noise.h"
#include <cmath>
#include <string>
#include <vector>

constexpr float TAU = 6.28318530718f;

// A stereo sound being built at one sample rate.
struct Sound {
    int rate = 22050;
    std::vector<float> l, r;
    Sound(int sample_rate, float seconds) : rate(sample_rate), l(size_t(float(sample_rate) * seconds), 0.0f), r(l.size(), 0.0f) {}
    size_t size() const { return l.size(); }
    float seconds() const { return float(l.size()) / float(rate); }
    // Adds a sample with a pan position (-1 left .. 1 right), equal-power.
    void add(size_t i, float v, float pan = 0.0f)
    {
        if (i >= l.size()) return;
        float a = (pan + 1.0f) * 0.25f * 3.14159265f;
        l[i] += v * std::cos(a) * 1.41421f;
        r[i] += v * std::sin(a) * 1.41421f;
    }
    // Adds a mono buffer starting at a time, panned.
    void mix_in(const std::vector<float>& mono, float at_seconds, float gain = 1.0f, float pan = 0.0f, bool wrap = false);
    void mix_in(const Sound& other, float at_seconds, float gain = 1.0f, bool wrap = false);
};

// Phase accumulating oscillator with band-limited saw and square (polyBLEP).
class Osc {
public:
    explicit Osc(int rate) : rate_(float(rate)) {}
    float sine(float freq) { return std::sin(TAU * step(freq)); }
    float tri(float freq)
    {
        float p = step(freq);
        return 4.0f * std::fabs(p - 0.5f) - 1.0f;
    }
    float saw(float freq);
    float square(float freq, float width = 0.5f);
    float phase() const { return phase_; }
    void set_phase(float p) { phase_ = p; }

private:
    float step(float freq)
    {
        float p = phase_;
        inc_ = freq / rate_;
        phase_ += inc_;
        phase_ -= std::floor(phase_);
        return p;
    }
    float rate_;
    float phase_ = 0, inc_ = 0;
};

class Noise {
public:
    explicit Noise(uint32_t seed) : rng_(seed) {}
    float white() { return rng_.unit() * 2.0f - 1.0f; }
    float pink();
    float brown();
    Rng& rng() { return rng_; }

private:
    Rng rng_;
    float b0_ = 0, b1_ = 0, b2_ = 0, b3_ = 0, b4_ = 0, b5_ = 0, b6_ = 0, br_ = 0;
};

// Zero-delay state-variable filter; cutoff and resonance may change every sample.
class Svf {
public:
    explicit Svf(int rate) : rate_(float(rate)) {}
    void set(float cutoff, float q);
    // Processes one sample; read lp, bp, hp afterwards.
    void run(float x);
    float lp() const { return lp_; }
    float bp() const { return bp_; }
    float hp() const { return hp_; }
    float lowpass(float x, float cutoff, float q = 0.707f)
    {
        set(cutoff, q);
        run(x);
        return lp_;
    }
    float bandpass(float x, float cutoff, float q)
    {
        set(cutoff, q);
        run(x);
        return bp_;
    }
    float highpass(float x, float cutoff, float q = 0.707f)
    {
        set(cutoff, q);
        run(x);
        return hp_;
    }

private:
    float rate_, g_ = 0, k_ = 1, ic1_ = 0, ic2_ = 0, lp_ = 0, bp_ = 0, hp_ = 0;
};

// Envelopes (t in seconds).
float env_adsr(float t, float len, float a, float d, float s, float r);
inline float env_perc(float t, float attack, float decay)
{
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}
// Smooth rise and fall over a length (for swells).
inline float env_bell(float t, float len)
{
    if (t < 0 || t > len) return 0;
    return std::sin(3.14159265f * t / len);
}
inline float midi_hz(float note) { return 440.0f * std::pow(2.0f, (note - 69.0f) / 12.0f); }

// A sung or growled vowel: glottal pulse through three formants, with breath noise.
struct VoiceShape {
    float f0_start = 200, f0_end = 150;  // pitch glide (Hz)
    float f0_curve = 1.0f;               // >1 holds the start pitch longer
    float vibrato = 0, vibrato_rate = 5.5f;
    float jitter = 0;                    // random pitch wobble (fraction)
    float formant_start[3] = {800, 1200, 2800};
    float formant_end[3] = {800, 1200, 2800};
    float formant_scale = 1.0f;          // < 1 for big creatures
    float breath = 0.08f;                // aspiration noise
    float growl = 0;                     // rough sub-harmonic modulation
    float drive = 0;                     // saturation
    float attack = 0.02f, release = 0.15f;
};
std::vector<float> voice(int rate, float seconds, const VoiceShape& v, uint32_t seed);

// Plucked string (Karplus-Strong) of a given pitch.
std::vector<float> pluck(int rate, float freq, float seconds, float brightness, uint32_t seed);
// Struck bell or glass: inharmonic partials with their own decays.
std::vector<float> bell(int rate, float freq, float seconds, float brightness);

// Plate-like stereo reverb. With loop set, the tail of the end wraps into the start (seamless loops).
void reverb(Sound& s, float room, float damp, float wet, bool loop = false);
// Feedback echo, for distant booms.
void echo(Sound& s, float delay_s, float feedback, float wet);
void normalise(Sound& s, float peak);
void fade_edges(Sound& s, float in_s, float out_s);
// The closing chain of a recipe, always in this order: saturation, reverb, fading the edges, normalising.
// A zero saturation, wet level or fade pair leaves that step out.
struct Finish {
    float saturate = 0;
    float room = 0, damp = 0, wet = 0;
    bool loop = false;
    float fade_in = 0, fade_out = 0;
    float peak = 0.9f;
};
void finish(Sound& s, const Finish& f);
// Soft saturation.
inline float drive(float x, float amount) { return amount <= 0 ? x : std::tanh(x * (1.0f + amount)) / std::tanh(1.0f + amount); }
inline void saturate(Sound& s, float amount)
{
    for (size_t i = 0; i < s.size(); i++) {
        s.l[i] = drive(s.l[i], amount);
        s.r[i] = drive(s.r[i], amount);
    }
}

enum class Storage { Pcm8Mono22, Pcm8Stereo22, Pcm16Mono22, Pcm16Stereo44 };
// Writes the sound under the program folder in the chosen layout (resampled when needed).
bool save_sound(const std::string& out_root, const std::string& name, const Sound& s, Storage storage);
