// Resolving data names to readable paths, and extracting single entries or whole archives with minizip.
#include "resources/resource_file.h"
#include <minizip/unzip.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include "app/app_state.h"
#include "platform/files.h"
#include "util/log.h"
#include "util/strings.h"

namespace {

constexpr int kExtractBufferSize = 8192;
constexpr int kEntryNameSize = 256;

// One reused buffer for every extraction, kept until exit.
struct ExtractBuffer {
    uint8_t* data = nullptr;
    ~ExtractBuffer() { std::free(data); }
};
ExtractBuffer g_buffer;

// Empty: single extractions go to the program folder under their base names.
char g_extractFolder[kResourcePathSize] = {};

bool is_separator(char c) { return c == '/' || c == '\\'; }

}  // namespace

bool entry_name_is_safe(const char* name)
{
    if (is_separator(name[0])) return false;
    if (name[0] != '\0' && name[1] == ':') return false;  // a drive letter
    const char* p = name;
    while (*p) {
        const char* end = p;
        while (*end && !is_separator(*end)) end++;
        if (end - p == 2 && p[0] == '.' && p[1] == '.') return false;
        p = *end ? end + 1 : end;
    }
    return true;
}

namespace {

// Extracts the archive's current entry; UNZ_OK when it counts as done. archive is the real path of the
// archive being read.
int extract_current_entry(unzFile zip, const std::string& archive)
{
    char name[kEntryNameSize];
    unz_file_info info;
    int err = unzGetCurrentFileInfo(zip, &info, name, sizeof name - 1, nullptr, 0, nullptr, 0);
    if (err != UNZ_OK) {
        log_error("error %d with zipfile in unzGetCurrentFileInfo", err);
        return err;
    }
    name[sizeof name - 1] = '\0';
    if (info.size_filename >= sizeof name - 1) {
        log_msg("Refused archive entry %s...: its name is too long.", name);
        return UNZ_OK;
    }
    name[info.size_filename] = '\0';

    if (!g_buffer.data) {
        g_buffer.data = static_cast<uint8_t*>(std::malloc(kExtractBufferSize));
        if (!g_buffer.data) {
            log_error("Error allocating memory\n");
            return UNZ_INTERNALERROR;
        }
    }

    const char* base = base_name_of(name);
    if (*base == '\0') return UNZ_OK;  // a folder entry: nothing to write
    if (!entry_name_is_safe(name)) {
        log_msg("Refused archive entry %s: it names a place outside the target folder.", name);
        return UNZ_OK;
    }

    char target[kResourcePathSize];
    int n = g_extractFolder[0] == '\0'
                ? std::snprintf(target, sizeof target, "%s%s", AppState.programDir, base)
                : std::snprintf(target, sizeof target, "%s\\%s", g_extractFolder, name);
    if (n < 0 || n >= static_cast<int>(sizeof target)) {
        log_msg("Refused archive entry %s: its target path is too long.", name);
        return UNZ_OK;
    }
    // A creature archive is unpacked into its own folder: an entry of its own name would truncate the
    // archive under the reader (and its failed copy would then delete it).
    if (sys_resolve_path(target) == archive) {
        log_msg("Refused archive entry %s: it would overwrite the archive being read.", name);
        return UNZ_OK;
    }

    err = unzOpenCurrentFile(zip);
    if (err != UNZ_OK) {
        log_msg("error %d with zipfile in unzOpenCurrentFile", err);
        unzCloseCurrentFile(zip);
        return err;
    }

    FILE* out = sys_fopen(target, "wb");
    if (!out) {
        // Counts as done: the copy is skipped and the entry closed normally.
        log_error("error opening %s", target);
    } else {
        for (;;) {
            int got = unzReadCurrentFile(zip, g_buffer.data, kExtractBufferSize);
            if (got < 0) {
                log_error("error %d with zipfile in unzReadCurrentFile", got);
                err = got;
                break;
            }
            if (got == 0) break;
            if (std::fwrite(g_buffer.data, 1, static_cast<size_t>(got), out) != static_cast<size_t>(got)) {
                log_error("error in writing extracted file");
                err = -1;
                break;
            }
        }
        if (std::fclose(out) != 0 && err == UNZ_OK) {
            log_error("error in writing extracted file");
            err = -1;
        }
    }

    if (err != UNZ_OK) {
        unzCloseCurrentFile(zip);
        // A half-written copy must not later pass for the real file.
        if (out) sys_remove(target);
        return err;
    }
    err = unzCloseCurrentFile(zip);  // also reports a CRC mismatch
    if (err != UNZ_OK) {
        log_error("error %d with zipfile in unzCloseCurrentFile", err);
        if (out) sys_remove(target);
    }
    return err;
}

void extract_all_entries(unzFile zip, const std::string& archive)
{
    unz_global_info global = {};
    int err = unzGetGlobalInfo(zip, &global);
    if (err != UNZ_OK) log_msg("error %d with zipfile in unzGetGlobalInfo \n", err);
    for (uLong i = 0; i < global.number_entry; i++) {
        if (extract_current_entry(zip, archive) != UNZ_OK) break;
        if (i + 1 < global.number_entry) {
            err = unzGoToNextFile(zip);
            if (err != UNZ_OK) {
                log_msg("error %d with zipfile in unzGoToNextFile\n", err);
                break;
            }
        }
    }
}

}  // namespace

