// Image loading: the TGA reader and its size checks, PNG/JPEG decoding with the width rule, archived pictures.
#include <gtest/gtest.h>
#include <zlib.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <future>
#include <thread>
#include <string>
#include <vector>
#include "graphics/picture.h"
#include "graphics/picture_file.h"
#include "graphics/tga_reader.h"
#include "support/gfx_files.h"
#include "support/temp_folder.h"

namespace {

class ImageTest : public ::testing::Test {
protected:
    void SetUp() override { dir.make_program_folder(); }
    void TearDown() override { free_pixels(pixels); }

    bool load(const char* name)
    {
        free_pixels(pixels);
        pixels = nullptr;
        w = h = 0;
        return load_picture_file(&pixels, &w, &h, name);
    }

    TempFolder dir;
    LogCapture log;
    uint16_t* pixels = nullptr;
    int w = 0, h = 0;
};

std::vector<uint8_t> three_by_two_tga()
{
    std::vector<Bgr> palette(256);
    palette[0] = Bgr{0x08, 0x40, 0xF0};
    palette[5] = Bgr{0xFF, 0x80, 0x10};
    // Top row first here; the file stores [5 5 5] first, as its bottom row.
    return make_tga(3, 2, palette, {0, 0, 0, 5, 5, 5});
}

// Every column a different colour, top row first.
std::vector<uint8_t> columns_rgb(int width, int height)
{
    std::vector<uint8_t> rgb;
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) rgb.insert(rgb.end(), {uint8_t(x * 2 + 7), uint8_t(255 - x), uint8_t(x * 5)});
    return rgb;
}

void put_be(std::vector<uint8_t>& bytes, size_t at, uint32_t v, int count)
{
    for (int i = 0; i < count; i++) bytes[at + size_t(i)] = uint8_t(v >> (8 * (count - 1 - i)));
}

// A real PNG whose header announces another size (its checksum made to match, as a decoder checks it).
std::vector<uint8_t> png_announcing(const std::string& path, uint32_t width, uint32_t height)
{
    std::vector<uint8_t> png = read_bytes(path);
    put_be(png, 16, width, 4);
    put_be(png, 20, height, 4);
    put_be(png, 29, uint32_t(crc32(0, png.data() + 12, 17)), 4);
    return png;
}

// A real JPEG whose frame header announces another size, behind a comment.
std::vector<uint8_t> jpeg_announcing(const std::string& path, uint16_t width, uint16_t height)
{
    std::vector<uint8_t> jpg = read_bytes(path);
    const uint8_t sof[] = {0xFF, 0xC0};
    const size_t at = size_t(std::search(jpg.begin(), jpg.end(), sof, sof + 2) - jpg.begin());
    put_be(jpg, at + 5, height, 2);
    put_be(jpg, at + 7, width, 2);
    const std::vector<uint8_t> comment = {0xFF, 0xFE, 0x00, 0x06, 'h', 'i', '!', '!'};
    jpg.insert(jpg.begin() + 2, comment.begin(), comment.end());
    return jpg;
}

}  // namespace

TEST_F(ImageTest, ThreeByTwoTgaConvertsItsPaletteAndTurnsRowsUprightOnlyUnderItsLowerCaseName)
{
    ASSERT_TRUE(write_bytes(dir.file("graphics/t.tga"), three_by_two_tga()));
    ASSERT_TRUE(load("graphics\\t.tga"));
    ASSERT_EQ(w, 3);
    ASSERT_EQ(h, 2);
    const uint16_t top = rgb565(0xF0, 0x40, 0x08);
    for (int x = 0; x < 3; x++) {
        EXPECT_EQ(pixels[x], top);
        EXPECT_EQ(pixels[3 + x], 0x141F);  // red 2, green 32, blue 31
    }
    // Under an upper-case name a real TGA is the decoder's business, which it is not; a PNG so named decodes.
    ASSERT_TRUE(write_bytes(dir.file("graphics/t.TGA"), three_by_two_tga()));
    EXPECT_FALSE(load("graphics\\t.TGA"));
    EXPECT_TRUE(log.contains("Error decompressing " + dir.path() + "graphics\\t.TGA."));
    ASSERT_TRUE(write_flat_png(dir.file("graphics/p.TGA"), 8, 4, 0x20, 0x40, 0x80));
    ASSERT_TRUE(load("graphics\\p.TGA"));
    EXPECT_EQ(w, 8);
    EXPECT_EQ(pixels[0], rgb565(0x20, 0x40, 0x80));
}

