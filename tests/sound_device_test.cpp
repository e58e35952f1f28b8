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
    void SetUp() override
    {
        // The stored volume goes to this test's folder, never to the user's own settings.
        ::setenv("XDG_CONFIG_HOME", folder.file("config").c_str(), 1);
    }

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
    static std::vector<uint8_t> tone(int frames)
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

    // The recording holds the mono tone on both channels, sample for sample, then nothing but silence;
    // returns where the tone starts.
    static size_t expect_tone_then_silence(const std::vector<uint8_t>& out, const std::vector<uint8_t>& samples)
    {
        size_t start = 0;
        while (start < out.size() && out[start] == 128) start++;
        EXPECT_LT(start + samples.size() * 2, out.size());
        if (start + samples.size() * 2 >= out.size()) return start;
        EXPECT_EQ(start % 2, 0u);
        for (size_t i = 0; i < samples.size(); i++) {
            EXPECT_EQ(out[start + 2 * i], samples[i]) << i;
            EXPECT_EQ(out[start + 2 * i + 1], samples[i]) << i;
            if (out[start + 2 * i] != samples[i] || out[start + 2 * i + 1] != samples[i]) return start;
        }
        for (size_t i = start + samples.size() * 2; i < out.size(); i++)
            if (out[i] != 128) {
                ADD_FAILURE() << "not silent at byte " << i;
                break;
            }
        return start;
    }

    TempFolder folder;
    std::string recording = folder.file("out.raw");
};

// A browser page has no thread for the device's reports: its main loop asks for them once a frame.
TEST_F(SoundDeviceTest, MainLoopReportsKeepTheRingTurningWithoutAThread)
{
    sys_audio_report_from_main_loop(true);
    start("disk");
    const auto samples = tone(2205);  // a tenth of a second: it fits the primed ring
    CWave wave;
    play(wave, samples);
    // A browser's audio node refuses fewer than 256 frames.
    EXPECT_EQ(sys_audio_stats().deviceFrames, 256u);
    // The device plays the primed ring, but until the main loop takes its turn nothing is refilled,
    // so the channel cannot end.
    wait_ms(600);
    EXPECT_TRUE(wave.is_playing());
    for (int frame = 0; frame < 300 && wave.is_playing(); frame++) {
        sys_audio_poll();
        wait_ms(10);
    }
    EXPECT_FALSE(wave.is_playing());
    for (int frame = 0; frame < 30; frame++) {  // a little silence after the tone
        sys_audio_poll();
        wait_ms(10);
    }
    stop();
    sys_audio_report_from_main_loop(false);
    expect_tone_then_silence(read_bytes(recording), samples);
}

TEST_F(SoundDeviceTest, MasterVolumeScalesTheOutputAndOutlivesTheDevice)
{
    start("disk");
    EXPECT_EQ(get_volume(), 0xFFFFFFFFu);  // nothing stored yet: full
    set_volume(0x4000, 0xFFFF);
    EXPECT_EQ(sys_audio_volume_path(), folder.file("config/vorlaine/audio.conf"));
    EXPECT_NE(read_text(sys_audio_volume_path()).find("\nvolume=FFFF4000\n"), std::string::npos);
    CWave wave;
    play(wave, tone(4410));
    wait_ms(800);
    stop();
    const auto out = read_bytes(recording);
    int left_peak = 0, right_peak = 0;
    for (size_t i = 0; i + 1 < out.size(); i += 2) {
        left_peak = std::max(left_peak, std::abs(out[i] - 128));
        right_peak = std::max(right_peak, std::abs(out[i + 1] - 128));
    }
    EXPECT_EQ(right_peak, 100);
    EXPECT_NEAR(left_peak, 25, 1);

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
// both channels, behind the primed silence and followed by nothing but silence.
TEST_F(SoundDeviceTest, BufferLengthIsTheDevicesSettingAndTheHandheldsPlaysTheSame)
{
    const struct {
        uint32_t asked, bytes, deviceFrames;
    } cases[] = {{0, 256, 128}, {1600, 1600, 128}, {64, 64, 64}};
    for (const auto& c : cases) {
        SCOPED_TRACE("asked for " + std::to_string(c.asked));
        start("disk", c.asked);
        CWave wave;
        const auto samples = tone(3000);
        play(wave, samples);
        ASSERT_TRUE(mixer_device_stereo());
        const AudioDeviceStats s = sys_audio_stats();
        EXPECT_EQ(s.bufferBytes, c.bytes);
        EXPECT_EQ(s.deviceFrames, c.deviceFrames);
        // The primed ring, the tone and a little more, however slowly a loaded machine lets the device run.
        const size_t enough = 6 * c.bytes + 2 * samples.size() + 2048;
        for (int i = 0; i < 500 && read_bytes(recording).size() < enough; i++) wait_ms(10);
        EXPECT_FALSE(wave.is_playing());  // ended once the device had taken its last buffer
        stop();
        expect_tone_then_silence(read_bytes(recording), samples);
    }
}

}  // namespace
