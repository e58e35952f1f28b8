// Fuzzes the TGA reader: header sizes, short files, and reads into buffers of a given size.
#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include "graphics/picture.h"
#include "graphics/tga_reader.h"
#include "platform/debug_output_file.h"

namespace {

const std::string& input_path()
{
    static const std::string path = [] {
        debug_output_open("/dev/null");  // refusals are expected here by the thousand
        return "/tmp/vorlaine-fuzz-tga-" + std::to_string(::getpid()) + ".tga";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = input_path();
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    uint16_t* pixels = nullptr;
    int w = 0, h = 0;
    if (read_tga(path.c_str(), &w, &h, &pixels)) free_pixels(pixels);

    // Into a caller's buffer, which holds 32 x 32 pixels.
    std::vector<uint16_t> buffer(32 * 32);
    uint16_t* into = buffer.data();
    int bw = 32, bh = 32;
    read_tga(path.c_str(), &bw, &bh, &into);
    if (into != buffer.data()) std::abort();

    // As a strip frame of the size its header gives, when that size is small enough to try.
    int fw = 0, fh = 0;
    if (read_tga_size(path.c_str(), &fw, &fh) && fw > 0 && fh > 0 && int64_t(fw) * fh <= 256 * 256) {
        std::vector<uint16_t> frame(size_t(fw) * size_t(fh));
        read_tga_frame(path.c_str(), fw, fh, frame.data());
    }
    std::remove(path.c_str());
    return 0;
}
