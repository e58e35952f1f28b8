// Loading WAVE files: the chunk rules, the conversion to 8-bit 22050 Hz, and files that must not load.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include "sound/wave.h"
#include "support/sound_files.h"
#include "support/temp_folder.h"

namespace {

class WaveLoadTest : public ::testing::Test {
protected:
    // Writes the bytes as a file and loads it through load_file.
    bool load(const std::vector<uint8_t>& bytes)
    {
        const std::string path = folder.file("sounds/test.wav");
        EXPECT_TRUE(write_bytes(path, bytes));
        return wave.load_file(path.c_str());
    }

    TempFolder folder;
    LogCapture log{folder.file("log.txt")};
    CWave wave;
};

void put_u32(std::vector<uint8_t>& v, size_t at, uint32_t x)
{
    for (int i = 0; i < 4; i++) v[at + size_t(i)] = uint8_t(x >> (8 * i));
}

// Each file loads over the one before, replacing it.
TEST_F(WaveLoadTest, ChunkLayoutsThatLoadKeepTheirSamples)
{
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        uint16_t channels;
        std::vector<uint8_t> samples;
    } cases[] = {
        // The 16-byte form has no extra-size field: the two bytes after it belong to the next chunk header.
        {"short fmt", WaveBuilder().fmt(1, 1, 22050, 8, 16).data({1, 2, 3}).bytes(), 1, {1, 2, 3}},
        {"odd chunk before the data, no pad byte",
         WaveBuilder().fmt(1, 2, 22050, 8, 18).chunk("LIST", {'a', 'b', 'c'}).data({9, 8, 7, 6}).bytes(), 2,
         {9, 8, 7, 6}},
        // An odd-length 8-bit stereo file would leave a channel with one byte that never ends.
        {"trailing partial frame", wave_u8(2, {1, 2, 3, 4, 5}), 2, {1, 2, 3, 4}},
        {"mono again", wave_u8(1, {5, 6, 7}), 1, {5, 6, 7}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(load(c.bytes)) << c.what;
        EXPECT_EQ(wave.format.channels, c.channels) << c.what;
        EXPECT_EQ(std::vector<uint8_t>(wave.data, wave.data + wave.length), c.samples) << c.what;
    }
    EXPECT_EQ(log.text(), "");
}

TEST_F(WaveLoadTest, OtherRatesAndSampleTypesLoadAsEightBit22050)
{
    // 441 Hz on the left, 882 Hz on the right: pitch and channel order must survive.
    ASSERT_TRUE(load(WaveBuilder().fmt(1, 2, 44100, 16).data(tone({441, 882}, 44100, 44100, 16, 20000)).bytes()));
    EXPECT_EQ(wave.format.formatTag, 1);
    EXPECT_EQ(wave.format.channels, 2);
    EXPECT_EQ(wave.format.samplesPerSec, 22050u);
    EXPECT_EQ(wave.format.bitsPerSample, 8);
    EXPECT_EQ(wave.format.blockAlign, 2);
    // One second: 22050 frames of two bytes, give or take the resampler's edge.
    EXPECT_NEAR(double(wave.length), 44100.0, 2.0);
    EXPECT_EQ(wave.length % 2, 0u);
    const size_t frames = wave.length / 2;
    EXPECT_NEAR(measured_frequency(wave.data, frames, 2, 0, 22050), 441.0, 3.0);
    EXPECT_NEAR(measured_frequency(wave.data, frames, 2, 1, 22050), 882.0, 5.0);
    // The level stays: 20000 of 32767 is about 78 of 128.
    EXPECT_NEAR(*std::max_element(wave.data, wave.data + wave.length), 128 + 78, 3);

    // 8-bit at 11025 Hz: twice the samples, the same pitch.
    ASSERT_TRUE(load(WaveBuilder().fmt(1, 1, 11025, 8).data(tone({300}, 11025, 11025, 8, 100)).bytes()));
    EXPECT_EQ(wave.length, 22050u);
    EXPECT_NEAR(measured_frequency(wave.data, wave.length, 1, 0, 22050), 300.0, 3.0);

    // 32-bit float, already at 22050: only the sample type changes.
    std::vector<uint8_t> floats;
    for (float f : {0.0f, 0.5f, -0.5f, 1.0f}) {
        uint8_t b[4];
        std::memcpy(b, &f, 4);
        floats.insert(floats.end(), b, b + 4);
    }
    ASSERT_TRUE(load(WaveBuilder().fmt(3, 1, 22050, 32).data(floats).bytes()));
    ASSERT_EQ(wave.length, 4u);
    EXPECT_NEAR(wave.data[0], 128, 1);
    EXPECT_NEAR(wave.data[1], 192, 3);
    EXPECT_NEAR(wave.data[2], 64, 3);
    EXPECT_EQ(wave.format.bitsPerSample, 8);
}

TEST_F(WaveLoadTest, BrokenFilesFailWithTheFormatMessage)
{
    const auto good = WaveBuilder().fmt(1, 1, 22050, 8).data({1, 2, 3, 4}).bytes();
    const size_t fmt_size_at = 16, data_size_at = 12 + 8 + 16 + 4;
    std::vector<std::pair<const char*, std::vector<uint8_t>>> cases;
    auto with = [&](size_t at, uint32_t value) {
        auto b = good;
        put_u32(b, at, value);
        return b;
    };
    cases.push_back({"data runs past the file", with(data_size_at, 5)});
    cases.push_back({"data size wraps", with(data_size_at, 0xFFFFFFFFu)});
    cases.push_back({"fmt size wraps", with(fmt_size_at, 0xFFFFFFF8u)});
    cases.push_back({"data before fmt", WaveBuilder().data({1, 2, 3, 4}).fmt(1, 1, 22050, 8).bytes()});
    cases.push_back({"no channels", WaveBuilder().fmt(1, 0, 22050, 8).data({1, 2}).bytes()});
    cases.push_back({"three channels", WaveBuilder().fmt(1, 3, 22050, 8).data({1, 2, 3}).bytes()});
    cases.push_back({"no rate", WaveBuilder().fmt(1, 1, 0, 8).data({1, 2}).bytes()});
    cases.push_back({"24-bit", WaveBuilder().fmt(1, 1, 22050, 24).data({1, 2, 3}).bytes()});
    cases.push_back({"compressed", WaveBuilder().fmt(2, 1, 22050, 4).data({1, 2, 3}).bytes()});
    cases.push_back({"fmt of 14 bytes", WaveBuilder().fmt(1, 1, 22050, 8, 14).data({1, 2}).bytes()});
    cases.push_back({"no data", WaveBuilder().fmt(1, 1, 22050, 8).bytes()});
    cases.push_back({"empty data", WaveBuilder().fmt(1, 1, 22050, 8).data({}).bytes()});
    cases.push_back({"not RIFF", std::vector<uint8_t>(good.begin() + 1, good.end())});
    cases.push_back({"only the header", std::vector<uint8_t>(good.begin(), good.begin() + 12)});
    cases.push_back({"rate of 999 Hz", WaveBuilder().fmt(1, 1, 999, 8).data({1, 2}).bytes()});
    cases.push_back({"rate of 558 MHz", WaveBuilder().fmt(1, 1, 0x214A5622, 8).data({1, 2}).bytes()});
    // 30 minutes of 8-bit mono at 22050 Hz from a 10 MB file: more than any sound of the game.
    cases.push_back({"resampled past the limit",
                     WaveBuilder().fmt(1, 1, 8000, 8).data(std::vector<uint8_t>(15'000'000, 1)).bytes()});
    int n = 0;
    for (auto& [what, bytes] : cases) {
        EXPECT_FALSE(load(bytes)) << what;
        EXPECT_FALSE(wave.is_loaded()) << what;
        EXPECT_EQ(log.count("Error reading wave file format?"), ++n) << what;
    }
    EXPECT_EQ(log.text().find("Can't find"), std::string::npos);
}

TEST_F(WaveLoadTest, DataPathsFindTheFileAndAMissingOneIsReportedByLoadFileOnly)
{
    // Data paths with backslashes and other letter case find the file.
    ASSERT_TRUE(write_bytes(folder.file("sounds/test.wav"), wave_u8(1, {5, 6, 7})));
    CWave by_data_path((folder.path() + "SOUNDS\\Test.wav").c_str());
    EXPECT_TRUE(by_data_path.is_loaded());

    const std::string missing = folder.file("sounds/none.wav");
    CWave quiet(missing.c_str());
    EXPECT_FALSE(quiet.is_loaded());
    EXPECT_EQ(log.text(), "");
    EXPECT_FALSE(wave.load_file(missing.c_str()));
    EXPECT_EQ(log.count("Can't find wave file " + missing), 1);
    // An empty file has no content either.
    EXPECT_FALSE(load({}));
    EXPECT_EQ(log.count("Can't find wave file " + folder.file("sounds/test.wav")), 1);
}

}  // namespace
