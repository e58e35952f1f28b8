// Fuzzes one-entry extraction as every loader makes it: a data file missing from the program folder is
// extracted from the archive beside it, read, and deleted again; nothing else may appear or stay.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include "fuzz/support/fuzz_folder.h"
#include "platform/files.h"
#include "resources/resource_file.h"

namespace {

// Reads the whole file, as a loader would (the name's case need not match the file's).
void read_all(const char* path)
{
    FILE* f = sys_fopen(path, "rb");
    if (!f) std::abort();  // found means readable
    char buffer[4096];
    while (std::fread(buffer, 1, sizeof buffer, f) == sizeof buffer) {}
    std::fclose(f);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_input_file("graphics/x.zip", {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string archive = fuzz_file("graphics/x.zip");
    static const std::vector<std::string> before = fuzz_list_tree(fuzz_outer_folder());
    if (!fuzz_write_file(archive, data, size)) return 0;

    {
        // A picture or sound loader: open, read, close.
        ResourceFile file;
        if (file.open("graphics\\x.tga")) read_all(file.path);
        file.close();
    }
    {
        // A strip counting its frames: extract only, and the record's close deletes what it extracted.
        ResourceFile counter;
        counter.extract("graphics\\x.tga");
        counter.close();
    }
    fuzz_expect_tree(fuzz_outer_folder(), before, "one-entry extraction");
    return 0;
}
