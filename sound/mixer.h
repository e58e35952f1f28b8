// The software mixer: the channel table, the ring of output buffers and the device's completion report.
#pragma once
#include <cstdint>
#include <mutex>
#include "sound/wave_format.h"
#include "sound/wave_out.h"

// One playing instance of a sound; a record whose data pointer is null is a free slot.
struct MixChannel {
    uint32_t stereo = 0;              // the source has two channels
    const uint8_t* data = nullptr;    // borrowed from the CWave
    uint32_t length = 0;              // bytes
    uint32_t position = 0;            // bytes from the start
    uint32_t loop = 0;
    uint32_t* playCount = nullptr;    // the owning CWave's play count, decremented when the channel ends
};

// What a CWave hands over to start a channel.
struct PlayRequest {
    WaveFormat format;
    const uint8_t* data = nullptr;
    uint32_t length = 0;
    uint32_t loop = 0;
    uint32_t* playCount = nullptr;
};

// The one recursive lock over the channel table and every play count; made on first use, never destroyed,
// so sounds released during static destruction can still take it.
std::recursive_mutex& mixer_lock();

// Starts a channel (opening and priming the device first when it is closed). False when the request was
// dropped: not 8-bit PCM at 22050 Hz, no device, or no room for the channel.
bool mixer_add_channel(const PlayRequest& request);
// Ends every channel that plays from data.
void mixer_stop_data(const uint8_t* data);
// The device's report that it has consumed buffer `index`; refills the buffer before it in the ring. With
// may_wait false and the mixer lock held elsewhere it does nothing and returns false.
bool mixer_on_buffer_done(int index, bool may_wait = true);

// Ends every channel, closes the device and frees the channel table; the next play opens it again.
void mixer_shutdown();

// For tests and benchmarks: whether the device is open, and in stereo; how many channels play.
bool mixer_device_open();
bool mixer_device_stereo();
int mixer_playing_channels();