const char* base_name_of(const char* name)
{
    const char* base = name;
    for (const char* p = name; *p; p++)
        if (is_separator(*p)) base = p + 1;
    return base;
}

bool archive_path_for(const char* name, char* out, int out_size)
{
    // Everything after the last "." becomes "zip"; a name without one is its own archive path.
    int dot = find_last(name, '.');
    int n = dot > 0 ? std::snprintf(out, out_size, "%s%.*szip", AppState.programDir, dot, name)
                    : std::snprintf(out, out_size, "%s%s", AppState.programDir, name);
    return n >= 0 && n < out_size;
}

bool unzip_file(const char* archive, const char* entry)
{
    std::string real = sys_resolve_path(archive);
    unzFile zip = unzOpen(real.c_str());
    if (!zip) {
        log_msg("Can't find zip file %s.", archive);
        return false;
    }
    bool ok = false;
    if (entry[0] == '\0') {
        extract_all_entries(zip, real);
    } else if (unzLocateFile(zip, entry, 2) != UNZ_OK) {  // 2: without regard to case
        log_msg("file %s not found in the zipfile", entry);
    } else {
        ok = extract_current_entry(zip, real) == UNZ_OK;
    }
    if (unzClose(zip) != UNZ_OK) log_msg("Error closing file..");
    return ok;
}

void ResourceFile::init()
{
    found = 0;
    extracted = 0;
}

bool ResourceFile::open(const char* name)
{
    close();
    init();
    copy_text(path, sizeof path, name);
    char full[kResourcePathSize];
    int n = std::snprintf(full, sizeof full, "%s%s", AppState.programDir, name);
    if (n >= 0 && n < static_cast<int>(sizeof full) && file_exists(full)) {
        copy_text(path, sizeof path, full);
        found = 1;
        return true;
    }
    extract(name);
    return found != 0;
}

bool ResourceFile::extract(const char* name)
{
    char full[kResourcePathSize];
    int n = std::snprintf(full, sizeof full, "%s%s", AppState.programDir, name);
    if (n < 0 || n >= static_cast<int>(sizeof full)) {
        log_msg("Path too long: %s%s", AppState.programDir, name);
        found = 0;
        return false;
    }
    if (file_exists(full)) {
        found = 1;
        extracted = 0;
        return true;
    }
    char archive[kResourcePathSize];
    const char* entry = base_name_of(name);
    char target[kResourcePathSize];
    n = std::snprintf(target, sizeof target, "%s%s", AppState.programDir, entry);
    if (!archive_path_for(name, archive, sizeof archive) || n < 0 || n >= static_cast<int>(sizeof target)) {
        log_msg("Path too long: %s%s", AppState.programDir, name);
        found = 0;
        return false;
    }
    if (unzip_file(archive, entry)) {
        found = 1;
        extracted = 1;
        copy_text(path, sizeof path, target);
    } else {
        found = 0;
    }
    return found != 0;
}

void ResourceFile::close()
{
    if (extracted) {
        sys_remove(path);
        extracted = 0;
    }
}

void ResourceFile::extract_all(const char* archive)
{
    int n = std::snprintf(g_extractFolder, sizeof g_extractFolder, "%s%s", AppState.programDir, target_folder);
    if (n < 0 || n >= static_cast<int>(sizeof g_extractFolder)) {
        log_msg("Path too long: %s%s", AppState.programDir, target_folder);
    } else {
        unzip_file(archive, "");
    }
    g_extractFolder[0] = '\0';
}
