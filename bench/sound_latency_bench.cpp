// Sound latency on the real SDL device (dummy driver): from a play request to the first byte of that sound due
// at the device, with the default ring buffers and, as the baseline, the handheld's 1600-byte ones.
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>
#include "platform/audio_monitor.h"
#include "platform/platform.h"
#include "sound/sound_startup.h"
#include "sound/wave.h"

namespace {

using Clock = std::chrono::steady_clock;

// A plain 8-bit mono file at 22050 Hz.
std::vector<uint8_t> wave_file(const std::vector<uint8_t>& samples)
{
    auto put = [](std::vector<uint8_t>& v, uint32_t x, int bytes) {
        for (int i = 0; i < bytes; i++) v.push_back(uint8_t(x >> (8 * i)));
    };
    std::vector<uint8_t> f = {'R', 'I', 'F', 'F'};
    put(f, uint32_t(36 + samples.size()), 4);
    f.insert(f.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put(f, 16, 4);
    put(f, 1, 2);
    put(f, 1, 2);
    put(f, 22050, 4);
    put(f, 22050, 4);
    put(f, 1, 2);
    put(f, 8, 2);
    f.insert(f.end(), {'d', 'a', 't', 'a'});
    put(f, uint32_t(samples.size()), 4);
    f.insert(f.end(), samples.begin(), samples.end());
    return f;
}

void sleep_ms(double ms) { std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms)); }

// bufferBytes 0: the device's default length.
void BM_SoundLatency(benchmark::State& state, uint32_t bufferBytes)
{
    // The stored master volume is read at start; keep the user's own settings out of it.
    const std::string config = (std::filesystem::temp_directory_path() / "vorlaine-bench-config").string();
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    PlatformConfig platform;
    platform.headless = true;
    platform.audioDriver = "dummy";
    platform.audioBufferBytes = bufferBytes;
    if (!platform_init(platform) || !sound_startup()) {
        state.SkipWithError("no SDL audio");
        return;
    }
    // Silence keeps the device running; the click is 10 ms away from silence from its first sample on.
    CWave silence, click;
    const auto quiet = wave_file(std::vector<uint8_t>(2205, 128));
    const auto loud = wave_file(std::vector<uint8_t>(220, 200));
    silence.load_memory(quiet.data(), quiet.size());
    click.load_memory(loud.data(), loud.size());
    silence.play(true);
    sleep_ms(200);
    const AudioDeviceStats opened = sys_audio_stats();
    const double buffer_ms = 1000.0 * opened.bufferBytes / std::max(1, opened.channels) / 22050.0;
    const double device_ms = 1000.0 * opened.deviceFrames / 22050.0;

    std::mt19937 random(7);
    std::vector<double> latencies;
    for (auto _ : state) {
        // Requests come at any moment of the device's cycle.
        state.PauseTiming();
        sleep_ms(std::uniform_real_distribution<double>(0.0, buffer_ms * 2)(random));
        state.ResumeTiming();
        sys_audio_probe_start();
        click.play(false);
        double ms = 0;
        const auto give_up = Clock::now() + std::chrono::seconds(3);
        while (!sys_audio_probe_result(&ms) && Clock::now() < give_up) sleep_ms(0.1);
        state.PauseTiming();
        if (!sys_audio_probe_result(&ms)) {
            state.SkipWithError("the sound never reached the device");
            break;
        }
        latencies.push_back(ms);
        // Let it play out, so the next request starts from silence.
        while (click.is_playing()) sleep_ms(1);
        sleep_ms(buffer_ms * 6);
        state.ResumeTiming();
    }
    const AudioDeviceStats done = sys_audio_stats();
    silence.stop();
    sound_shutdown();
    platform_shutdown();
    if (latencies.empty()) return;
    std::sort(latencies.begin(), latencies.end());
    double sum = 0;
    for (double v : latencies) sum += v;
    const double mean = sum / double(latencies.size());
    state.counters["latency_ms"] = mean;
    state.counters["latency_p95_ms"] = latencies[latencies.size() * 95 / 100];
    state.counters["latency_max_ms"] = latencies.back();
    // On real hardware the device's own buffer plays before what it takes next: the sound reaches the
    // speaker about that much later.
    state.counters["device_buffer_ms"] = device_ms;
    state.counters["speaker_ms"] = mean + device_ms;
    state.counters["buffer_bytes"] = opened.bufferBytes;
    state.counters["underruns"] = double(done.underruns);
}
BENCHMARK_CAPTURE(BM_SoundLatency, default_buffers, 0u)->Iterations(60)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SoundLatency, handheld_1600_bytes, 1600u)
    ->Iterations(25)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
