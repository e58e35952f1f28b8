// Graphic strips: counting and loading numbered frames (loose, archived, PNG), mirrors, and failed frames.
#include <gtest/gtest.h>
#include <filesystem>
#include <string>
#include "app/app_state.h"
#include "graphics/graphic_strip.h"
#include "support/gfx_files.h"
#include "support/temp_folder.h"

namespace {

// Frame n is one flat colour whose red channel is n.
uint16_t frame_colour(int n) { return rgb565(uint8_t(n << 3), 0x40, 0x08); }

std::string frame_file(int n, const char* ext = "tga")
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "graphics/alian/walk_6_00%02d.%s", n, ext);
    return buf;
}

class StripTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.make_program_folder();
        strip.set_name("graphics\\alian\\walk_6_00");
    }
    void write_tga_frame(int n, int w = 6, int h = 4)
    {
        ASSERT_TRUE(write_bytes(dir.file(frame_file(n)), make_flat_tga(w, h, uint8_t(n << 3), 0x40, 0x08)));
    }
    void write_packed_frame(int n)
    {
        char entry[32];
        std::snprintf(entry, sizeof entry, "walk_6_00%02d.tga", n);
        std::string archive = frame_file(n);
        archive.replace(archive.size() - 3, 3, "zip");
        ASSERT_TRUE(write_zip(dir.file(archive), {{entry, make_flat_tga(6, 4, uint8_t(n << 3), 0x40, 0x08)}}));
    }
    int files_in_program_folder() const
    {
        int n = 0;
        for (auto& e : std::filesystem::directory_iterator(dir.path())) n += e.is_regular_file();
        return n;
    }
    TempFolder dir;
    LogCapture log;
    CGraphicStrip strip;  // the frames written by the helpers above
    uint8_t flip = 9;
};

}  // namespace

TEST_F(StripTest, TheFirstMissingNumberEndsTheStrip)
{
    for (int n = 1; n <= 12; n++)
        if (n != 7) write_tga_frame(n);
    const uint16_t* f3 = strip.get_frame(3, &flip);
    ASSERT_NE(f3, nullptr);
    EXPECT_EQ(flip, 0);
    EXPECT_EQ(strip.frameCount, 6u);
    EXPECT_EQ(f3[0], frame_colour(3));
    EXPECT_EQ(strip.get_frame(6, &flip)[23], frame_colour(6));
    EXPECT_EQ(strip.get_frame(7, &flip), nullptr);
    EXPECT_EQ(strip.get_frame(0, &flip), nullptr);
}

// Loaded again, a strip reads its files afresh; under the leak checker this also shows that the first
// frame store, TGA or decoded, is let go.
TEST_F(StripTest, LoadingAgainReadsAfreshIntoOneStoreAndDecodedFramesComeFirst)
{
    for (int n = 1; n <= 3; n++) write_tga_frame(n);
    ASSERT_TRUE(strip.load());
    write_tga_frame(4);
    ASSERT_TRUE(write_bytes(dir.file(frame_file(1)), make_flat_tga(6, 4, 0xF8, 0, 0)));
    ASSERT_TRUE(strip.load());
    EXPECT_EQ(strip.frameCount, 4u);
    EXPECT_EQ(strip.get_frame(1, &flip)[0], rgb565(0xF8, 0, 0));
    EXPECT_EQ(strip.get_frame(4, &flip)[0], frame_colour(4));

    // Decoded frames win over TGA ones, PNG over JPEG.
    ASSERT_TRUE(write_flat_png(dir.file(frame_file(1, "png")), 8, 5, 0xFF, 0xFF, 0xFF));
    ASSERT_TRUE(strip.load());
    EXPECT_EQ(strip.frameCount, 1u);
    EXPECT_EQ(strip.width, 8u);
    EXPECT_EQ(strip.get_frame(1, &flip)[0], 0xFFFF);
    std::filesystem::remove(dir.file(frame_file(1, "png")));
    for (int n = 1; n <= 3; n++)
        ASSERT_TRUE(
            write_jpg(dir.file(frame_file(n, "jpg")), 16, 8, std::vector<uint8_t>(16 * 8 * 3, uint8_t(n * 60))));
    ASSERT_TRUE(strip.load());
    EXPECT_EQ(strip.frameCount, 3u);
    EXPECT_NEAR(strip.get_frame(3, &flip)[0] >> 11, 180 >> 3, 1);

    // A later decoded frame of another size, or a first one narrower than 4 pixels, fails the load.
    for (int firstWidth : {8, 3}) {
        ASSERT_TRUE(write_flat_png(dir.file(frame_file(1, "png")), firstWidth, 5, 1, 2, 3));
        ASSERT_TRUE(write_flat_png(dir.file(frame_file(2, "png")), 64, 64, 1, 2, 3));
        EXPECT_FALSE(strip.load()) << firstWidth;
        EXPECT_EQ(strip.frames, nullptr);
        EXPECT_EQ(strip.frameCount, 0u);
    }
    EXPECT_EQ(log.count_starting("Refused " + dir.path() + "graphics\\alian\\walk_6_0001.png: a picture of 3 x 5"), 1);
}

