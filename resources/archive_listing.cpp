// list_archive: walks a ZIP archive with minizip, reading each entry to its end so the check sum is tested.
#include "resources/archive_listing.h"
#include <minizip/unzip.h>
#include <cstdint>
#include "platform/files.h"
#include "resources/resource_file.h"

namespace {

constexpr int kEntryNameSize = 256;
constexpr int kReadSize = 8192;

// Reads the current entry to its end; an empty text when it reads whole and its check sum holds.
std::string read_through(unzFile zip, const char* name, uLong size)
{
    if (unzOpenCurrentFile(zip) != UNZ_OK) return std::string(name) + ": cannot be opened";
    uint8_t buffer[kReadSize];
    int got;
    uLong total = 0;
    while ((got = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0) total += uLong(got);
    // minizip tests the check sum only when the data ran to its announced size.
    const int closed = unzCloseCurrentFile(zip);
    if (got < 0) return std::string(name) + ": its data cannot be read";
    if (total != size) return std::string(name) + ": its data ends early";
    if (closed != UNZ_OK) return std::string(name) + ": its data fails the check sum";
    return {};
}

}  // namespace

ArchiveListing list_archive(const char* archive)
{
    ArchiveListing out;
    const std::string real = sys_resolve_path(archive);
    unzFile zip = unzOpen(real.c_str());
    if (!zip) return out;
    out.opened = true;
    for (int err = unzGoToFirstFile(zip); err == UNZ_OK; err = unzGoToNextFile(zip)) {
        char name[kEntryNameSize];
        unz_file_info info;
        if (unzGetCurrentFileInfo(zip, &info, name, sizeof name - 1, nullptr, 0, nullptr, 0) != UNZ_OK) {
            out.problems.push_back("an entry whose header cannot be read");
            break;
        }
        name[sizeof name - 1] = '\0';
        if (info.size_filename >= sizeof name - 1) {
            out.problems.push_back(std::string(name) + "...: its name is too long");
            continue;
        }
        if (*base_name_of(name) == '\0') continue;  // a folder entry
        if (!entry_name_is_safe(name)) {
            out.problems.push_back(std::string(name) + ": names a place outside the folder it unpacks into");
            continue;
        }
        std::string problem = read_through(zip, name, info.uncompressed_size);
        if (!problem.empty()) out.problems.push_back(problem);
        out.entries.emplace_back(name);
    }
    unzClose(zip);
    return out;
}
