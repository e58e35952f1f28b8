// Resource files: loose files, per-file archives, case-insensitive entries, extract_all and hostile entry names.
#include <gtest/gtest.h>
#include <filesystem>
#include <string>
#include "app/app_state.h"
#include "platform/files.h"
#include "resources/resource_file.h"
#include "support/gfx_files.h"
#include "support/temp_folder.h"
#include "util/strings.h"

namespace fs = std::filesystem;

namespace {

// A data path as the game forms it (backslashes and all), read through the files layer.
std::vector<uint8_t> read_data(const char* path) { return read_bytes(sys_resolve_path(path)); }

std::vector<uint8_t> bytes_of(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

// Many kilobytes of varied data, so an entry takes several passes through the 8192-byte buffer.
std::vector<uint8_t> big_bytes()
{
    std::vector<uint8_t> v(50000);
    uint32_t x = 12345;
    for (auto& b : v) {
        x = x * 1103515245u + 12345u;
        b = uint8_t(x >> 16);
    }
    return v;
}

class ResourceTest : public ::testing::Test {
protected:
    void SetUp() override { dir.make_program_folder(); }
    TempFolder dir;
    LogCapture log;
};

}  // namespace

TEST_F(ResourceTest, PackedFileIsExtractedUnderItsBaseNameAndALooseFileWinsOverItsArchive)
{
    const auto payload = big_bytes();
    // Entry names match without regard to case.
    ASSERT_TRUE(write_zip(dir.file("graphics/interface/decompress.zip"), {{"DeCompress.PNG", payload}}));
    ResourceFile r;
    ASSERT_TRUE(r.open("graphics\\interface\\decompress.png"));
    EXPECT_EQ(r.found, 1);
    EXPECT_EQ(r.extracted, 1);
    EXPECT_EQ(std::string(r.path), dir.file("decompress.png"));
    EXPECT_EQ(read_data(r.path), payload);
    r.close();
    EXPECT_FALSE(path_exists(dir.file("decompress.png")));
    EXPECT_TRUE(path_exists(dir.file("graphics/interface/decompress.zip")));

    ASSERT_TRUE(write_text(dir.file("graphics/interface/quit.png"), "loose"));
    ASSERT_TRUE(write_zip(dir.file("graphics/interface/quit.zip"), {{"quit.png", bytes_of("packed")}}));
    ASSERT_TRUE(r.open("graphics\\interface\\quit.png"));
    EXPECT_EQ(r.extracted, 0);
    EXPECT_EQ(read_data(r.path), bytes_of("loose"));
    r.close();
    EXPECT_TRUE(path_exists(dir.file("graphics/interface/quit.png")));
    EXPECT_FALSE(path_exists(dir.file("quit.png")));
}

TEST_F(ResourceTest, MissingCorruptAndUnnamedEntriesAreReportedAndLeaveNothing)
{
    ASSERT_TRUE(write_zip(dir.file("sounds/click.zip"), {{"other.wav", bytes_of("x")}}));
    ResourceFile r;
    EXPECT_FALSE(r.open("sounds\\click.wav"));
    EXPECT_TRUE(log.contains("file click.wav not found in the zipfile"));
    EXPECT_FALSE(r.open("readme"));
    EXPECT_TRUE(log.contains("Can't find zip file " + dir.path() + "readme."));
    EXPECT_EQ(r.found, 0);
    EXPECT_EQ(r.extracted, 0);

    // A corrupt entry leaves no half-written file: one whose name has no folder would later be taken for
    // the loose file itself.
    ASSERT_TRUE(write_zip(dir.file("career.zip"), {{"career.dat", big_bytes()}}));
    auto archive = read_bytes(dir.file("career.zip"));
    for (size_t i = 200; i < 400; i++) archive[i] ^= 0x5A;  // inside the deflated data
    ASSERT_TRUE(write_bytes(dir.file("career.zip"), archive));
    EXPECT_FALSE(r.open("career.dat"));
    EXPECT_FALSE(path_exists(dir.file("career.dat")));
    EXPECT_GE(log.count_starting("error "), 1);
}

TEST_F(ResourceTest, ExtractAllFillsOnlyFoldersThatAreThereAndGoesOn)
{
    TempFolder staging;
    ASSERT_TRUE(write_text(staging.file("a_0001.tga"), "one"));
    ASSERT_TRUE(write_text(staging.file("sub/b_0001.tga"), "two"));
    ASSERT_TRUE(write_bytes(staging.file("C_0001.tga"), big_bytes()));
    ASSERT_TRUE(run_info_zip(staging.path(), dir.file("graphics/alian.zip"), "a_0001.tga sub C_0001.tga"));
    fs::create_directories(dir.file("graphics/alian"));
    ResourceFile r;
    copy_text(r.target_folder, sizeof r.target_folder, "graphics\\alian");
    r.extract_all((dir.path() + "graphics\\alian.zip").c_str());
    EXPECT_EQ(read_text(dir.file("graphics/alian/a_0001.tga")), "one");
    EXPECT_EQ(read_bytes(dir.file("graphics/alian/C_0001.tga")), big_bytes());
    // Folders named inside entries are not made; the entry is reported and the loop goes on.
    EXPECT_FALSE(path_exists(dir.file("graphics/alian/sub")));
    EXPECT_TRUE(log.contains("error opening " + dir.path() + "graphics\\alian\\sub/b_0001.tga"));
    // With the folder already there the entry lands in it.
    fs::create_directories(dir.file("graphics/alian/sub"));
    r.extract_all((dir.path() + "graphics\\alian.zip").c_str());
    EXPECT_EQ(read_text(dir.file("graphics/alian/sub/b_0001.tga")), "two");

    // Afterwards single extractions go to the program folder again.
    ASSERT_TRUE(write_zip(dir.file("graphics/misc/icon.zip"), {{"icon.tga", bytes_of("icon")}}));
    ResourceFile single;
    ASSERT_TRUE(single.open("graphics\\misc\\icon.tga"));
    EXPECT_EQ(std::string(single.path), dir.file("icon.tga"));
}

TEST(ResourceHostile, EntriesNamingPlacesOutsideTheFolderAreRefused)
{
    // The program folder sits inside another folder, so an escape would show up beside it.
    TempFolder outer;
    const std::string program = outer.file("game/");
    fs::create_directories(program + "graphics/evil");
    copy_text(AppState.programDir, sizeof AppState.programDir, program.c_str());
    LogCapture log;
    ASSERT_TRUE(write_zip(program + "graphics/evil.zip", {{"../escaped.txt", bytes_of("a")},
                                                          {"..\\escaped2.txt", bytes_of("b")},
                                                          {"ok/../../../escaped3.txt", bytes_of("c")},
                                                          {"/tmp/vorlaine-absolute.txt", bytes_of("d")},
                                                          {"..", bytes_of("e")},
                                                          {"fine.txt", bytes_of("f")}}));
    ResourceFile r;
    copy_text(r.target_folder, sizeof r.target_folder, "graphics\\evil");
    r.extract_all((program + "graphics\\evil.zip").c_str());
    EXPECT_EQ(read_text(program + "graphics/evil/fine.txt"), "f");
    EXPECT_EQ(log.count_starting("Refused archive entry"), 5);
    EXPECT_FALSE(path_exists(program + "graphics/escaped.txt"));
    EXPECT_FALSE(path_exists(program + "escaped3.txt"));
    EXPECT_FALSE(path_exists(outer.file("escaped3.txt")));
    EXPECT_FALSE(path_exists("/tmp/vorlaine-absolute.txt"));
    int entries = 0;
    for (auto& e : fs::directory_iterator(outer.path())) (void)e, entries++;
    EXPECT_EQ(entries, 1);  // only the program folder
}

// A creature archive is unpacked into the folder it lies in: an entry of its own name (in any case) must
// not truncate it under the reader, which would break every later entry and delete the archive.
TEST_F(ResourceTest, ExtractAllNeverWritesOverTheArchiveItReads)
{
    const std::string archive = dir.file("graphics/ant/ant.zip");
    fs::create_directories(dir.file("graphics/ant"));
    ASSERT_TRUE(write_zip(archive, {{"ANT.ZIP", bytes_of("not an archive")},
                                    {"ant_walk_0001.tga", big_bytes()}}));
    const std::vector<uint8_t> before = read_bytes(archive);
    ResourceFile r;
    copy_text(r.target_folder, sizeof r.target_folder, "graphics\\ant");
    r.extract_all((dir.path() + "graphics\\ant\\ant.zip").c_str());
    EXPECT_EQ(read_bytes(archive), before);
    EXPECT_EQ(read_bytes(dir.file("graphics/ant/ant_walk_0001.tga")), big_bytes());
    EXPECT_TRUE(log.contains("Refused archive entry ANT.ZIP: it would overwrite the archive being read."));
}
