// Fuzzes TGA pictures as the game reads them: by data name through load_picture_file, and as strip frames.
#include <cstdint>
#include <vector>
#include "fuzz/support/fuzz_folder.h"
#include "fuzz/support/fuzz_pictures.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The input is a picture, the only frame of strip one_ and the second frame of strip two_.
    const std::vector<uint8_t> first = fuzz_small_tga(4, 4);
    fuzz_write_file(fuzz_file("graphics/two_01.tga"), first.data(), first.size());
    fuzz_input_file("graphics/x.tga", {"graphics/one_01.tga", "graphics/two_02.tga"});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = fuzz_file("graphics/x.tga");
    if (!fuzz_write_file(path, data, size)) return 0;
    fuzz_load_picture("graphics\\x.tga");
    fuzz_load_strip("graphics\\one_", 1);
    fuzz_load_strip("graphics\\two_", 2);
    return 0;
}
