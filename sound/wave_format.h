// The sample format of a sound: the fields of a WAVE file's "fmt " chunk, and the mixer's fixed format.
#pragma once
#include <cstdint>

constexpr uint16_t kWaveFormatPcm = 1;
constexpr uint16_t kWaveFormatFloat = 3;

struct WaveFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint16_t extraSize = 0;
};

// The only format the mixer plays: unsigned 8-bit PCM at 22050 samples a second (silence is 128).
constexpr uint32_t kMixRate = 22050;
constexpr uint16_t kMixBits = 8;
constexpr uint8_t kSilence = 128;

// PCM with the given bits, channels and rate; block alignment and byte rate to match.
WaveFormat pcm_format(uint16_t bits, uint16_t channels, uint32_t rate);
