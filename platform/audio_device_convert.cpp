// Sample conversion between sound formats with SDL's audio streams.
#include <SDL.h>
#include <cstdlib>
#include "platform/audio_device.h"

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
    if (from.samplesPerSec > 0x7fffffff || to.samplesPerSec > 0x7fffffff) return false;
    const uint32_t frame = uint32_t(SDL_AUDIO_BITSIZE(src_format) / 8) * from.channels;
    length -= length % frame;
    if (length > 0x7fffffff) return false;

    SDL_AudioStream* stream = SDL_NewAudioStream(src_format, Uint8(from.channels), int(from.samplesPerSec),
                                                 dst_format, Uint8(to.channels), int(to.samplesPerSec));
    if (!stream) return false;
    bool ok = (length == 0 || SDL_AudioStreamPut(stream, data, int(length)) == 0) &&
              SDL_AudioStreamFlush(stream) == 0;
    const int available = ok ? SDL_AudioStreamAvailable(stream) : 0;
    uint8_t* buf = static_cast<uint8_t*>(std::malloc(size_t(available > 0 ? available : 1)));
    int got = 0;
    if (ok && buf && available > 0) got = SDL_AudioStreamGet(stream, buf, available);
    SDL_FreeAudioStream(stream);
    if (!ok || !buf || got < 0) {
        std::free(buf);
        return false;
    }
    *out = buf;
    *out_length = uint32_t(got);
    return true;
}
