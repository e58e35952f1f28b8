// The career record (unlocked levels, difficulty), its file career.dat and the progress rules.
#pragma once
#include <cstdint>
#include <string>

constexpr int kCareerLevels = 12;
constexpr uint32_t kCareerRecordSize = 60;
// The career file's name in the program folder.
constexpr const char* kCareerFileName = "career.dat";

enum Difficulty : uint32_t {
    DIFFICULTY_NORMAL = 0,
    DIFFICULTY_EASY = 1,
    DIFFICULTY_HARD = 2,
};

// Laid out as in the file after its 4-byte length word (little-endian, 60 bytes).
struct CareerRecord {
    uint8_t reserved0[35] = {};
    uint8_t levelUnlocked[kCareerLevels] = {};   // levels 1 to 12; 1 = unlocked
    uint8_t reserved1 = 0;
    uint32_t defaultsWord = 0;                   // 1 in the defaults, otherwise unused
    uint32_t reserved2 = 0;
    uint32_t difficulty = DIFFICULTY_NORMAL;
};
static_assert(sizeof(CareerRecord) == kCareerRecordSize, "the career record is 60 bytes");

// What load_career met in the file, for a check of it.
struct CareerFileInfo {
    bool exists = false;
    uint32_t lengthWord = 0;     // the record length the file announces
    bool lengthRead = false;
    uint32_t bytesRead = 0;      // of the record
    bool trailingBytes = false;  // the file goes on after what was read
    uint32_t difficulty = 0;     // as stored, before an unknown one is replaced by NORMAL
};

// Fills the record from "<program folder>career.dat", starting from the defaults (level 1 unlocked,
// NORMAL). True when the whole record the file announces was read; a length above 60 reads 60 bytes.
// With info, also tells what the file held.
bool load_career(CareerRecord& record, CareerFileInfo* info = nullptr);
// "<program folder>career.dat"
std::string career_path();
// Writes the 64-byte file through a temporary file in the same folder that then replaces the old one,
// so a failed save leaves the previous career in place. True on success.
bool save_career(const CareerRecord& record);

void set_career_defaults(CareerRecord& record);
// Level n (1 to 12) is unlocked; false for any other number.
bool level_unlocked(const CareerRecord& record, int level);
// Finishing level n unlocks n + 1; true when the record changed in a way worth saving. Levels 12 and up
// (and nonsense numbers) have no following flag and change nothing.
bool unlock_after_level(CareerRecord& record, int finishedLevel);
// A confirmed difficulty change: stores it and locks all twelve levels again.
void change_difficulty(CareerRecord& record, uint32_t difficulty);
