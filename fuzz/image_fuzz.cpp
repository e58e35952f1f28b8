// Fuzzes PNG and JPEG pictures as the game reads them: load_picture_file by data name, and strip frames.
#include <cstdint>
#include <vector>
#include "fuzz/support/fuzz_folder.h"
#include "fuzz/support/fuzz_pictures.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The decoder tells PNG from JPEG by content, so one file serves both: a picture, the only frame of
    // strip one_ and the second frame of strip two_ (whose first frame is a valid 4 x 4 PNG).
    const std::vector<uint8_t> first = fuzz_small_png(4, 4);
    fuzz_write_file(fuzz_file("graphics/two_01.png"), first.data(), first.size());
    fuzz_input_file("graphics/x.png", {"graphics/one_01.png", "graphics/two_02.png"});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = fuzz_file("graphics/x.png");
    if (!fuzz_write_file(path, data, size)) return 0;
    fuzz_load_picture("graphics\\x.png");
    fuzz_load_strip("graphics\\one_", 1);
    fuzz_load_strip("graphics\\two_", 2);
    return 0;
}
