// Sound records and play-by-name over a device that completes buffers on demand.
#include <gtest/gtest.h>
#include "app/app_state.h"
#include "sound/mixer.h"
#include "sound/sound_table.h"
#include "sound/wave_out_manual.h"
#include "support/sound_files.h"
#include "support/temp_folder.h"

namespace {

class SoundTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.make_program_folder();
        wave_out_select(&device);
    }
    void TearDown() override
    {
        mixer_shutdown();
        wave_out_select(nullptr);
    }

    void write_sound(const char* name, const std::vector<uint8_t>& samples)
    {
        ASSERT_TRUE(write_bytes(folder.file(name), wave_u8(1, samples)));
    }

    TempFolder folder;
    LogCapture log{folder.file("log.txt")};
    CManualWaveOut device;
};

std::vector<uint8_t> pattern(uint8_t seed, size_t n)
{
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; i++) v[i] = uint8_t(seed + i * 3);
    return v;
}

TEST_F(SoundTableTest, ClickPlaysSel1AndRestartsIt)
{
    write_sound("sounds/sel1.wav", pattern(1, 4000));
    write_sound("sounds/click.wav", pattern(99, 10));
    play_sound("sounds\\click.wav");
    ASSERT_TRUE(wave_click);
    ASSERT_EQ(wave_click->length, 4000u);
    EXPECT_EQ(wave_click->data[0], 1);
    EXPECT_EQ(mixer_playing_channels(), 1);
    for (int i = 0; i < 7; i++) device.complete_next();
    device.take_played();
    // Played again while still playing: stopped and started from its first sample, on one channel.
    play_sound("sounds\\click.wav");
    EXPECT_EQ(mixer_playing_channels(), 1);
    EXPECT_EQ(wave_click->playCount, 1u);
    for (int i = 0; i < 6; i++) device.complete_next();
    auto out = device.take_played();
    const size_t last = out.size() - kHandheldBufferBytes;
    for (size_t f = 0; f < 100; f++) ASSERT_EQ(out[last + 2 * f], uint8_t(1 + f * 3)) << f;
}

// Names without a record of their own share one slot and cut each other off; a fixed name plays its own
// record beside them.
TEST_F(SoundTableTest, OtherNamesShareOneSlotAndCutEachOtherOff)
{
    write_sound("sounds/a.wav", pattern(10, 3000));
    write_sound("sounds/b.wav", pattern(20, 3000));
    write_sound("sounds/spawn.wav", pattern(1, 3000));
    EXPECT_EQ(play_sound("sounds\\spawn.wav"), 1);
    ASSERT_TRUE(snd_spawn.wave);
    EXPECT_EQ(snd_spawn.wave->data[0], 1);
    EXPECT_FALSE(wave_other);
    play_sound("sounds\\a.wav");
    ASSERT_TRUE(wave_other);
    EXPECT_EQ(wave_other->data[0], 10);
    EXPECT_EQ(mixer_playing_channels(), 2);
    play_sound("sounds\\b.wav");
    EXPECT_EQ(wave_other->data[0], 20);
    EXPECT_EQ(mixer_playing_channels(), 2);
    EXPECT_EQ(wave_other->playCount, 1u);
    // Names go to the file system as they are: a different case of a fixed name is another name.
    play_sound("sounds\\A.wav");
    EXPECT_EQ(wave_other->data[0], 10);
    // A missing file through the slot that exists already is reported by the reload.
    play_sound("sounds\\gone.wav");
    EXPECT_FALSE(wave_other->is_loaded());
    EXPECT_EQ(log.count("Can't find wave file " + folder.path() + "sounds\\gone.wav"), 1);
    EXPECT_EQ(mixer_playing_channels(), 1);
}

TEST_F(SoundTableTest, ARecordOverlapsLoopsOrSkipsAndAMissingFileIsReportedOnce)
{
    // Missing, however often it plays: one line, and no device opened for it.
    CSound missing("sounds\\missing.wav");
    missing.play();
    const std::string after_first = log.text();
    missing.play();
    missing.play();
    EXPECT_EQ(log.count("Can't find sound file " + folder.path() + "sounds\\missing.wav."), 1);
    EXPECT_EQ(log.text(), after_first);
    ASSERT_NE(missing.wave, nullptr);
    EXPECT_FALSE(missing.wave->is_loaded());
    EXPECT_FALSE(mixer_device_open());

    write_sound("sounds/fire.wav", pattern(5, 5000));
    CSound s("sounds\\fire.wav");
    s.play();
    s.play();
    EXPECT_EQ(s.wave->playCount, 2u);  // overlap 1: two channels at once
    s.overlap = 0;
    s.play();
    EXPECT_EQ(s.wave->playCount, 1u);  // restarted
    s.skip_if_playing = 1;
    s.overlap = 1;
    s.play();
    EXPECT_EQ(s.wave->playCount, 1u);
    s.stop();
    s.loop = 1;
    s.play();
    for (int i = 0; i < 40; i++) device.complete_next();
    EXPECT_TRUE(s.wave->is_playing());  // looped: plays until stopped
    s.unload();
    EXPECT_EQ(s.wave, nullptr);
    EXPECT_EQ(mixer_playing_channels(), 0);
    EXPECT_EQ(log.count("Unloaded sound sounds\\fire.wav."), 1);
    // set_name keeps a loaded wave; the next play after unload loads again.
    s.play();
    ASSERT_NE(s.wave, nullptr);
    s.set_name("sounds\\other.wav");
    EXPECT_TRUE(s.wave->is_loaded());
    EXPECT_STREQ(s.name, "sounds\\other.wav");
}

}  // namespace
