// Reading an archive through without writing anything: its entry names, and whether every entry reads back whole.
#pragma once
#include <string>
#include <vector>

struct ArchiveListing {
    bool opened = false;               // the file is a ZIP archive minizip can open
    std::vector<std::string> entries;  // entry names in directory order, folders left out
    std::vector<std::string> problems; // entries that fail to read, fail their check sum or name unsafe places
};

// Opens the archive at a full path (data path rules apply) and reads every entry to its end.
ArchiveListing list_archive(const char* archive);
