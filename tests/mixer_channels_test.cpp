// The mixer driven by a device that completes buffers on demand: copying, averaging, channel ends and loops.
#include <gtest/gtest.h>
#include <algorithm>
#include <numeric>
#include <thread>
#include "sound/mixer.h"
#include "sound/wave.h"
#include "sound/wave_out_manual.h"
#include "support/sound_files.h"

namespace {

constexpr size_t kBuf = kHandheldBufferBytes;

class MixerTest : public ::testing::Test {
protected:
    void SetUp() override { wave_out_select(&device); }
    void TearDown() override
    {
        mixer_shutdown();
        wave_out_select(nullptr);
        EXPECT_EQ(device.heldRewrites, 0);
    }

    // Completes n buffers and returns what the device played.
    std::vector<uint8_t> complete(int n)
    {
        for (int i = 0; i < n; i++) EXPECT_TRUE(device.complete_next());
        return device.take_played();
    }

    static void load(CWave& wave, uint16_t channels, const std::vector<uint8_t>& samples)
    {
        auto bytes = wave_u8(channels, samples);
        ASSERT_TRUE(wave.load_memory(bytes.data(), bytes.size()));
    }

    CManualWaveOut device;
};

std::vector<uint8_t> ramp(size_t n)
{
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; i++) v[i] = uint8_t(i * 7 + 3);
    return v;
}

// Where the first byte other than silence lies at or after from; out.size() when there is none.
size_t first_sound(const std::vector<uint8_t>& out, size_t from = 0)
{
    while (from < out.size() && out[from] == 128) from++;
    return from;
}

// Whatever the device's buffer length, in whole frames: 255 bytes is no whole number of stereo frames, so the
// ring uses 254 and left and right never swap.
TEST_F(MixerTest, OneSoundAloneIsCopiedUnchangedInBuffersOfWholeFrames)
{
    for (const uint32_t asked : {uint32_t(kBuf), 255u}) {
        SCOPED_TRACE("buffers of " + std::to_string(asked));
        device.bufferBytes = asked;
        const size_t ring = asked & ~1u;
        CWave mono, stereo;
        load(mono, 1, ramp(300));
        load(stereo, 2, ramp(600));
        mono.play(false);
        ASSERT_TRUE(mixer_device_stereo());
        auto out = complete(6);  // the primed ring
        ASSERT_EQ(out.size(), 6 * ring);
        for (size_t i = 0; i < 600; i++) ASSERT_EQ(out[i], mono.data[i / 2]) << i;  // on both channels
        ASSERT_EQ(first_sound(out, 600), out.size());
        for (int i : device.take_writes()) EXPECT_LT(i, 6);

        stereo.play(false);
        // Queued behind the five buffers already at the device; nothing is mixed with it there.
        out = complete(6);
        const size_t start = first_sound(out);
        ASSERT_EQ(start, 5 * ring);
        const size_t shown = std::min<size_t>(600, out.size() - start);  // short buffers hold only its start
        for (size_t i = 0; i < shown; i++) ASSERT_EQ(out[start + i], stereo.data[i]) << i;
        ASSERT_EQ(first_sound(out, start + shown), out.size());
        mixer_shutdown();
    }
}

TEST_F(MixerTest, StereoSoundOnMonoDeviceIsTheAverage)
{
    device.refuseStereo = true;
    CWave stereo;
    load(stereo, 2, {0, 255, 10, 21, 200, 100, 255, 255, 1, 2});
    stereo.play(false);
    ASSERT_TRUE(mixer_device_open());
    EXPECT_FALSE(mixer_device_stereo());
    EXPECT_EQ(device.open_channels(), 1);
    const auto out = complete(1);
    EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 6), (std::vector<uint8_t>{127, 15, 150, 255, 1, 128}));
}

// Each channel after the first averages with what is mixed so far, where the earlier ones left silence too,
// and the sum is shaped each time. The sounds join a running device: one refill, behind the five queued.
TEST_F(MixerTest, EachLaterChannelAveragesWithTheMixAndIsShapedAgain)
{
    const struct {
        const char* what;
        std::vector<std::pair<size_t, uint8_t>> sounds;  // length in samples, constant value
        size_t split;                                    // bytes of the buffer that hold the first value
        uint8_t before, after;
    } cases[] = {
        {"below 16: 0", {{800, 10}, {800, 10}}, 0, 0, 0},
        {"above 240: 255", {{800, 250}, {800, 250}}, 0, 0, 255},
        {"80 - (48 >> 3)", {{800, 100}, {800, 60}}, 0, 0, 74},
        {"190 + (62 >> 3)", {{800, 200}, {800, 180}}, 0, 0, 197},
        {"silence", {{800, 128}, {800, 128}}, 0, 0, 128},
        {"16 - (112 >> 3)", {{800, 16}, {800, 16}}, 0, 0, 2},
        {"240 + (112 >> 3)", {{800, 240}, {800, 240}}, 0, 0, 254},
        // (200 + 60) / 2 = 130 where the first wrote; (128 + 60) / 2 = 94 -> 90 where it left silence.
        {"a short first sound", {{100, 200}, {2000, 60}}, 200, 130, 90},
        // k=1: (100 + 100) / 2 = 100 -> 97; k=2: (97 * 2 + 100) / 3 = 98 -> 95.
        {"three channels", {{900, 100}, {900, 100}, {900, 100}}, 0, 0, 95},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CWave opener, waves[3];
        load(opener, 1, {128});
        opener.play(false);
        complete(6);
        for (size_t i = 0; i < c.sounds.size(); i++) {
            load(waves[i], 1, std::vector<uint8_t>(c.sounds[i].first, c.sounds[i].second));
            waves[i].play(false);
        }
        const auto all = complete(6);
        const std::vector<uint8_t> out(all.end() - kBuf, all.end());
        for (size_t i = 0; i < kBuf; i++) ASSERT_EQ(out[i], i < c.split ? c.before : c.after) << i;
        // All mixed and ended by now; once round the ring, five buffers are always queued.
        EXPECT_EQ(mixer_playing_channels(), 0);
        EXPECT_EQ(device.queued(), 5);
        mixer_shutdown();
    }
}

