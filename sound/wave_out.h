// The wave-output device the mixer plays through, and the one that was chosen at start-up.
#pragma once
#include <cstdint>

// The ring the mixer keeps at the device: six buffers. Their length is the device's setting; the handheld's
// were 1600 bytes (about 36 ms of stereo each, so a new sound waited about 180 ms behind the queued five).
constexpr int kRingBuffers = 6;
constexpr uint32_t kHandheldBufferBytes = 1600;

// Result codes of the device's volume calls, numbered as the handheld's multimedia layer did.
enum WaveOutResult : uint32_t {
    WAVE_OK = 0,
    WAVE_ERR_FAILED = 1,
    WAVE_ERR_INVALID_HANDLE = 5,
    WAVE_ERR_NO_DRIVER = 6,
    WAVE_ERR_NOT_SUPPORTED = 8,
};

// Told, on the device's own thread, that the device has consumed buffer `index` of the ring. A device thread
// that must not block passes may_wait false: while the mixer is busy the report is not taken (false) and the
// device makes it again later, in the same order.
using WaveOutDoneFn = bool (*)(int index, bool may_wait);

class CWaveOut {
public:
    virtual ~CWaveOut() = default;
    // Opens for unsigned 8-bit samples at 22050 Hz with 1 or 2 channels; false when the device refuses.
    virtual bool open(int channels, WaveOutDoneFn done) = 0;
    // Stops output; no completion arrives after it returns. Never call it while holding the mixer lock:
    // a completion in flight may be waiting for that lock.
    virtual void close() = 0;
    // Queues buffer `index` (size bytes at data) behind the ones already queued. The device reads the
    // bytes until it reports the buffer done; until then the caller must leave them alone.
    virtual bool write(int index, const uint8_t* data, uint32_t size) = 0;
    // The length of each ring buffer, in bytes, that the device plays with this many channels.
    virtual uint32_t buffer_bytes(int channels) const = 0;
    // The master volume word (left in the low 16 bits, right in the high 16 bits, 0..65535 each). It
    // belongs to the device, not to an open handle, so it works while the device is closed.
    virtual uint32_t get_volume(uint32_t* volume) = 0;
    virtual uint32_t set_volume(uint32_t volume) = 0;
};

// Chosen once at start-up (sound_startup) and kept for the run; null: no device, nothing plays.
void wave_out_select(CWaveOut* device);
CWaveOut* wave_out_device();
