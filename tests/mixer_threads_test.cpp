// The mixer shared by two threads: one plays, stops, reloads and destroys sounds while the device thread refills
// buffers.
#include <gtest/gtest.h>
#include <atomic>
#include <chrono>
#include <thread>
#include "sound/mixer.h"
#include "sound/sound.h"
#include "sound/wave.h"
#include "sound/wave_out_manual.h"
#include "support/sound_files.h"

namespace {

TEST(MixerThreads, PlayStopAndUnloadWhileTheDeviceThreadFills)
{
    CManualWaveOut device;
    device.record = false;
    wave_out_select(&device);

    std::vector<std::vector<uint8_t>> files = {
        wave_u8(1, std::vector<uint8_t>(300, 40)),
        wave_u8(2, std::vector<uint8_t>(5000, 90)),
        wave_u8(1, std::vector<uint8_t>(1, 200)),
        wave_u8(2, std::vector<uint8_t>(3202, 230)),
    };
    CWave waves[4];
    for (size_t i = 0; i < 4; i++) ASSERT_TRUE(waves[i].load_memory(files[i].data(), files[i].size()));
    waves[0].play(true);  // opens and primes the device before its thread starts

    std::atomic<bool> finished{false};
    std::atomic<long> completions{0};
    std::thread device_thread([&] {
        while (!finished.load()) {
            if (device.complete_next()) completions++;
            else std::this_thread::yield();
        }
    });

    uint32_t seed = 12345;
    long plays = 0;
    bool looped[4] = {true, false, false, false};
    // Keep playing until the device thread has really run alongside, however busy the machine is.
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (int i = 0; i < 20000 || (completions.load() <= 100 && std::chrono::steady_clock::now() < give_up); i++) {
        seed = seed * 1103515245u + 12345u;
        CWave& w = waves[(seed >> 16) % 4];
        const size_t which = size_t(&w - waves);
        switch ((seed >> 8) % 7) {
        case 0:
        case 1: w.play(false); plays++; break;
        case 2: w.play(true); plays++; looped[which] = true; break;
        case 3: w.stop(); break;
        case 4: ASSERT_TRUE(w.load_memory(files[which].data(), files[which].size())); break;
        case 5: {  // a sound record destroyed while its channels may be mid-fill
            CWave gone;
            ASSERT_TRUE(gone.load_memory(files[which].data(), files[which].size()));
            gone.play(seed % 2 == 0);
            break;
        }
        default: (void)w.is_playing(); (void)mixer_playing_channels(); break;
        }
        if (i % 64 == 0) std::this_thread::yield();
    }
    // Stop whatever may loop, and let the other sounds run out while the device keeps going.
    for (size_t i = 0; i < 4; i++)
        if (looped[i]) waves[i].stop();
    for (int i = 0; i < 2000 && mixer_playing_channels() > 0; i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    finished = true;
    device_thread.join();

    EXPECT_GT(completions.load(), 100);
    EXPECT_GT(plays, 1000);
    EXPECT_EQ(mixer_playing_channels(), 0);
    for (CWave& w : waves) EXPECT_EQ(w.playCount, 0u);
    EXPECT_EQ(device.heldRewrites, 0);
    mixer_shutdown();
    wave_out_select(nullptr);
}

}  // namespace
