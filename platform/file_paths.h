// Data paths on the system: separators mapped, case looked up, plain file operations on real paths.
#pragma once
#include <string>

// Inside the platform layer only (and the start-up code that checks folders).
namespace files {

// Backslashes become '/' and doubled separators read as one.
std::string map_separators(const char* path);
// The real path for a mapped path: where the exact path is missing, each component is looked up without
// regard to case. A missing file keeps the mapped path.
std::string resolve_case(const std::string& mapped);
bool path_exists(const std::string& path);
bool is_regular_file(const std::string& path);
// Makes every missing folder of path (which names a folder).
bool make_folders(const std::string& path, unsigned mode);
// Copies a whole file through a temporary beside the target, so the target is either old or complete.
bool copy_file(const std::string& from, const std::string& to);

// Writes a small text file (settings) through a temporary beside it: the old file stays until the new one is
// complete.
bool write_text_file(const std::string& path, const std::string& text);

}  // namespace files
