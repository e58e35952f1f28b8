// Writes whole files, making the folders on the way.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Turns a game data name ("graphics\misc\x.tga") into a path under root.
std::string data_path(const std::string& root, const std::string& name);
bool make_parent_dirs(const std::string& path);
// Writes only when the content differs, so timestamps stay put across identical runs.
bool write_file(const std::string& path, const std::vector<uint8_t>& bytes);
bool write_text_file(const std::string& path, const std::string& text);
