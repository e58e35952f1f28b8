// The real SDL audio device: the disk driver records what the mixer plays; the dummy driver completes buffers,
// and with the default ring keeps playing under a busy main thread and a loaded machine.
#include <gtest/gtest.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>
#include "platform/audio_device.h"
#include "platform/audio_monitor.h"
#include "platform/platform.h"
#include "sound/mixer.h"
#include "sound/sound_startup.h"
#include "sound/volume.h"
#include "sound/wave.h"
#include "support/cpu_load.h"
#include "support/sound_files.h"
#include "support/temp_folder.h"

namespace {

class SoundDeviceTest : public ::testing::Test {
protected:
    // The stored volume goes to this test's folder, never to the user's own settings.
    void SetUp() override { folder.make_home(); }

    void start(const char* driver, uint32_t bufferBytes = 0)
    {
        PlatformConfig config;
        config.headless = true;
        config.audioDriver = driver;
        config.audioFile = recording;
        config.audioBufferBytes = bufferBytes;
        ASSERT_TRUE(platform_init(config));
        ASSERT_TRUE(sound_startup());
    }

    void stop()
    {
        sound_shutdown();
        platform_shutdown();
    }

    // A cosine, so the very first sample already differs from silence: 551.25 Hz is 40 samples a period.
    static std::vector<uint8_t> cosine(int frames)
    {
        std::vector<uint8_t> v(static_cast<size_t>(frames));
        for (int i = 0; i < frames; i++) v[size_t(i)] = uint8_t(128 + std::lround(100 * std::cos(2 * M_PI * i / 40)));
        return v;
    }

