// Writes whole files, making the folders on the way.
#include "formats/file_out.h"
#include <algorithm>
#include <cstdio>
#include <filesystem>

std::string data_path(const std::string& root, const std::string& name)
{
    std::string p = root;
    if (!p.empty() && p.back() != '/') p += '/';
    for (char c : name) p += (c == '\\') ? '/' : c;
    return p;
}

bool make_parent_dirs(const std::string& path)
{
    std::error_code ec;
    auto parent = std::filesystem::path(path).parent_path();
    if (parent.empty()) return true;
    std::filesystem::create_directories(parent, ec);
    return !ec;
}

static bool same_content(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::vector<uint8_t> old(bytes.size() + 1);
    size_t n = std::fread(old.data(), 1, old.size(), f);
    std::fclose(f);
    return n == bytes.size() && std::equal(bytes.begin(), bytes.end(), old.begin());
}

bool write_file(const std::string& path, const std::vector<uint8_t>& bytes)
{
    if (same_content(path, bytes)) return true;
    if (!make_parent_dirs(path)) return false;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "contentgen: cannot write %s\n", path.c_str());
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = (std::fclose(f) == 0) && ok;
    return ok;
}

bool write_text_file(const std::string& path, const std::string& text)
{
    return write_file(path, std::vector<uint8_t>(text.begin(), text.end()));
}
