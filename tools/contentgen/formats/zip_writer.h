// Writes ZIP archives with minizip, with fixed timestamps so that every run gives the same bytes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct ZipEntry {
    std::string name;  // entry name inside the archive (base names at the root for the game's archives)
    std::vector<uint8_t> data;
};

bool write_zip(const std::string& path, const std::vector<ZipEntry>& entries);
bool read_whole_file(const std::string& path, std::vector<uint8_t>& bytes);
