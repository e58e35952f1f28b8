// career.dat on real files: defaults, short, over-long and hostile files, the safe save and the levels it flags.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "app/app_state.h"
#include "level/career.h"
#include "support/temp_folder.h"
#include "util/strings.h"

namespace {

std::vector<uint8_t> file_bytes(uint32_t length, const std::vector<uint8_t>& body)
{
    std::vector<uint8_t> out(4 + body.size());
    for (int i = 0; i < 4; ++i)
        out[i] = uint8_t(length >> (8 * i));
    std::copy(body.begin(), body.end(), out.begin() + 4);
    return out;
}

// A record body with levels 1..3 unlocked and HARD.
std::vector<uint8_t> sample_body()
{
    std::vector<uint8_t> body(60, 0);
    body[35] = body[36] = body[37] = 1;
    body[48] = 1;
    body[56] = DIFFICULTY_HARD;
    return body;
}

struct CareerFolder {
    TempFolder folder;
    CareerFolder() { folder.make_program_folder(); }
    std::string path() const { return folder.file("career.dat"); }
};

} // namespace

// The length word says how much of the record to read, never more than the record holds; whatever the file
// does not give keeps the defaults (level 1 open, NORMAL), whatever the record held before.
TEST(Career, LoadingReadsWhatTheLengthWordAndTheFileGiveAndKeepsTheDefaultsBeyond)
{
    CareerFolder f;
    std::vector<uint8_t> cut = sample_body(), longer = sample_body(), odd(60, 0);
    cut.resize(40);   // up to level 5's flag
    longer.resize(1000, 0xEE);
    odd[56] = 7;      // no such difficulty
    const struct {
        bool present;
        std::vector<uint8_t> bytes;
        bool ok;
        const char* logged;
        int lastOpen;
        uint32_t difficulty;
    } cases[] = {
        {false, {}, false, "No career file exists yet.", 1, DIFFICULTY_NORMAL},
        {true, {60, 0}, false, "error reading career info", 1, DIFFICULTY_NORMAL},  // not even a length word
        {true, file_bytes(60, {}), false, "Error reading career info", 1, DIFFICULTY_NORMAL},
        {true, file_bytes(60, cut), false, "", 3, DIFFICULTY_NORMAL},
        {true, file_bytes(36, sample_body()), true, "", 1, DIFFICULTY_NORMAL},  // 36 bytes: level 1's flag only
        {true, file_bytes(1000, longer), true, "reading the first 60", 3, DIFFICULTY_HARD},
        {true, file_bytes(60, odd), true, "difficulty 7", 0, DIFFICULTY_NORMAL},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto& c = cases[i];
        SCOPED_TRACE("case " + std::to_string(i));
        if (c.present) write_bytes(f.path(), c.bytes);
        struct {
            CareerRecord record;
            uint8_t guard[64];
        } held;
        memset(held.record.levelUnlocked, 1, sizeof held.record.levelUnlocked);
        held.record.difficulty = DIFFICULTY_HARD;
        memset(held.guard, 0x33, sizeof held.guard);
        testing::internal::CaptureStderr();
        EXPECT_EQ(load_career(held.record), c.ok);
        EXPECT_NE(testing::internal::GetCapturedStderr().find(c.logged), std::string::npos);
        for (int level = 2; level <= 12; ++level)
            EXPECT_EQ(level_unlocked(held.record, level), level <= c.lastOpen) << level;
        EXPECT_EQ(uint32_t(held.record.difficulty), c.difficulty);
        for (uint8_t g : held.guard)
            ASSERT_EQ(g, 0x33);
    }
}

// The save replaces the file whole through a temporary name, and holds only the flags of the career's levels.
TEST(Career, SaveWritesSixtyFourBytesAndLoadsBack)
{
    CareerFolder f;
    write_bytes(f.path(), std::vector<uint8_t>(500, 0xFF));   // an older, longer file is replaced whole
    // A link left at the temporary name is replaced, not written through.
    TempFolder outside;
    const std::string victim = outside.file("victim.txt");
    write_text(victim, "keep me");
    std::filesystem::create_symlink(victim, f.folder.file("career.dat.tmp"));
    CareerRecord r;
    set_career_defaults(r);
    EXPECT_TRUE(unlock_after_level(r, 1));
    EXPECT_TRUE(unlock_after_level(r, 11));
    // Level 12 ends the run; 13 and beyond (reached through next_level) have no flag to set.
    for (int level : {12, 13, 14, 100, 0, -1})
        EXPECT_FALSE(unlock_after_level(r, level)) << level;
    EXPECT_FALSE(level_unlocked(r, 13) || level_unlocked(r, 0));
    r.difficulty = DIFFICULTY_EASY;
    EXPECT_TRUE(save_career(r));

    std::vector<uint8_t> body(60, 0);
    body[35] = body[36] = body[46] = 1;   // levels 1, 2 and 12
    body[48] = 1;                         // the defaults word
    body[56] = DIFFICULTY_EASY;
    EXPECT_EQ(read_bytes(f.path()), file_bytes(60, body));
    EXPECT_FALSE(path_exists(f.folder.file("career.dat.tmp")));
    EXPECT_EQ(read_text(victim), "keep me");
    EXPECT_FALSE(std::filesystem::is_symlink(f.path()));

    CareerRecord back;
    EXPECT_TRUE(load_career(back));
    EXPECT_EQ(memcmp(&back, &r, sizeof r), 0);

    // Into a folder that is not there, the save fails loudly and makes nothing.
    const std::string missing = f.folder.path() + "gone/";
    copy_text(AppState.programDir, sizeof AppState.programDir, missing.c_str());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(save_career(r));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Error saving career data"), std::string::npos);
    EXPECT_FALSE(path_exists(missing));
}
