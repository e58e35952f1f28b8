// Sample conversion between sound formats with SDL's audio streams.
#include <SDL.h>
#include <cstdlib>
#include <cstring>
#include "platform/audio_device.h"

// Silence of a sample type: 128 for unsigned 8-bit, zero for the signed and float ones.
static int silence_of(SDL_AudioFormat format) { return format == AUDIO_U8 ? 0x80 : 0x00; }

static bool sdl_format_of(const WaveFormat& f, SDL_AudioFormat* out)
{
    if (f.formatTag == kWaveFormatPcm) {
        switch (f.bitsPerSample) {
        case 8: *out = AUDIO_U8; return true;
        case 16: *out = AUDIO_S16LSB; return true;
        case 32: *out = AUDIO_S32LSB; return true;
        default: return false;
        }
    }
    if (f.formatTag == kWaveFormatFloat && f.bitsPerSample == 32) {
        *out = AUDIO_F32LSB;
        return true;
    }
    return false;
}

bool sys_audio_convert(const WaveFormat& from, const WaveFormat& to, const uint8_t* data, uint32_t length,
                       uint8_t** out, uint32_t* out_length)
{
    SDL_AudioFormat src_format, dst_format;
    if (!sdl_format_of(from, &src_format) || !sdl_format_of(to, &dst_format)) return false;
    if (from.channels < 1 || from.channels > 2 || to.channels < 1 || to.channels > 2) return false;
    if (from.samplesPerSec == 0 || to.samplesPerSec == 0) return false;
    // SDL's resampler sizes its filter from the ratio and overflows on absurd ones (a rate in the millions
    // against 22050): stay well inside what it handles.
    if (from.samplesPerSec > 1000000 || to.samplesPerSec > 1000000) return false;
    const uint32_t frame = uint32_t(SDL_AUDIO_BITSIZE(src_format) / 8) * from.channels;
    length -= length % frame;
    if (length > 0x7fffffff) return false;

    SDL_AudioStream* stream = SDL_NewAudioStream(src_format, Uint8(from.channels), int(from.samplesPerSec),
                                                 dst_format, Uint8(to.channels), int(to.samplesPerSec));
    if (!stream) return false;
    // SDL's resampler keeps its last 512 frames (at the lower of the two rates) even through a flush, so
    // feed silence behind the sound and cut the result back to the length the rates give.
    const uint64_t frames = length / frame;
    uint64_t want_frames = (frames * to.samplesPerSec + from.samplesPerSec / 2) / from.samplesPerSec;
    if (want_frames == 0 && frames > 0) want_frames = 1;
    const uint64_t out_frame = uint64_t(SDL_AUDIO_BITSIZE(dst_format) / 8) * to.channels;
    const uint64_t want = want_frames * out_frame;
    uint64_t pad_frames = 0;
    if (from.samplesPerSec != to.samplesPerSec) {
        const uint64_t ratio = (uint64_t(from.samplesPerSec) + to.samplesPerSec - 1) / to.samplesPerSec;
        pad_frames = 600 * (ratio > 1 ? ratio : 1);
    }
    bool ok = want <= 0x7fffffff && pad_frames * frame <= 0x7fffffff;
    if (ok && length > 0) ok = SDL_AudioStreamPut(stream, data, int(length)) == 0;
    if (ok && pad_frames > 0) {
        const int pad_bytes = int(pad_frames * frame);
        uint8_t* silence = static_cast<uint8_t*>(std::malloc(size_t(pad_bytes)));
        ok = silence != nullptr;
        if (ok) {
            std::memset(silence, silence_of(src_format), size_t(pad_bytes));
            ok = SDL_AudioStreamPut(stream, silence, pad_bytes) == 0;
        }
        std::free(silence);
    }
    ok = ok && SDL_AudioStreamFlush(stream) == 0;
    uint8_t* buf = ok ? static_cast<uint8_t*>(std::malloc(size_t(want > 0 ? want : 1))) : nullptr;
    int got = 0;
    if (buf && want > 0) got = SDL_AudioStreamGet(stream, buf, int(want));
    SDL_FreeAudioStream(stream);
    if (!buf || got < 0) {
        std::free(buf);
        return false;
    }
    *out = buf;
    *out_length = uint32_t(got);
    return true;
}
