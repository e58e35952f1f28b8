// Files by data path: backslashes become '/', doubled separators read as one, case is ignored when needed.
#pragma once
#include <cstdio>
#include <string>

// The real path for a data path ("dir/graphics\\Misc\\x.tga"): separators mapped, and where the exact
// path is missing each component is looked up without regard to case. Missing files keep the mapped path.
std::string sys_resolve_path(const char* path);
FILE* sys_fopen(const char* path, const char* mode);
bool sys_file_exists(const char* path);
bool sys_remove(const char* path);
// Replaces to with from atomically (same folder).
bool sys_rename(const char* from, const char* to);
// Makes every folder of path that is missing (path names a folder).
bool sys_make_dirs(const char* path);
// The executable's folder with a trailing '/'.
std::string sys_executable_folder();
