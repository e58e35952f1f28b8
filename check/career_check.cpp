// check_career_file: load_career on the real file, and what it met there.
#include "check/career_check.h"

#include "app/app_state.h"
#include "check/check_context.h"
#include "level/career.h"

void check_career_file(CheckContext& context)
{
    CareerRecord record;
    CareerFileInfo info;
    const bool whole = load_career(record, &info);
    if (!info.exists) return;
    const std::string path = shown_path("career.dat");
    CheckReport& report = context.report;
    if (!info.lengthRead) {
        report.error(path, 0, "too short to hold its length word; the game starts from the defaults");
        return;
    }
    if (!whole)
        report.error(path, 0, "announces a record of %u bytes but ends after %u; the rest keeps the defaults",
                     info.lengthWord, info.bytesRead);
    else if (info.lengthWord != kCareerRecordSize)
        report.warning(path, 0, "announces a record of %u bytes, the game writes %u", info.lengthWord,
                       kCareerRecordSize);
    if (whole && info.trailingBytes)
        report.warning(path, 0, "goes on after its %u-byte record; the game ignores the rest", info.bytesRead);
    if (info.difficulty > DIFFICULTY_HARD)
        report.error(path, 0, "holds difficulty %u, which is none of 0 NORMAL, 1 easy, 2 HARD; the game plays NORMAL",
                     info.difficulty);
    for (int n = 1; n <= kCareerLevels; n++)
        if (record.levelUnlocked[n - 1] > 1)
            report.warning(path, 0, "the flag of level %d is %d; the game writes 0 or 1", n,
                           int(record.levelUnlocked[n - 1]));
}
