// What the audio device's thread has seen: how often it asked for data, how often it ran dry, and a probe that
// times a new sound from the play request to the device.
#pragma once
#include <cstdint>

struct AudioDeviceStats {
    uint64_t callbacks = 0;     // times the device asked for data since it was opened
    uint64_t underruns = 0;     // times it asked while less was queued than it wanted (the gap played as silence)
    uint32_t deviceFrames = 0;  // the device's own buffer (SDL's), in frames
    uint32_t bufferBytes = 0;   // each buffer of the ring
    int channels = 0;           // 0 while no device was opened
};
AudioDeviceStats sys_audio_stats();

// From now on, the device thread watches for the first byte that is not silence (start it while nothing plays).
void sys_audio_probe_start();
// Milliseconds from the probe's start to the moment that byte is due at the device: when the device took the
// stream that holds it, plus its place in that stream. False while no such byte has come.
bool sys_audio_probe_result(double* ms);

// Kept by the SDL device: a new device, and every hand-over of `filled` bytes to a device that wanted `wanted`.
void audio_monitor_opened(uint32_t deviceFrames, uint32_t bufferBytes, int channels);
void audio_monitor_fed(const uint8_t* stream, int filled, int wanted);
