// Writes RIFF WAVE files (PCM, 8-bit unsigned or 16-bit signed, mono or stereo).
#include "formats/wav_writer.h"
#include "formats/file_out.h"
#include <algorithm>
#include <cmath>
#include <cstdint>

static void put32(std::vector<uint8_t>& v, uint32_t x)
{
    for (int i = 0; i < 4; i++) v.push_back(uint8_t(x >> (8 * i)));
}
static void put16(std::vector<uint8_t>& v, uint16_t x)
{
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
static void tag(std::vector<uint8_t>& v, const char* t)
{
    for (int i = 0; i < 4; i++) v.push_back(uint8_t(t[i]));
}

bool write_wav(const std::string& path, const WaveFormat& fmt, const std::vector<float>& left, const std::vector<float>& right)
{
    if ((fmt.bits != 8 && fmt.bits != 16) || (fmt.channels != 1 && fmt.channels != 2) || fmt.rate <= 0) return false;
    size_t frames = left.size();
    uint32_t block = uint32_t(fmt.channels * fmt.bits / 8);
    uint32_t data_size = uint32_t(frames) * block;
    std::vector<uint8_t> out;
    out.reserve(44 + data_size + 1);
    tag(out, "RIFF");
    put32(out, 36 + data_size + (data_size & 1));
    tag(out, "WAVE");
    tag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);
    put16(out, uint16_t(fmt.channels));
    put32(out, uint32_t(fmt.rate));
    put32(out, uint32_t(fmt.rate) * block);
    put16(out, uint16_t(block));
    put16(out, uint16_t(fmt.bits));
    tag(out, "data");
    put32(out, data_size);
    // A tiny repeatable dither keeps quiet tails from buzzing in 8 bits.
    uint32_t seed = 0x1234567u;
    auto tpdf = [&]() {
        seed = seed * 1664525u + 1013904223u;
        float a = float(seed >> 8) / 16777216.0f;
        seed = seed * 1664525u + 1013904223u;
        float b = float(seed >> 8) / 16777216.0f;
        return a - b;
    };
    for (size_t i = 0; i < frames; i++)
        for (int ch = 0; ch < fmt.channels; ch++) {
            float s = (ch == 1 && right.size() == frames) ? right[i] : left[i];
            s = std::clamp(s, -1.0f, 1.0f);
            if (fmt.bits == 8) {
                long v = std::lround(128.0f + s * 127.0f + tpdf() * 0.5f);
                out.push_back(uint8_t(std::clamp(v, 0L, 255L)));
            } else {
                long v = std::lround(s * 32767.0f);
                put16(out, uint16_t(int16_t(std::clamp(v, -32768L, 32767L))));
            }
        }
    if (data_size & 1) out.push_back(0);
    return write_file(path, out);
}
