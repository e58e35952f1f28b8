// The wave-output device's master volume word: read at start, set from the options screen.
#include "sound/volume.h"
#include "sound/wave_out.h"
#include "util/log.h"

static void report_volume_error(uint32_t code, const char* operation)
{
    switch (code) {
    case WAVE_ERR_INVALID_HANDLE: log_error("Invalid handle"); break;
    case WAVE_ERR_NO_DRIVER: log_error("IMMSYSERR_NODRIVER"); break;
    case WAVE_ERR_NOT_SUPPORTED: log_error("MMSYSERR_NOTSUPPORTED"); break;
    default: break;
    }
    log_error("%s", operation);
}

uint32_t get_volume()
{
    uint32_t volume = 0xFFFFFFFFu;
    CWaveOut* device = wave_out_device();
    const uint32_t code = device ? device->get_volume(&volume) : uint32_t(WAVE_ERR_NO_DRIVER);
    if (code != WAVE_OK) {
        report_volume_error(code, "Error with getvolume");
        return 0xFFFFFFFFu;
    }
    return volume;
}

void set_volume(uint32_t left, uint32_t right)
{
    CWaveOut* device = wave_out_device();
    const uint32_t word = (right << 16) | (left & 0xFFFF);
    const uint32_t code = device ? device->set_volume(word) : uint32_t(WAVE_ERR_NO_DRIVER);
    if (code != WAVE_OK) report_volume_error(code, "Error with setvolume");
}
