// Loading and saving career.dat, and the rules that change the career record.
#include "level/career.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "app/app_state.h"
#include "platform/files.h"
#include "util/log.h"

namespace {

constexpr size_t kFileSize = 4 + kCareerRecordSize;

void put_u32(uint8_t* at, uint32_t v)
{
    at[0] = static_cast<uint8_t>(v);
    at[1] = static_cast<uint8_t>(v >> 8);
    at[2] = static_cast<uint8_t>(v >> 16);
    at[3] = static_cast<uint8_t>(v >> 24);
}

uint32_t get_u32(const uint8_t* at)
{
    return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 | static_cast<uint32_t>(at[2]) << 16 |
           static_cast<uint32_t>(at[3]) << 24;
}

void encode(const CareerRecord& record, uint8_t* out)
{
    memcpy(out, record.reserved0, sizeof record.reserved0);
    memcpy(out + 35, record.levelUnlocked, sizeof record.levelUnlocked);
    out[47] = record.reserved1;
    put_u32(out + 48, record.defaultsWord);
    put_u32(out + 52, record.reserved2);
    put_u32(out + 56, record.difficulty);
}

void decode(const uint8_t* in, CareerRecord& record)
{
    memcpy(record.reserved0, in, sizeof record.reserved0);
    memcpy(record.levelUnlocked, in + 35, sizeof record.levelUnlocked);
    record.reserved1 = in[47];
    record.defaultsWord = get_u32(in + 48);
    record.reserved2 = get_u32(in + 52);
    record.difficulty = get_u32(in + 56);
}

} // namespace

std::string career_path()
{
    return std::string(AppState.programDir) + kCareerFileName;
}

void set_career_defaults(CareerRecord& record)
{
    record = CareerRecord{};
    record.levelUnlocked[0] = 1;
    record.defaultsWord = 1;
}

bool load_career(CareerRecord& record, CareerFileInfo* info)
{
    CareerFileInfo ignored;
    if (!info) info = &ignored;
    *info = CareerFileInfo{};
    set_career_defaults(record);
    std::string path = career_path();
    FILE* f = sys_fopen(path.c_str(), "rb");
    if (!f) {
        log_msg("No career file exists yet.");
        return false;
    }
    info->exists = true;
    uint8_t lengthWord[4];
    if (fread(lengthWord, 1, sizeof lengthWord, f) != sizeof lengthWord) {
        fclose(f);
        log_msg("error reading career info");
        return false;
    }
    uint32_t length = get_u32(lengthWord);
    info->lengthRead = true;
    info->lengthWord = length;
    if (length > kCareerRecordSize) {
        // The record has room for 60 bytes; whatever a longer file holds beyond them is not ours.
        log_msg("Career file announces %u bytes, reading the first %u.", length, kCareerRecordSize);
        length = kCareerRecordSize;
    }
    // Read over the encoded defaults so a short file keeps the defaults after what it holds.
    uint8_t bytes[kCareerRecordSize];
    encode(record, bytes);
    size_t got = fread(bytes, 1, length, f);
    info->bytesRead = uint32_t(got);
    info->trailingBytes = fgetc(f) != EOF;
    fclose(f);
    decode(bytes, record);
    info->difficulty = record.difficulty;
    if (record.difficulty > DIFFICULTY_HARD) {
        log_msg("Career file holds difficulty %u, using NORMAL.", record.difficulty);
        record.difficulty = DIFFICULTY_NORMAL;
    }
    if (got != length) {
        log_msg("Error reading career info");
        return false;
    }
    return true;
}

bool save_career(const CareerRecord& record)
{
    std::string path = career_path();
    std::string temp = path + ".tmp";
    // A leftover from an interrupted save, or a link under that name, is not ours to write through.
    sys_remove(temp.c_str());
    FILE* f = sys_fopen(temp.c_str(), "wb");
    if (!f) {
        log_error("Error saving career data");
        return false;
    }
    uint8_t bytes[kFileSize];
    put_u32(bytes, kCareerRecordSize);
    encode(record, bytes + 4);
    bool ok = true;
    if (fwrite(bytes, 1, 4, f) != 4) {
        log_msg("Error writing header");
        ok = false;
    } else if (fwrite(bytes + 4, 1, kCareerRecordSize, f) != kCareerRecordSize || fflush(f) != 0) {
        log_msg("Error writing data");
        ok = false;
    }
    // A full disk often shows only when the buffered bytes go out at close.
    if (fclose(f) != 0 && ok) {
        log_msg("Error writing data");
        ok = false;
    }
    if (!ok) {
        sys_remove(temp.c_str());
        // A full disk must not pass unnoticed: the player learns that this progress is not kept.
        log_error("Error saving career data");
        return false;
    }
    if (!sys_rename(temp.c_str(), path.c_str())) {
        sys_remove(temp.c_str());
        log_error("Error saving career data");
        return false;
    }
    log_msg("Successfully added career.");
    return true;
}

bool level_unlocked(const CareerRecord& record, int level)
{
    if (level < 1 || level > kCareerLevels)
        return false;
    return record.levelUnlocked[level - 1] != 0;
}

bool unlock_after_level(CareerRecord& record, int finishedLevel)
{
    // Only levels 1 to 11 have a following flag; 12 ends the run and 13 or more come from a script's
    // next_level and have no flag at all.
    if (finishedLevel < 1 || finishedLevel >= kCareerLevels)
        return false;
    record.levelUnlocked[finishedLevel] = 1;
    return true;
}

void change_difficulty(CareerRecord& record, uint32_t difficulty)
{
    record.difficulty = difficulty;
    memset(record.levelUnlocked, 0, sizeof record.levelUnlocked);
}
