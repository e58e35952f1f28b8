// Fuzzes whole-archive extraction as the first start makes it: a creature archive unpacked into its folder;
// nothing may land outside that folder.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>
#include "fuzz/support/fuzz_folder.h"
#include "resources/resource_file.h"
#include "util/strings.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_input_file("graphics/ant/ant.zip", {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    namespace fs = std::filesystem;
    static const std::string archive = fuzz_file("graphics/ant/ant.zip");
    static const std::string folder = fuzz_program_folder() + "graphics/ant";
    static const std::vector<std::string> before = fuzz_list_tree(fuzz_outer_folder());
    if (!fuzz_write_file(archive, data, size)) return 0;

    ResourceFile unpack;
    copy_text(unpack.target_folder, sizeof unpack.target_folder, "graphics\\ant");
    unpack.extract_all((fuzz_program_folder() + "graphics\\ant\\ant.zip").c_str());

    // What was unpacked goes (only the archive stays), then the rest of the tree must be as it was.
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(folder, ec))
        if (e.path().filename() != "ant.zip") fs::remove_all(e.path(), ec);
    fuzz_expect_tree(fuzz_outer_folder(), before, "whole-archive extraction");
    return 0;
}
