// The real SDL audio device: the disk driver records what the mixer plays; the dummy driver completes buffers.
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

}  // namespace