// The game keeps whole groups of four columns of a decoded picture; one narrower than four keeps nothing and
// is refused, by the strips' loader too.
TEST_F(ImageTest, DecodedWidthsRoundDownToWholeGroupsOfFour)
{
    for (const auto& [width, kept] : {std::pair{1, 0}, {3, 0}, {4, 4}, {100, 100}, {101, 100}, {103, 100}, {104, 104}}) {
        SCOPED_TRACE("width " + std::to_string(width));
        const std::string file = "w" + std::to_string(width) + ".png";
        const auto rgb = columns_rgb(width, 50);
        ASSERT_TRUE(write_png(dir.file(file), width, 50, rgb));
        if (!kept) {
            EXPECT_FALSE(load(file.c_str()));
            EXPECT_EQ(pixels, nullptr);
            EXPECT_EQ(log.count_starting("Refused " + dir.path() + file + ": a picture of " + std::to_string(width) +
                                         " x 50 keeps no pixels"), 1);
            std::vector<uint16_t> frame(16, 0x1234);
            EXPECT_FALSE(decode_into(frame.data(), (dir.path() + file).c_str(), 0, 50));
            EXPECT_EQ(frame[0], 0x1234);
            continue;
        }
        ASSERT_TRUE(load(file.c_str()));
        EXPECT_EQ(w, kept);
        EXPECT_EQ(h, 50);
        // Rows follow each other without gaps: the last row runs from column 0 to the last kept column w - 1.
        auto colour = [&](int x) { return rgb565(rgb[size_t(x) * 3], rgb[size_t(x) * 3 + 1], rgb[size_t(x) * 3 + 2]); };
        EXPECT_EQ(pixels[size_t(w) * 49 + size_t(w - 1)], colour(w - 1));
        EXPECT_EQ(pixels[size_t(w) * 49], colour(0));
    }
}

TEST_F(ImageTest, CutOffPngsEndInsteadOfReadingTheirLastChunkForEver)
{
    // A PNG cut off inside a chunk after its header, as a fuzzer found it: the decoder used to read the
    // stale chunk again and again.
    const std::vector<uint8_t> cut = {
        0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
        0x00, 0x05, 0x00, 0x00, 0x00, 0x04, 0x10, 0x04, 0x00, 0x00, 0x00, 0xbc, 0xaa, 0xe1, 0x88, 0x00, 0x00, 0x00,
        0x28, 0x67, 0x41, 0x4d, 0x41, 0x78, 0x9c, 0x63, 0x60, 0x60, 0x64, 0x62, 0x66, 0x61, 0x65, 0x63, 0xe7, 0xe0,
        0xe4, 0xe2, 0xe6, 0xe1, 0xe5, 0xe3, 0x17, 0x10, 0x14, 0x12, 0xc6, 0x26, 0x26, 0xc2, 0x80, 0x45, 0x4c, 0x94,
        0x01, 0x8b, 0x98, 0x18, 0x00, 0x7e, 0x1c, 0x03, 0x71, 0xd0, 0x46, 0x38, 0x88, 0x00, 0x00};
    ASSERT_TRUE(write_bytes(dir.file("cut.png"), cut));
    ASSERT_TRUE(write_flat_png(dir.file("real.png"), 8, 4, 1, 2, 3));
    const std::vector<uint8_t> real = read_bytes(dir.file("real.png"));
    // A hang fails the test rather than the whole run. The pictures load on this thread, as in the game
    // (a thread of its own would keep the decoder's error text past its end).
    std::promise<void> done;
    std::thread watchdog([finished = done.get_future()] {
        if (finished.wait_for(std::chrono::seconds(60)) != std::future_status::ready) {
            std::fprintf(stderr, "a cut-off PNG is still being read after a minute\n");
            std::_Exit(1);
        }
    });
    std::vector<std::string> loaded;
    if (load("cut.png")) loaded.push_back("cut.png");
    // Every cut of a real picture that loses more than its end chunk.
    for (size_t length = 8; length + 12 < real.size(); length++) {
        write_bytes(dir.file("part.png"), std::vector<uint8_t>(real.begin(), real.begin() + long(length)));
        if (load("part.png")) loaded.push_back("part.png of " + std::to_string(length) + " bytes");
    }
    done.set_value();
    watchdog.join();
    EXPECT_EQ(loaded, std::vector<std::string>{});
    EXPECT_EQ(pixels, nullptr);
    EXPECT_TRUE(load("real.png"));
}

