// Fuzzes archive extraction: one entry by name, then every entry into a folder; nothing may land outside it.
#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include "app/app_state.h"
#include "platform/debug_output_file.h"
#include "resources/resource_file.h"
#include "util/strings.h"

namespace fs = std::filesystem;

namespace {

// An outer folder holding only the program folder; anything else appearing in it is an escape.
struct Folders {
    fs::path outer;
    fs::path program;
};

const Folders& folders()
{
    static const Folders f = [] {
        debug_output_open("/dev/null");
        Folders made;
        char tmpl[] = "/tmp/vorlaine-fuzz-zip-XXXXXX";
        const char* outer = ::mkdtemp(tmpl);
        if (!outer) std::abort();
        made.outer = outer;
        made.program = made.outer / "game";
        fs::create_directories(made.program / "graphics" / "out");
        std::string dir = made.program.string() + "/";
        copy_text(AppState.programDir, sizeof AppState.programDir, dir.c_str());
        return made;
    }();
    return f;
}

void check_nothing_escaped(const Folders& f)
{
    for (auto& e : fs::directory_iterator(f.outer))
        if (e.path() != f.program) {
            std::fprintf(stderr, "escaped: %s\n", e.path().c_str());
            std::abort();
        }
    for (auto& e : fs::directory_iterator(f.program / "graphics"))
        if (e.path().filename() != "out" && e.path().filename() != "x.zip") {
            std::fprintf(stderr, "escaped: %s\n", e.path().c_str());
            std::abort();
        }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Folders& f = folders();
    const fs::path archive = f.program / "graphics" / "x.zip";
    FILE* out = std::fopen(archive.c_str(), "wb");
    if (!out) return 0;
    std::fwrite(data, 1, size, out);
    std::fclose(out);

    {
        ResourceFile single;
        single.open("graphics\\x.png");
        single.close();
    }
    ResourceFile all;
    copy_text(all.target_folder, sizeof all.target_folder, "graphics\\out");
    all.extract_all((f.program.string() + "/graphics\\x.zip").c_str());

    check_nothing_escaped(f);
    // Start the next input from a clean program folder; only the empty folders stay behind.
    std::error_code ec;
    for (auto& e : fs::directory_iterator(f.program, ec))
        if (e.path().filename() != "graphics") fs::remove_all(e.path(), ec);
    fs::remove_all(f.program / "graphics" / "out", ec);
    fs::remove(archive, ec);
    fs::create_directories(f.program / "graphics" / "out", ec);
    return 0;
}
