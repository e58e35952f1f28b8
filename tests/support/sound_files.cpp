// Test helpers for sound: WAVE files built chunk by chunk, tones, pitch measurement and log capture.
#include "support/sound_files.h"
#include <cmath>
#include <cstring>
#include "platform/debug_output_file.h"
#include "support/temp_folder.h"

static void put_u16(std::vector<uint8_t>& v, uint32_t x)
{
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}

static void put_u32(std::vector<uint8_t>& v, uint32_t x)
{
    put_u16(v, x & 0xFFFF);
    put_u16(v, x >> 16);
}

WaveBuilder& WaveBuilder::chunk(const char id[4], const std::vector<uint8_t>& body)
{
    chunks_.insert(chunks_.end(), id, id + 4);
    put_u32(chunks_, uint32_t(body.size()));
    chunks_.insert(chunks_.end(), body.begin(), body.end());
    return *this;
}

WaveBuilder& WaveBuilder::fmt(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, int body_size)
{
    std::vector<uint8_t> body;
    put_u16(body, tag);
    put_u16(body, channels);
    put_u32(body, rate);
    put_u32(body, rate * channels * (bits / 8));
    put_u16(body, uint16_t(channels * (bits / 8)));
    put_u16(body, bits);
    while (int(body.size()) < body_size) body.push_back(0);
    body.resize(size_t(body_size));
    return chunk("fmt ", body);
}

std::vector<uint8_t> WaveBuilder::bytes() const
{
    std::vector<uint8_t> out = {'R', 'I', 'F', 'F'};
    put_u32(out, uint32_t(4 + chunks_.size()));
    out.insert(out.end(), {'W', 'A', 'V', 'E'});
    out.insert(out.end(), chunks_.begin(), chunks_.end());
    return out;
}

std::vector<uint8_t> wave_u8(uint16_t channels, const std::vector<uint8_t>& samples)
{
    return WaveBuilder().fmt(1, channels, 22050, 8).data(samples).bytes();
}

std::vector<uint8_t> tone(const std::vector<double>& freqs, uint32_t rate, int frames, int bits, int amplitude)
{
    std::vector<uint8_t> out;
    for (int i = 0; i < frames; i++)
        for (double freq : freqs) {
            const int v = int(std::lround(amplitude * std::sin(2 * M_PI * freq * i / rate)));
            if (bits == 8) out.push_back(uint8_t(128 + v));
            else put_u16(out, uint16_t(int16_t(v)));
        }
    return out;
}

double measured_frequency(const uint8_t* samples, size_t frames, int channels, int channel, uint32_t rate)
{
    // Rising crossings, with a little hysteresis so rounding noise near 128 is not counted.
    long first = -1, last = -1;
    int crossings = 0;
    bool low = false;
    for (size_t i = 0; i < frames; i++) {
        const int v = samples[i * size_t(channels) + size_t(channel)];
        if (v < 124) low = true;
        if (low && v >= 128) {
            low = false;
            if (first < 0) first = long(i);
            else crossings++;
            last = long(i);
        }
    }
    if (crossings == 0) return 0;
    return double(crossings) * rate / double(last - first);
}

