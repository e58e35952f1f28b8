// What the files layer tells about files beyond their bytes: a change stamp, and a folder's names.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Changes whenever the file is rewritten: modification time and size together.
struct FileStamp {
    int64_t modifiedNs = 0;
    int64_t size = -1;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at a data path; false (and an empty stamp) when there is no such file.
bool sys_file_stamp(const char* path, FileStamp* out);
// A folder is at that data path.
bool sys_folder_exists(const char* path);
// The names of the plain files in the folder at a data path, sorted; empty when it cannot be read.
std::vector<std::string> sys_list_folder(const char* path);