TEST_F(StripTest, MirrorsHandOutTheirSourcesFramesFlipped)
{
    for (int n = 1; n <= 4; n++) write_tga_frame(n);
    CGraphicStrip mirror, mirrorOfMirror;
    mirror.make_mirror(&strip);
    mirrorOfMirror.make_mirror(&mirror);
    ASSERT_TRUE(mirror.load());  // a mirror owns no frames: loading it loads its source
    EXPECT_EQ(mirror.frames, nullptr);
    const uint16_t* f = mirrorOfMirror.get_frame(3, &flip);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(flip, 1);
    EXPECT_EQ(f, strip.frames + 2 * 6 * 4);
    EXPECT_EQ(mirrorOfMirror.frame_count(), 4u);
    EXPECT_EQ(mirrorOfMirror.frame_width(), 6u);
    mirror.free_frames();
    EXPECT_NE(strip.frames, nullptr);
    // A loop of mirrors gives nothing rather than recursing forever.
    CGraphicStrip a, b;
    a.make_mirror(&b);
    b.make_mirror(&a);
    EXPECT_EQ(a.get_frame(1, &flip), nullptr);
}

TEST_F(StripTest, ArchivedFramesLoadAndLeaveNothingBehind)
{
    write_packed_frame(1);
    write_packed_frame(2);
    write_tga_frame(3);  // from here on the frames are loose
    write_tga_frame(4);
    write_packed_frame(5);  // after a loose frame only loose files count
    int hooked = 0;
    static int* counter = nullptr;
    counter = &hooked;
    set_strip_load_hook([] { ++*counter; });
    ASSERT_TRUE(strip.load());
    set_strip_load_hook(nullptr);
    EXPECT_EQ(hooked, 1);
    EXPECT_EQ(strip.frameCount, 4u);
    for (int n : {1, 2, 4}) EXPECT_EQ(strip.get_frame(n, &flip)[0], frame_colour(n)) << n;
    EXPECT_EQ(files_in_program_folder(), 0);
}

TEST_F(StripTest, FailedFrameReadFreesTheStoreSoTheNextGetFrameRetries)
{
    EXPECT_EQ(strip.get_frame(1, &flip), nullptr);  // no frames at all
    EXPECT_TRUE(log.contains("Couldn't find graphics\\alian\\walk_6_0001.tga."));
    write_tga_frame(1);
    // Frame 2 holds fewer pixels than the first frame's size.
    ASSERT_TRUE(write_bytes(dir.file(frame_file(2)), make_flat_tga(6, 2, 1, 1, 1)));
    EXPECT_EQ(strip.get_frame(1, &flip), nullptr);
    EXPECT_EQ(strip.frames, nullptr);
    EXPECT_EQ(strip.frameCount, 0u);
    EXPECT_TRUE(log.contains("Error loading " + dir.path() + "graphics\\alian\\walk_6_0002.tga."));
    EXPECT_TRUE(log.contains("Failed getting frame 1."));
    write_tga_frame(2);
    ASSERT_NE(strip.get_frame(2, &flip), nullptr);
    EXPECT_EQ(strip.get_frame(2, &flip)[0], frame_colour(2));
}

