// Fuzzes the career file as the level select reads it: career.dat in the program folder, loaded over the
// defaults, then the unlock flags read and one level finished.
#include <cstdint>
#include <cstdlib>
#include "fuzz/support/fuzz_folder.h"
#include "game/level_progress.h"
#include "level/career.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_input_file("career.dat", {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = fuzz_file("career.dat");
    if (!fuzz_write_file(path, data, size)) return 0;
    CareerRecord& career = LevelProgress.career;
    const bool whole = load_career(career);
    if (whole && size < 4) std::abort();
    if (career.difficulty > DIFFICULTY_HARD) std::abort();
    career.levelUnlocked[0] = 1;  // the level select's rule: level 1 is always open
    int open = 0;
    for (int level = 0; level <= kCareerLevels + 1; level++) open += level_unlocked(career, level);
    if (open < 1 || open > kCareerLevels) std::abort();
    unlock_after_level(career, int(size % 16) - 1);
    return 0;
}
