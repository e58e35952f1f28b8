// A wave-output device that holds written buffers until its owner completes them: drives the mixer without
// a sound card, at whatever pace a test or benchmark chooses.
#pragma once
#include <cstdint>
#include <mutex>
#include <vector>
#include "sound/wave_out.h"

class CManualWaveOut final : public CWaveOut {
public:
    bool open(int channels, WaveOutDoneFn done) override;
    void close() override;
    bool write(int index, const uint8_t* data, uint32_t size) override;
    uint32_t buffer_bytes(int) const override { return bufferBytes; }
    uint32_t get_volume(uint32_t* volume) override;
    uint32_t set_volume(uint32_t volume) override;

    // Plays the oldest queued buffer to its end: appends its bytes to the recording (when on) and reports it
    // done, outside the device's own lock, as a real device's thread would. False when nothing is queued.
    bool complete_next();
    int queued();
    int open_channels();
    // Everything completed so far, in order, and the indices of every write.
    std::vector<uint8_t> take_played();
    std::vector<int> take_writes();

    // Behaviour switches, set before the mixer opens the device.
    bool refuseStereo = false;
    bool refuseAll = false;
    bool record = true;
    uint32_t bufferBytes = kHandheldBufferBytes;
    uint32_t volumeResult = WAVE_OK;  // code the volume calls answer with
    // Writes of a buffer that was still queued here: a mixer must never make one.
    int heldRewrites = 0;

private:
    struct Queued {
        int index;
        const uint8_t* data;
        uint32_t size;
    };
    std::mutex mutex_;
    Queued queue_[kRingBuffers] = {};
    int head_ = 0;
    int count_ = 0;
    int channels_ = 0;
    WaveOutDoneFn done_ = nullptr;
    uint32_t volume_ = 0xFFFFFFFFu;
    std::vector<uint8_t> played_;
    std::vector<int> writes_;
};
