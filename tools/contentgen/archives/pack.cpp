// Packs archives after everything else is written: the creature folders unpacked on first start,
// one picture that lives only in its own archive, and one strip whose frames live only in per-frame archives.
#include "content.h"
#include "formats/file_out.h"
#include "formats/zip_writer.h"
#include "levels/level_plan.h"
#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

// "graphics\x\name.png" -> "graphics\x\name.zip", the archive the game looks for beside a missing file.
static std::string archive_name_for(const std::string& name)
{
    size_t dot = name.rfind('.');
    return name.substr(0, dot) + ".zip";
}

static std::string base_name(const std::string& name)
{
    size_t slash = name.rfind('\\');
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

// Moves one loose file into its own archive. Without the loose file an archive from an earlier run stays.
static bool pack_single(const ContentContext& ctx, const std::string& name)
{
    std::string loose = data_path(ctx.out, name), archive = data_path(ctx.out, archive_name_for(name));
    std::vector<uint8_t> bytes;
    if (!read_whole_file(loose, bytes)) {
        if (fs::exists(archive)) return true;
        std::fprintf(stderr, "contentgen: nothing to pack for %s\n", name.c_str());
        return false;
    }
    if (!write_zip(archive, {{base_name(name), std::move(bytes)}})) return false;
    std::error_code ec;
    fs::remove(loose, ec);
    return !ec;
}

// Moves a whole creature folder into "graphics\<name>\<name>.zip", entries at the archive's root.
static bool pack_folder(const ContentContext& ctx, const std::string& folder)
{
    std::string dir = data_path(ctx.out, "graphics\\" + folder);
    std::string archive = data_path(ctx.out, "graphics\\" + folder + "\\" + folder + ".zip");
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir, ec))
        if (e.is_regular_file() && e.path().extension() != ".zip") files.push_back(e.path().filename().string());
    if (files.empty()) {
        if (fs::exists(archive)) return true;
        std::fprintf(stderr, "contentgen: no frames in %s to pack\n", dir.c_str());
        return false;
    }
    std::sort(files.begin(), files.end());
    std::vector<ZipEntry> entries;
    for (const std::string& f : files) {
        ZipEntry e{f, {}};
        if (!read_whole_file(dir + "/" + f, e.data)) return false;
        entries.push_back(std::move(e));
    }
    if (!write_zip(archive, entries)) return false;
    for (const std::string& f : files) fs::remove(dir + "/" + f, ec);
    return true;
}

bool pack_archives(const ContentContext& ctx)
{
    bool ok = true;
    // The unpacking screen checks "gmean" last, so it is packed like the others and unpacked last.
    for (const char* folder : {"ant", "snow", "zombie", "gmean"}) ok = pack_folder(ctx, folder) && ok;
    // Pictures that exist only inside their own archives.
    ok = pack_single(ctx, "graphics\\interface\\decompress.png") && ok;
    for (const LevelPlan& p : level_plans())
        if (p.setting == Setting::ThornGarden) ok = pack_single(ctx, p.background) && ok;
    // A strip whose every frame lives in its own archive.
    for (int n = 1;; n++) {
        char num[16];
        std::snprintf(num, sizeof num, "%02d", n);
        std::string frame = std::string(SCENERY_CAMPFIRE) + num + ".tga";
        if (!fs::exists(data_path(ctx.out, frame)) && !fs::exists(data_path(ctx.out, archive_name_for(frame)))) break;
        ok = pack_single(ctx, frame) && ok;
    }
    return ok;
}
