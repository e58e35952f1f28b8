// Writes RIFF WAVE files (PCM, 8-bit unsigned or 16-bit signed, mono or stereo).
#pragma once
#include <string>
#include <vector>

struct WaveFormat {
    int rate = 22050;
    int bits = 8;      // 8 or 16
    int channels = 1;  // 1 or 2
};

// left/right: samples in -1..1 at the format's rate; right is ignored for mono and may be empty
// (then the left channel is used for both sides).
bool write_wav(const std::string& path, const WaveFormat& fmt, const std::vector<float>& left, const std::vector<float>& right);
