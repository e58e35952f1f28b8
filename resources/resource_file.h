// ResourceFile: turns a data name into a readable path, extracting it from its per-file ZIP archive when missing.
#pragma once
#include <cstdint>

constexpr int kResourcePathSize = 255;  // 254 characters and the terminator

struct ResourceFile {
    uint8_t found = 0;                           // 1 when the file can be read at path
    char target_folder[kResourcePathSize] = {};  // extract_all writes below program folder + this
    char path[kResourcePathSize] = {};           // after a successful open: the full path to read
    uint8_t extracted = 0;                       // 1 when path is a temporary extraction that close deletes

    ResourceFile() = default;
    // A record going out of scope never leaves its temporary file behind.
    ~ResourceFile() { close(); }
    ResourceFile(const ResourceFile&) = delete;
    ResourceFile& operator=(const ResourceFile&) = delete;

    void init();
    // Resolves a relative name (loose file first, then its archive); returns found.
    bool open(const char* name);
    // The archive half of open on its own; returns found.
    bool extract(const char* name);
    // Deletes the temporary file, if this record extracted one.
    void close();
    // Unpacks every entry of the archive below program folder + target_folder.
    void extract_all(const char* archive);
};

// With an entry name: extracts that entry (matched without regard to case), true on success.
// With an empty name: extracts every entry and returns false.
bool unzip_file(const char* archive, const char* entry);

// The archive that holds a relative name: the name with everything after its last "." replaced by "zip".
// Writes program folder + that into out; false when it does not fit.
bool archive_path_for(const char* name, char* out, int out_size);
// An entry name may only name a place inside the folder it is unpacked into: no root, drive or "..".
bool entry_name_is_safe(const char* name);
// The part of a name after its last backslash or slash.
const char* base_name_of(const char* name);