    static void wait_ms(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

    // Loads the mono samples into wave and plays them once.
    static void play(CWave& wave, const std::vector<uint8_t>& samples)
    {
        const auto bytes = wave_u8(1, samples);
        ASSERT_TRUE(wave.load_memory(bytes.data(), bytes.size()));
        wave.play(false);
    }

    // The recording holds the mono tone on both channels, sample for sample, after silence and then nothing but
    // silence.
    static void expect_tone_then_silence(const std::vector<uint8_t>& out, const std::vector<uint8_t>& samples)
    {
        const auto start = std::find_if(out.begin(), out.end(), [](uint8_t b) { return b != 128; });
        std::vector<uint8_t> both;
        for (uint8_t b : samples) both.insert(both.end(), {b, b});
        ASSERT_LT(both.size(), size_t(out.end() - start));
        EXPECT_EQ((start - out.begin()) % 2, 0);
        EXPECT_TRUE(std::equal(both.begin(), both.end(), start)) << "the tone is not whole";
        EXPECT_EQ(size_t(std::count(start + long(both.size()), out.end(), 128)), size_t(out.end() - start) - both.size())
            << "not silent after the tone";
    }

    TempFolder folder;
    std::string recording = folder.file("out.raw");
};

TEST_F(SoundDeviceTest, MasterVolumeScalesTheOutputAndOutlivesTheDevice)
{
    start("disk");
    EXPECT_EQ(get_volume(), 0xFFFFFFFFu);  // nothing stored yet: full
    set_volume(0x14000, 0xFFFF);  // the left is cut to 16 bits
    EXPECT_EQ(sys_audio_volume_path(), folder.config_file("audio.conf"));
    EXPECT_NE(read_text(sys_audio_volume_path()).find("\nvolume=FFFF4000\n"), std::string::npos);
    CWave wave;
    play(wave, cosine(4410));
    wait_ms(800);
    stop();
    const auto out = read_bytes(recording);
    int peak[2] = {0, 0};  // left, right
    for (size_t i = 0; i < out.size(); i++) peak[i % 2] = std::max(peak[i % 2], std::abs(out[i] - 128));
    EXPECT_NEAR(peak[0], 25, 1);
    EXPECT_EQ(peak[1], 100);

    // The next start reads the stored word back as the device's current volume.
    start("dummy");
    EXPECT_EQ(get_volume(), 0xFFFF4000u);
    stop();
    ASSERT_TRUE(write_text(sys_audio_volume_path(), "volume=zz\n"));
    start("dummy");
    EXPECT_EQ(get_volume(), 0xFFFFFFFFu);
    stop();
}

// The disk driver records what the device plays: whatever the buffer length, the tone comes out whole, on
// both channels, behind the primed silence and followed by nothing but silence. A browser page has no thread
// for the device's reports: its main loop asks for them once a frame.
TEST_F(SoundDeviceTest, BufferLengthIsTheDevicesSettingAndTheHandheldsPlaysTheSame)
{
    const struct {
        uint32_t asked;
        bool mainLoop;
        uint32_t bytes, deviceFrames;
    } cases[] = {{0, false, 256, 128}, {1600, false, 1600, 128}, {64, false, 64, 64}, {0, true, 1024, 256}};
    for (const auto& c : cases) {
        SCOPED_TRACE("asked for " + std::to_string(c.asked) + (c.mainLoop ? ", reports from the main loop" : ""));
        sys_audio_report_from_main_loop(c.mainLoop);
        start("disk", c.asked);
        CWave wave;
        const auto samples = cosine(2205);  // a tenth of a second: it fits the main loop's primed ring
        play(wave, samples);
        ASSERT_TRUE(mixer_device_stereo());
        const AudioDeviceStats s = sys_audio_stats();
        EXPECT_EQ(s.bufferBytes, c.bytes);
        EXPECT_EQ(s.deviceFrames, c.deviceFrames);  // a browser's audio node refuses fewer than 256 frames
        if (c.mainLoop) {
            // The device plays the primed ring, but until the main loop takes its turn nothing is refilled,
            // so the channel cannot end.
            wait_ms(600);
            EXPECT_TRUE(wave.is_playing());
        }
        for (int i = 0; i < 500 && wave.is_playing(); i++) {
            sys_audio_poll();
            wait_ms(10);
        }
        EXPECT_FALSE(wave.is_playing());
        // The ring plays out behind it (the driver writes the file in blocks of a few kilobytes), however slowly
        // a loaded machine lets the device run.
        const size_t enough = read_bytes(recording).size() + 6 * c.bytes + 8192;
        for (int i = 0; i < 500 && read_bytes(recording).size() < enough; i++) {
            sys_audio_poll();
            wait_ms(10);
        }
        stop();
        sys_audio_report_from_main_loop(false);
        expect_tone_then_silence(read_bytes(recording), samples);
    }
}

// Whether mixing keeps pace in real time, so a suite of its own: the sanitizer pass would measure itself and
// leaves it out.
class SoundUnderrunTest : public SoundDeviceTest {};

TEST_F(SoundUnderrunTest, DefaultRingNeverRunsDryWhileTheMainThreadIsBusyUntilRefillsAreHeldBack)
{
    // Load first, so the children spin beside the test the whole time.
    const int cores = int(std::max(2u, std::thread::hardware_concurrency()));
    CpuLoad burners(2 * cores);
    ASSERT_EQ(burners.running(), 2 * cores);
    start("dummy");
    CWave music, hit, blast;
    const auto load = [](CWave& wave, uint16_t channels, int frames, double freq) {
        const auto bytes = wave_u8(channels, tone(std::vector<double>(channels, freq), 22050, frames, 8, 90));
        ASSERT_TRUE(wave.load_memory(bytes.data(), bytes.size()));
    };
    load(music, 2, 22050, 220.0);
    load(hit, 1, 2205, 880.0);
    load(blast, 2, 8820, 150.0);
    music.play(true);
    const AudioDeviceStats opened = sys_audio_stats();
    ASSERT_EQ(opened.channels, 2);
    ASSERT_LE(opened.bufferBytes, 400u);  // the short default ring, not the handheld's

    // The main thread does what a game frame does: work, and sounds now and then, for six seconds.
    const auto begin = std::chrono::steady_clock::now();
    const auto end = begin + std::chrono::seconds(6);
    uint32_t seed = 99;
    volatile double sink = 0;
    long plays = 0;
    for (auto next_play = begin; std::chrono::steady_clock::now() < end;) {
        // Work that asks the mixer now and then, as sound records do, so the lock is often taken here.
        for (int i = 0; i < 20000; i++) {
            sink = sink + std::sqrt(double(i) + sink);
            if (i % 500 == 0) sink = sink + (hit.is_playing() ? 1 : 0);
        }
        if (std::chrono::steady_clock::now() < next_play) continue;
        seed = seed * 1103515245u + 12345u;
        CWave& w = (seed >> 16) % 2 ? hit : blast;
        w.play(false);
        plays++;
        next_play = std::chrono::steady_clock::now() + std::chrono::milliseconds(5 + (seed >> 8) % 40);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
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
    stop();
}

}  // namespace
