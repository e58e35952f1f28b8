// Building PCM formats with matching block alignment and byte rate.
#include "sound/wave_format.h"

WaveFormat pcm_format(uint16_t bits, uint16_t channels, uint32_t rate)
{
    WaveFormat f;
    f.formatTag = kWaveFormatPcm;
    f.channels = channels;
    f.samplesPerSec = rate;
    f.bitsPerSample = bits;
    f.blockAlign = uint16_t(bits / 8 * channels);
    f.avgBytesPerSec = uint32_t(bits / 8) * channels * rate;
    f.extraSize = 0;
    return f;
}
