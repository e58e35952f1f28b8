// Test helpers for sound: WAVE files built chunk by chunk, tones, pitch measurement and log capture.
#pragma once
#include "support/log_capture.h"
#include <cstdint>
#include <string>
#include <vector>

// A RIFF WAVE file assembled from chunks in the order given.
class WaveBuilder {
public:
    WaveBuilder& chunk(const char id[4], const std::vector<uint8_t>& body);
    // A "fmt " chunk; body_size 16 writes the short form without the extra size field.
    WaveBuilder& fmt(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, int body_size = 16);
    WaveBuilder& data(const std::vector<uint8_t>& samples) { return chunk("data", samples); }
    std::vector<uint8_t> bytes() const;

private:
    std::vector<uint8_t> chunks_;
};

// A plain 8-bit file at 22050 Hz: the mixer's own format.
std::vector<uint8_t> wave_u8(uint16_t channels, const std::vector<uint8_t>& samples);

// A sine on each channel, of its own frequency, channels interleaved: bits 8 gives unsigned samples around 128,
// bits 16 signed ones.
std::vector<uint8_t> tone(const std::vector<double>& freqs, uint32_t rate, int frames, int bits, int amplitude);

// The frequency of an 8-bit signal (one channel of interleaved frames) from its rising crossings of 128.
double measured_frequency(const uint8_t* samples, size_t frames, int channels, int channel, uint32_t rate);

