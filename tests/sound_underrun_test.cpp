// The real SDL device with the default ring keeps playing under a busy main thread and a loaded machine, and
// a device starved of refills is counted as running dry.
#include <gtest/gtest.h>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <thread>
#include "platform/audio_monitor.h"
#include "platform/platform.h"
#include "sound/mixer.h"
#include "sound/sound_startup.h"
#include "sound/wave.h"
#include "support/cpu_load.h"
#include "support/sound_files.h"
#include "support/temp_folder.h"

namespace {

using Clock = std::chrono::steady_clock;

class SoundUnderrunTest : public ::testing::Test {
protected:
    void SetUp() override { folder.make_home(); }

    void start(uint32_t bufferBytes)
    {
        PlatformConfig config;
        config.headless = true;
        config.audioDriver = "dummy";
        config.audioBufferBytes = bufferBytes;
        ASSERT_TRUE(platform_init(config));
        ASSERT_TRUE(sound_startup());
    }

    void TearDown() override
    {
        sound_shutdown();
        platform_shutdown();
    }

    void load(CWave& wave, uint16_t channels, int frames, double freq)
    {
        const auto bytes = wave_u8(channels, tone_u8(freq, 22050, frames, channels, 90));
        ASSERT_TRUE(wave.load_memory(bytes.data(), bytes.size()));
    }

    TempFolder folder;
};

TEST_F(SoundUnderrunTest, DefaultRingNeverRunsDryWhileTheMainThreadIsBusyUntilRefillsAreHeldBack)
{
    // Load first, so the children spin beside the test the whole time.
    const int cores = int(std::max(2u, std::thread::hardware_concurrency()));
    CpuLoad burners(2 * cores);
    ASSERT_EQ(burners.running(), 2 * cores);
    start(0);
    CWave music, hit, blast;
    load(music, 2, 22050, 220.0);
    load(hit, 1, 2205, 880.0);
    load(blast, 2, 8820, 150.0);
    music.play(true);
    const AudioDeviceStats opened = sys_audio_stats();
    ASSERT_EQ(opened.channels, 2);
    ASSERT_LE(opened.bufferBytes, 400u);  // the short default ring, not the handheld's

    // The main thread does what a game frame does: work, and sounds now and then, for six seconds.
    const auto begin = Clock::now();
    const auto end = begin + std::chrono::seconds(6);
    uint32_t seed = 99;
    volatile double sink = 0;
    long plays = 0;
    for (auto next_play = begin; Clock::now() < end;) {
        // Work that asks the mixer now and then, as sound records do, so the lock is often taken here.
        for (int i = 0; i < 20000; i++) {
            sink = sink + std::sqrt(double(i) + sink);
            if (i % 500 == 0) sink = sink + (hit.is_playing() ? 1 : 0);
        }
        if (Clock::now() < next_play) continue;
        seed = seed * 1103515245u + 12345u;
        CWave& w = (seed >> 16) % 2 ? hit : blast;
        w.play(false);
        plays++;
        next_play = Clock::now() + std::chrono::milliseconds(5 + (seed >> 8) % 40);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - begin).count();
    const AudioDeviceStats s = sys_audio_stats();
    // The device really ran all along (its thread gets less than its share on a loaded machine; even so it
    // must have asked for a good part of the six seconds), and it never found the queue short.
    const double expected = seconds * 22050.0 / double(s.deviceFrames);
    EXPECT_GT(double(s.callbacks), expected * 0.5) << s.callbacks << " requests in " << seconds << " s";
    EXPECT_GT(plays, 50);
    EXPECT_EQ(s.underruns, 0u) << "of " << s.callbacks << " requests, buffers " << s.bufferBytes << " bytes, device "
                               << s.deviceFrames << " frames";

    // The count is real: while the mixer lock is held no buffer can be refilled, so the device plays out the
    // ring and then runs dry.
    {
        std::lock_guard<std::recursive_mutex> guard(mixer_lock());
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_GT(sys_audio_stats().underruns, 0u);
    music.stop();
}

}  // namespace