// A file shorter than its header's size, a header too short to hold one, and absurd sizes: refused before
// anything is allocated.
TEST_F(ImageTest, TgasOfImpossibleSizesAreRefused)
{
    auto shortFile = make_flat_tga(64, 64, 1, 2, 3);
    shortFile.resize(18 + 768 + 64 * 10);  // ten rows instead of sixty-four
    std::vector<std::vector<uint8_t>> files = {shortFile, {0, 1, 1, 0}};
    for (auto [width, height] : {std::pair{4501, 10}, std::pair{10, 4501}, std::pair{0, 10}, std::pair{65535, 65535}}) {
        auto file = make_flat_tga(1, 1, 1, 2, 3);
        // Width and height, each low byte first.
        const uint8_t size[] = {uint8_t(width), uint8_t(width >> 8), uint8_t(height), uint8_t(height >> 8)};
        std::copy(size, size + 4, file.begin() + 12);
        files.push_back(file);
    }
    for (size_t i = 0; i < files.size(); i++) {
        ASSERT_TRUE(write_bytes(dir.file("bad.tga"), files[i]));
        EXPECT_FALSE(load("bad.tga")) << "file " << i;
        EXPECT_EQ(pixels, nullptr);
    }
    EXPECT_EQ(log.count_starting("Refused " + dir.path() + "bad.tga"), 6);
}

TEST_F(ImageTest, PictureIntoACallersBufferMustFitIt)
{
    ASSERT_TRUE(write_bytes(dir.file("big.tga"), make_flat_tga(40, 40, 0xFF, 0xFF, 0xFF)));
    ASSERT_TRUE(write_flat_png(dir.file("big.png"), 40, 40, 0xFF, 0xFF, 0xFF));
    std::vector<uint16_t> buffer(30 * 30 + 1, 0x1234);
    for (const char* name : {"big.tga", "big.png"}) {
        uint16_t* p = buffer.data();
        int bw = 30, bh = 30;
        EXPECT_FALSE(load_picture_file(&p, &bw, &bh, name)) << name;
        EXPECT_EQ(p, buffer.data());  // the caller's buffer stays theirs
        EXPECT_EQ(buffer[30 * 30], 0x1234);
    }
    // One that fits is read straight into it.
    std::vector<uint16_t> screen(240 * 320, 0);
    uint16_t* p = screen.data();
    int sw = 240, sh = 320;
    ASSERT_TRUE(load_picture_file(&p, &sw, &sh, "big.tga"));
    EXPECT_EQ(sw, 40);
    EXPECT_EQ(screen[0], 0xFFFF);
    EXPECT_EQ(screen[40 * 40], 0);
}

// The decoder allocates a picture from its header's size before reading a pixel; a few bytes announcing
// 60000 x 60000 would ask for gigabytes. They are refused from the header, as an absurd TGA is.
TEST_F(ImageTest, AbsurdPngAndJpegSizesAreRefusedBeforeDecoding)
{
    ASSERT_TRUE(write_flat_png(dir.file("real.png"), 8, 4, 1, 2, 3));
    ASSERT_TRUE(write_jpg(dir.file("real.jpg"), 16, 16, std::vector<uint8_t>(16 * 16 * 3, 0x40)));
    ASSERT_TRUE(write_bytes(dir.file("huge.png"), png_announcing(dir.file("real.png"), 60000, 60000)));
    ASSERT_TRUE(write_bytes(dir.file("wide.png"), png_announcing(dir.file("real.png"), 0x80000000u, 4)));
    ASSERT_TRUE(write_bytes(dir.file("huge.jpg"), jpeg_announcing(dir.file("real.jpg"), 65000, 65000)));
    ASSERT_TRUE(write_bytes(dir.file("tall.jpg"), jpeg_announcing(dir.file("real.jpg"), 16, 4501)));
    for (const char* name : {"huge.png", "wide.png", "huge.jpg", "tall.jpg"}) {
        EXPECT_FALSE(load(name)) << name;
        EXPECT_EQ(pixels, nullptr);
    }
    for (const char* refused : {"huge.png: a picture of 60000 x 60000", "wide.png: a picture of 2147483647 x 4",
                                 "huge.jpg: a picture of 65000 x 65000", "tall.jpg: a picture of 16 x 4501"})
        EXPECT_TRUE(log.contains("Refused " + dir.path() + refused + " is not readable.")) << refused;
    EXPECT_EQ(log.count_starting("Error decompressing"), 0);

    // The same files at their own sizes, and a JPEG whose size lies behind a comment, still load.
    ASSERT_TRUE(write_bytes(dir.file("fine.jpg"), jpeg_announcing(dir.file("real.jpg"), 16, 16)));
    for (const char* name : {"real.png", "real.jpg", "fine.jpg"}) EXPECT_TRUE(load(name)) << name;
    EXPECT_EQ(w, 16);
}
