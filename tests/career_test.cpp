// career.dat on real files: defaults, short, over-long and hostile files, the safe save and the progress rules.
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

void expect_defaults(const CareerRecord& r)
{
    EXPECT_TRUE(level_unlocked(r, 1));
    for (int level = 2; level <= 12; ++level)
        EXPECT_FALSE(level_unlocked(r, level)) << level;
    EXPECT_EQ(r.defaultsWord, 1u);
    EXPECT_EQ(r.difficulty, DIFFICULTY_NORMAL);
}

struct CareerFolder {
    TempFolder folder;
    CareerFolder() { folder.make_program_folder(); }
    std::string path() const { return folder.file("career.dat"); }
};

std::string load_logged(CareerRecord& record, bool* result)
{
    testing::internal::CaptureStderr();
    *result = load_career(record);
    return testing::internal::GetCapturedStderr();
}

} // namespace

TEST(Career, FilesTooShortKeepTheDefaultsBeyondWhatTheyHold)
{
    CareerFolder f;
    const struct {
        bool present;
        std::vector<uint8_t> bytes;
        const char* logged;
    } cases[] = {{false, {}, "No career file exists yet."},
                 {true, {60, 0}, "error reading career info"},  // not even a length word
                 {true, file_bytes(60, {}), "Error reading career info"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.logged);
        if (c.present) write_bytes(f.path(), c.bytes);
        CareerRecord r;
        memset(r.levelUnlocked, 1, sizeof r.levelUnlocked);
        r.difficulty = DIFFICULTY_HARD;
        bool ok = true;
        EXPECT_NE(load_logged(r, &ok).find(c.logged), std::string::npos);
        EXPECT_FALSE(ok);
        expect_defaults(r);
    }

    std::vector<uint8_t> body = sample_body();
    body.resize(40);   // up to level 5's flag
    write_bytes(f.path(), file_bytes(60, body));
    CareerRecord r;
    bool ok = true;
    load_logged(r, &ok);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(level_unlocked(r, 3));
    EXPECT_EQ(r.defaultsWord, 1u);
    EXPECT_EQ(r.difficulty, DIFFICULTY_NORMAL);
}

TEST(Career, TheLengthWordDecidesHowMuchIsRead)
{
    CareerFolder f;
    std::vector<uint8_t> body = sample_body();
    body.resize(1000, 0xEE);
    write_bytes(f.path(), file_bytes(1000, body));
    struct {
        CareerRecord record;
        uint8_t guard[64];
    } held;
    memset(held.guard, 0x33, sizeof held.guard);
    bool ok = false;
    EXPECT_NE(load_logged(held.record, &ok).find("reading the first 60"), std::string::npos);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(level_unlocked(held.record, 3));
    EXPECT_FALSE(level_unlocked(held.record, 4));
    EXPECT_EQ(held.record.difficulty, DIFFICULTY_HARD);
    for (uint8_t g : held.guard)
        ASSERT_EQ(g, 0x33);

    CareerRecord r;
    write_bytes(f.path(), file_bytes(36, sample_body()));   // announces 36 bytes: level 1 only
    load_logged(r, &ok);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(level_unlocked(r, 1));
    EXPECT_FALSE(level_unlocked(r, 2));

    body.assign(60, 0);
    body[56] = 7;
    write_bytes(f.path(), file_bytes(60, body));
    EXPECT_NE(load_logged(r, &ok).find("difficulty 7"), std::string::npos);
    EXPECT_TRUE(ok);
    EXPECT_EQ(r.difficulty, DIFFICULTY_NORMAL);
}

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
    unlock_after_level(r, 1);
    r.difficulty = DIFFICULTY_EASY;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(save_career(r));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Successfully added career."), std::string::npos);

    std::vector<uint8_t> body(60, 0);
    body[35] = body[36] = 1;   // levels 1 and 2
    body[48] = 1;              // the defaults word
    body[56] = DIFFICULTY_EASY;
    EXPECT_EQ(read_bytes(f.path()), file_bytes(60, body));
    EXPECT_FALSE(path_exists(f.folder.file("career.dat.tmp")));
    EXPECT_EQ(read_text(victim), "keep me");
    EXPECT_FALSE(std::filesystem::is_symlink(f.path()));

    CareerRecord back;
    EXPECT_TRUE(load_career(back));
    EXPECT_EQ(memcmp(&back, &r, sizeof r), 0);
}

TEST(Career, UnwritableFolderReportsAndWritesNothing)
{
    TempFolder folder;
    std::string missing = folder.path() + "gone/";
    copy_text(AppState.programDir, sizeof AppState.programDir, missing.c_str());
    CareerRecord r;
    set_career_defaults(r);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(save_career(r));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Error saving career data"), std::string::npos);
    EXPECT_FALSE(path_exists(missing));
}

TEST(Career, ProgressRules)
{
    CareerRecord r;
    set_career_defaults(r);
    EXPECT_TRUE(unlock_after_level(r, 5));
    EXPECT_TRUE(unlock_after_level(r, 5));
    EXPECT_EQ(r.levelUnlocked[5], 1);   // a flag, not a count
    EXPECT_TRUE(unlock_after_level(r, 11));
    EXPECT_TRUE(level_unlocked(r, 12));

    // Level 12 ends the run; 13 and beyond (reached through next_level) have no flag to set.
    CareerRecord before = r;
    for (int level : {12, 13, 14, 100, 0, -1})
        EXPECT_FALSE(unlock_after_level(r, level)) << level;
    EXPECT_EQ(memcmp(&before, &r, sizeof r), 0);
    EXPECT_FALSE(level_unlocked(r, 13));
    EXPECT_FALSE(level_unlocked(r, 0));
}
