// The fuzz targets' shared ground: one temporary program folder per process, whole-file writes, tree listings.
#include "fuzz_folder.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <zlib.h>
#include "app/app_state.h"
#include "platform/debug_output_file.h"
#include "util/strings.h"

namespace fs = std::filesystem;

namespace {

std::string g_outer;
std::string g_folder;

void remove_folder()
{
    std::error_code ec;
    if (!g_outer.empty()) fs::remove_all(g_outer, ec);
}

// $TMPDIR when set, else /dev/shm where it exists: the input is rewritten every run, and on a disk file
// system replacing a file's content costs a write-back each time.
std::string temp_base()
{
    const char* tmp = std::getenv("TMPDIR");
    if (tmp && *tmp) return tmp;
    std::error_code ec;
    if (fs::is_directory("/dev/shm", ec)) return "/dev/shm";
    return "/tmp";
}

}  // namespace

const std::string& fuzz_program_folder()
{
    if (g_folder.empty()) {
        debug_output_open("/dev/null");
        std::string pattern = temp_base() + "/vorlaine-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        g_outer = pattern + "/";
        g_folder = g_outer + "game/";
        std::error_code ec;
        fs::create_directories(g_folder, ec);
        copy_text(AppState.programDir, sizeof AppState.programDir, g_folder.c_str());
        std::atexit(remove_folder);
    }
    return g_folder;
}

const std::string& fuzz_outer_folder()
{
    fuzz_program_folder();
    return g_outer;
}

std::string fuzz_file(const std::string& relative)
{
    const fs::path path = fs::path(fuzz_program_folder()) / relative;
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    return path.string();
}

bool fuzz_write_file(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

std::vector<uint8_t> fuzz_small_tga(int w, int h)
{
    std::vector<uint8_t> tga(18 + 768 + size_t(w) * size_t(h));
    tga[1] = 1;   // a colour map
    tga[2] = 1;   // uncompressed, colour-mapped
    tga[6] = 1;   // 256 map entries
    tga[7] = 24;  // of 24 bits
    tga[12] = uint8_t(w);
    tga[13] = uint8_t(w >> 8);
    tga[14] = uint8_t(h);
    tga[15] = uint8_t(h >> 8);
    tga[16] = 8;
    for (int i = 0; i < 256; i++) tga[18 + i * 3] = tga[19 + i * 3] = tga[20 + i * 3] = uint8_t(i);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) tga[786 + size_t(y) * size_t(w) + size_t(x)] = uint8_t(x + y);
    return tga;
}

namespace {

void put_be32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

void put_chunk(std::vector<uint8_t>& png, const char* type, const std::vector<uint8_t>& body)
{
    put_be32(png, uint32_t(body.size()));
    const size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), body.begin(), body.end());
    put_be32(png, uint32_t(crc32(0, png.data() + start, uInt(png.size() - start))));
}

}  // namespace

std::vector<uint8_t> fuzz_small_png(int w, int h)
{
    std::vector<uint8_t> header;
    put_be32(header, uint32_t(w));
    put_be32(header, uint32_t(h));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
    std::vector<uint8_t> raw;
    for (int y = 0; y < h; y++) {
        raw.push_back(0);  // filter: none
        for (int x = 0; x < w; x++) raw.insert(raw.end(), {uint8_t(x * 60), uint8_t(y * 60), 128});
    }
    std::vector<uint8_t> packed(compressBound(uLong(raw.size())));
    uLongf packedSize = uLongf(packed.size());
    compress(packed.data(), &packedSize, raw.data(), uLong(raw.size()));
    packed.resize(packedSize);
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    put_chunk(png, "IHDR", header);
    put_chunk(png, "IDAT", packed);
    put_chunk(png, "IEND", {});
    return png;
}

std::string fuzz_input_file(const std::string& relative, const std::vector<std::string>& links)
{
    const std::string path = fuzz_file(relative);
    fuzz_write_file(path, nullptr, 0);
    for (const std::string& link : links) {
        std::error_code ec;
        fs::create_symlink(path, fuzz_file(link), ec);
    }
    return path;
}

std::vector<std::string> fuzz_list_tree(const std::string& folder)
{
    std::vector<std::string> out;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        out.push_back(fs::relative(it->path(), folder, ec).string());
    std::sort(out.begin(), out.end());
    return out;
}

void fuzz_expect_tree(const std::string& folder, const std::vector<std::string>& before, const char* what)
{
    const std::vector<std::string> after = fuzz_list_tree(folder);
    if (after == before) return;
    std::fprintf(stderr, "%s: the files below %s changed:\n", what, folder.c_str());
    for (const std::string& p : after)
        if (!std::binary_search(before.begin(), before.end(), p)) std::fprintf(stderr, "  + %s\n", p.c_str());
    for (const std::string& p : before)
        if (!std::binary_search(after.begin(), after.end(), p)) std::fprintf(stderr, "  - %s\n", p.c_str());
    std::abort();
}