TEST_F(MixerTest, NonLoopedSoundEndsAtFirstNonPrimingFillAfterItsLastByte)
{
    CWave a;
    load(a, 1, ramp(100));
    a.play(false);
    EXPECT_EQ(device.take_writes(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    // Priming mixed all of it into buffer 0, but priming never ends a channel.
    EXPECT_EQ(a.playCount, 1u);
    EXPECT_EQ(mixer_playing_channels(), 1);
    // The first completion asks for buffer 5, which the device still holds: nothing is filled.
    complete(1);
    EXPECT_TRUE(device.take_writes().empty());
    EXPECT_EQ(a.playCount, 1u);
    // The next one refills buffer 0: the first non-priming fill, where the channel ends.
    complete(1);
    EXPECT_EQ(device.take_writes(), (std::vector<int>{0}));
    EXPECT_EQ(a.playCount, 0u);
    EXPECT_FALSE(a.is_playing());
    EXPECT_EQ(mixer_playing_channels(), 0);
}

TEST_F(MixerTest, LoopedSoundWrapsInsideOneFillUntilStopped)
{
    CWave a;
    auto samples = ramp(300);
    load(a, 1, samples);
    a.play(true);
    auto out = complete(20);
    for (size_t f = 0; f < out.size() / 2; f++) ASSERT_EQ(out[2 * f], samples[f % 300]) << f;
    EXPECT_EQ(a.playCount, 1u);
    a.stop();
    EXPECT_EQ(a.playCount, 0u);
    EXPECT_EQ(mixer_playing_channels(), 0);
}

// Only 8-bit PCM at 22050 Hz is mixed; a device that refuses to open drops the play (never counted as playing
// for ever) and the next play tries again.
TEST_F(MixerTest, PlaysThatCannotStartLeaveNothingPlayingAndTheNextTriesAgain)
{
    const uint8_t data[4] = {1, 2, 3, 4};
    PlayRequest r;
    r.data = data;
    r.length = 4;
    r.format = pcm_format(16, 1, 22050);
    EXPECT_FALSE(mixer_add_channel(r));
    r.format = pcm_format(8, 1, 44100);
    EXPECT_FALSE(mixer_add_channel(r));
    EXPECT_FALSE(mixer_device_open());

    device.refuseAll = true;
    CWave a;
    load(a, 1, ramp(100));
    a.play(false);
    EXPECT_FALSE(mixer_device_open());
    EXPECT_FALSE(a.is_playing());
    device.refuseAll = false;
    a.play(false);
    EXPECT_TRUE(mixer_device_open());
    EXPECT_EQ(a.playCount, 1u);
    EXPECT_EQ(device.queued(), 6);
    r.format = pcm_format(8, 1, 22050);
    EXPECT_TRUE(mixer_add_channel(r));
}

TEST_F(MixerTest, FreedSlotsAreReusedAndUnloadEndsChannels)
{
    CWave a, b;
    load(a, 1, ramp(1000));
    load(b, 2, ramp(1000));
    a.play(true);
    a.play(true);
    b.play(false);
    EXPECT_EQ(a.playCount, 2u);
    EXPECT_EQ(mixer_playing_channels(), 3);
    a.unload();
    EXPECT_EQ(mixer_playing_channels(), 1);
    EXPECT_FALSE(a.is_loaded());
    a.play(true);  // not loaded: nothing
    EXPECT_EQ(mixer_playing_channels(), 1);
    b.stop();
    EXPECT_EQ(b.playCount, 0u);
    const auto out = complete(8);
    EXPECT_EQ(first_sound(out, out.size() - 2 * kBuf), out.size());
}

TEST_F(MixerTest, ReportThatMayNotWaitIsRefusedWhileTheMixerIsBusy)
{
    CWave a;
    load(a, 1, ramp(100));
    a.play(true);
    complete(1);  // buffer 0 played; buffer 5 (still queued) is not refilled
    EXPECT_EQ(device.queued(), 5);
    device.take_writes();
    bool taken = true;
    std::thread other([&] {
        std::lock_guard<std::recursive_mutex> guard(mixer_lock());
        std::thread device_thread([&] { taken = mixer_on_buffer_done(1, false); });
        device_thread.join();
    });
    other.join();
    EXPECT_FALSE(taken);
    EXPECT_TRUE(device.take_writes().empty());
    // Made again once the mixer is free, the report refills the buffer before it.
    EXPECT_TRUE(mixer_on_buffer_done(1, false));
    EXPECT_EQ(device.take_writes(), std::vector<int>{0});
}

}  // namespace
