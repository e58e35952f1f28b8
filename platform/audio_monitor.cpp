// What the audio device's thread has seen: callbacks, underruns, and the latency probe.
#include "platform/audio_monitor.h"
#include <atomic>
#include <chrono>
#include "sound/wave_format.h"

namespace {
std::atomic<uint64_t> g_callbacks{0};
std::atomic<uint64_t> g_underruns{0};
std::atomic<uint32_t> g_device_frames{0};
std::atomic<uint32_t> g_buffer_bytes{0};
std::atomic<int> g_channels{0};
// Steady-clock nanoseconds: when the probe started (0: off), and when its byte was due (0: not yet).
std::atomic<int64_t> g_probe_start{0};
std::atomic<int64_t> g_probe_due{0};

int64_t now_ns()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

AudioDeviceStats sys_audio_stats()
{
    AudioDeviceStats s;
    s.callbacks = g_callbacks.load();
    s.underruns = g_underruns.load();
    s.deviceFrames = g_device_frames.load();
    s.bufferBytes = g_buffer_bytes.load();
    s.channels = g_channels.load();
    return s;
}

void sys_audio_probe_start()
{
    g_probe_due.store(0);
    g_probe_start.store(now_ns());
}

bool sys_audio_probe_result(double* ms)
{
    const int64_t start = g_probe_start.load();
    const int64_t due = g_probe_due.load();
    if (start == 0 || due == 0) return false;
    *ms = double(due - start) / 1e6;
    return true;
}

void audio_monitor_opened(uint32_t deviceFrames, uint32_t bufferBytes, int channels)
{
    g_callbacks.store(0);
    g_underruns.store(0);
    g_device_frames.store(deviceFrames);
    g_buffer_bytes.store(bufferBytes);
    g_channels.store(channels);
}

void audio_monitor_fed(const uint8_t* stream, int filled, int wanted)
{
    g_callbacks.fetch_add(1, std::memory_order_relaxed);
    if (filled < wanted) g_underruns.fetch_add(1, std::memory_order_relaxed);
    if (g_probe_start.load(std::memory_order_relaxed) == 0 || g_probe_due.load(std::memory_order_relaxed) != 0)
        return;
    for (int i = 0; i < filled; i++) {
        if (stream[i] == kSilence) continue;
        // The stream starts playing as the device takes it; this byte follows i / channels frames later.
        const int channels = g_channels.load() > 0 ? g_channels.load() : 1;
        const int64_t offset = int64_t(i / channels) * 1000000000LL / int64_t(kMixRate);
        g_probe_due.store(now_ns() + offset);
        return;
    }
}
