// The conversion chain that brings a loaded sound to the mixer's format: PCM, then 22050 Hz, then 8 bits.
#include "sound/wave_convert.h"
#include <cstdlib>
#include <cstring>
#include "platform/audio_device.h"

namespace {

// The sound as it goes through the chain; owned is set once a step has produced a buffer of its own.
struct Converting {
    WaveFormat format;
    const uint8_t* data = nullptr;
    uint32_t length = 0;
    uint8_t* owned = nullptr;
};

bool format_is(const WaveFormat& f, uint16_t bits, uint16_t channels, uint32_t rate)
{
    return f.formatTag == kWaveFormatPcm && f.bitsPerSample == bits && f.channels == channels &&
           f.samplesPerSec == rate;
}

// One step: succeeds unchanged when the sound is already in the target format.
bool wave_convert(Converting* c, uint16_t bits, uint16_t channels, uint32_t rate)
{
    if (format_is(c->format, bits, channels, rate)) return true;
    const WaveFormat target = pcm_format(bits, channels, rate);
    // Refuse before converting anything that would grow past the limit (a 1 Hz file resampled to 22050 Hz).
    const uint64_t in_frame = uint64_t(c->format.bitsPerSample / 8) * c->format.channels;
    const uint64_t frames = c->length / in_frame;
    const uint64_t out_frames = frames * rate / c->format.samplesPerSec + 1;
    if (out_frames * target.blockAlign > kMaxWaveBytes) return false;
    uint8_t* out = nullptr;
    uint32_t out_length = 0;
    if (!sys_audio_convert(c->format, target, c->data, c->length, &out, &out_length)) return false;
    std::free(c->owned);
    c->owned = out;
    c->data = out;
    c->length = out_length;
    c->format = target;
    return true;
}

}  // namespace

bool wave_set_data(WaveFormat* format, const uint8_t* data, uint32_t length, uint8_t** out, uint32_t* out_length)
{
    if (!format || !data || !out || !out_length) return false;
    const WaveFormat& f = *format;
    // A format with no channels, more than two, no usable rate or a partial byte per sample cannot be played.
    if (f.channels < 1 || f.channels > 2) return false;
    if (f.samplesPerSec < kMinWaveRate || f.samplesPerSec > kMaxWaveRate) return false;
    if (f.bitsPerSample == 0 || f.bitsPerSample % 8 != 0) return false;
    const uint32_t frame = uint32_t(f.bitsPerSample / 8) * f.channels;
    // Whole frames only: a trailing partial frame would leave a stereo channel that never ends.
    length -= length % frame;
    if (length == 0) return false;

    Converting c{f, data, length, nullptr};
    const bool ok = wave_convert(&c, f.bitsPerSample, f.channels, f.samplesPerSec) &&
                    wave_convert(&c, f.bitsPerSample, f.channels, kMixRate) &&
                    wave_convert(&c, kMixBits, f.channels, kMixRate);
    if (!ok) {
        std::free(c.owned);
        return false;
    }
    c.length -= c.length % f.channels;
    if (c.length == 0) {
        std::free(c.owned);
        return false;
    }
    if (!c.owned) {
        c.owned = static_cast<uint8_t*>(std::malloc(c.length));
        if (!c.owned) return false;
        std::memcpy(c.owned, c.data, c.length);
    }
    *out = c.owned;
    *out_length = c.length;
    *format = c.format;
    return true;
}
