// Writes ZIP archives with minizip, with fixed timestamps so that every run gives the same bytes.
#include "formats/zip_writer.h"
#include "formats/file_out.h"
#include <cstdio>
#include <zip.h>

bool read_whole_file(const std::string& path, std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    bytes.clear();
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
    std::fclose(f);
    return true;
}

bool write_zip(const std::string& path, const std::vector<ZipEntry>& entries)
{
    // minizip writes to a path; build beside the target, then keep the old file when nothing changed.
    std::string tmp = path + ".building";
    if (!make_parent_dirs(path)) return false;
    zipFile zf = zipOpen(tmp.c_str(), APPEND_STATUS_CREATE);
    if (!zf) {
        std::fprintf(stderr, "contentgen: cannot create %s\n", tmp.c_str());
        return false;
    }
    bool ok = true;
    for (const ZipEntry& e : entries) {
        zip_fileinfo info{};
        info.tmz_date.tm_year = 2001;  // one fixed date for every entry
        info.tmz_date.tm_mon = 0;
        info.tmz_date.tm_mday = 1;
        info.dosDate = 0;
        info.external_fa = 0;
        if (zipOpenNewFileInZip(zf, e.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 6) != ZIP_OK) {
            ok = false;
            break;
        }
        if (!e.data.empty() && zipWriteInFileInZip(zf, e.data.data(), unsigned(e.data.size())) != ZIP_OK) ok = false;
        if (zipCloseFileInZip(zf) != ZIP_OK) ok = false;
        if (!ok) break;
    }
    if (zipClose(zf, nullptr) != ZIP_OK) ok = false;
    std::vector<uint8_t> bytes;
    ok = ok && read_whole_file(tmp, bytes);
    std::remove(tmp.c_str());
    return ok && write_file(path, bytes);
}
