// Mixer speed: one buffer fill with 1, 4 and 16 playing channels, and loading a 5-second 16-bit 44100 Hz stereo
// file, each beside a baseline (copying the buffer, reading the file).
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>
#include "sound/mixer.h"
#include "sound/wave.h"
#include "sound/wave_out_manual.h"

namespace {

// A stereo device plays 800 frames from each 1600-byte buffer.
constexpr double kBufferSeconds = 800.0 / 22050.0;
constexpr double kFileSeconds = 5.0;

void put16(std::vector<uint8_t>& v, uint32_t x)
{
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}

void put32(std::vector<uint8_t>& v, uint32_t x)
{
    put16(v, x & 0xFFFF);
    put16(v, x >> 16);
}

std::vector<uint8_t> wave_file(uint16_t channels, uint32_t rate, uint16_t bits, const std::vector<uint8_t>& samples)
{
    std::vector<uint8_t> f = {'R', 'I', 'F', 'F'};
    put32(f, uint32_t(36 + samples.size()));
    f.insert(f.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(f, 16);
    put16(f, 1);
    put16(f, channels);
    put32(f, rate);
    put32(f, rate * channels * bits / 8);
    put16(f, uint16_t(channels * bits / 8));
    put16(f, bits);
    f.insert(f.end(), {'d', 'a', 't', 'a'});
    put32(f, uint32_t(samples.size()));
    f.insert(f.end(), samples.begin(), samples.end());
    return f;
}

// Two seconds of a tone in the mixer's own format.
std::vector<uint8_t> tone_file(int index)
{
    const uint16_t channels = index % 2 ? 2 : 1;
    std::vector<uint8_t> s;
    for (int i = 0; i < 44100; i++)
        for (int c = 0; c < channels; c++) s.push_back(uint8_t(128 + 90 * std::sin(i * (0.05 + 0.01 * index))));
    return wave_file(channels, 22050, 8, s);
}

void realtime(benchmark::State& state, double seconds_per_iteration)
{
    state.counters["x_realtime"] =
        benchmark::Counter(double(state.iterations()) * seconds_per_iteration, benchmark::Counter::kIsRate);
}

void BM_MixerFillBuffer(benchmark::State& state)
{
    CManualWaveOut device;
    device.record = false;
    wave_out_select(&device);
    std::vector<std::unique_ptr<CWave>> waves;
    for (int i = 0; i < state.range(0); i++) {
        auto bytes = tone_file(i);
        waves.push_back(std::make_unique<CWave>());
        waves.back()->load_memory(bytes.data(), bytes.size());
        waves.back()->play(true);
    }
    // Every completion refills and queues one buffer with all channels mixed in.
    for (auto _ : state) device.complete_next();
    realtime(state, kBufferSeconds);
    waves.clear();
    mixer_shutdown();
    wave_out_select(nullptr);
}
BENCHMARK(BM_MixerFillBuffer)->Arg(1)->Arg(4)->Arg(16);

void BM_Baseline_CopyBuffer(benchmark::State& state)
{
    std::vector<uint8_t> src(kHandheldBufferBytes, 100), dst(kHandheldBufferBytes);
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), dst.size());
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    realtime(state, kBufferSeconds);
}
BENCHMARK(BM_Baseline_CopyBuffer);

// 5 seconds of 16-bit stereo at 44100 Hz, written once to a temporary file.
const std::string& five_second_file()
{
    static const std::string path = [] {
        std::vector<uint8_t> s;
        for (int i = 0; i < 44100 * 5; i++) {
            put16(s, uint16_t(int16_t(20000 * std::sin(i * 0.0627))));
            put16(s, uint16_t(int16_t(20000 * std::sin(i * 0.1))));
        }
        const auto bytes = wave_file(2, 44100, 16, s);
        std::string p = (std::filesystem::temp_directory_path() / "vorlaine-bench-5s.wav").string();
        FILE* f = std::fopen(p.c_str(), "wb");
        if (f) {
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
        return p;
    }();
    return path;
}

void BM_WaveLoad5sStereo44100(benchmark::State& state)
{
    const std::string& path = five_second_file();
    CWave wave;
    for (auto _ : state) {
        wave.load_file(path.c_str());
        benchmark::DoNotOptimize(wave.data);
    }
    if (wave.length == 0) state.SkipWithError("the file did not load");
    realtime(state, kFileSeconds);
}
BENCHMARK(BM_WaveLoad5sStereo44100)->Unit(benchmark::kMillisecond);

void BM_Baseline_ReadFile5s(benchmark::State& state)
{
    const std::string& path = five_second_file();
    std::vector<uint8_t> buf(44100 * 5 * 4 + 64);
    for (auto _ : state) {
        FILE* f = std::fopen(path.c_str(), "rb");
        size_t n = f ? std::fread(buf.data(), 1, buf.size(), f) : 0;
        if (f) std::fclose(f);
        benchmark::DoNotOptimize(n);
    }
    realtime(state, kFileSeconds);
}
BENCHMARK(BM_Baseline_ReadFile5s)->Unit(benchmark::kMillisecond);

}  // namespace
