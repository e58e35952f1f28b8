// PictureChecker: pictures and strips read with the game's loaders, frame by frame, and their reports.
#include "check/picture_check.h"

#include <cstdio>
#include <cstring>

#include "app/app_state.h"
#include "check/check_report.h"
#include "game/visual.h"
#include "graphics/graphic_strip.h"
#include "graphics/picture.h"
#include "graphics/picture_file.h"
#include "graphics/tga_header.h"
#include "graphics/tga_reader.h"
#include "platform/files.h"
#include "resources/resource_file.h"
#include "screens/decompress.h"
#include "util/strings.h"

namespace {

constexpr int kMostFrames = 999;  // frame numbers past this are no strip the game would play

std::string full_path(const std::string& name) { return std::string(AppState.programDir) + name; }
bool exists(const std::string& name) { return file_exists(full_path(name).c_str()); }

bool is_tga_name(const std::string& name) { return !name.empty() && name.back() == 'a'; }

// The key checks of one frame: the four corners share the top-left colour, and for a mirrored drawing
// the second row starts in it too.
void note_keys(PictureFacts& f, int frame, const uint16_t* p, int w, int h)
{
    const uint16_t key = p[0];
    const bool corners = p[w - 1] == key && p[size_t(h - 1) * w] == key && p[size_t(h - 1) * w + w - 1] == key;
    if (!corners && !f.keylessFrame) f.keylessFrame = frame;
    if (h > 1 && p[w] != key && !f.mirrorKeyFrame) f.mirrorKeyFrame = frame;
}

std::string size_text(int w, int h) { return std::to_string(w) + " x " + std::to_string(h); }

// One frame file, already at a readable full path (its data name given for messages), checked against the
// first frame's size (0 x 0 for the first frame itself). Fills size and keys; false when unreadable.
bool read_frame(PictureFacts& f, int n, const std::string& dataName, const char* path, const char* relative)
{
    int w = 0, h = 0;
    uint16_t* pixels = nullptr;
    if (is_tga_name(path)) {
        TgaHeader header;
        if (!read_tga_header(path, &header)) {
            f.errors.push_back(dataName + ": too short to be a TGA");
            return false;
        }
        const std::string problem = tga_layout_problem(header);
        if (!problem.empty()) {
            f.errors.push_back(dataName + ": " + problem);
            return false;
        }
        w = header.width;
        h = header.height;
        // Later frames are read at the first frame's size, whatever their headers say.
        if (n > 1 && (w != f.width || h != f.height)) {
            f.errors.push_back(dataName + " is " + size_text(w, h) + ", but frame 1 is " + size_text(f.width, f.height) +
                               "; every frame of a strip must have the first one's size");
            return false;
        }
        pixels = alloc_pixels(w, h);
        if (!pixels || !read_tga_frame(path, w, h, pixels)) {
            free_pixels(pixels);
            f.errors.push_back(dataName + ": cannot be read as a picture of " + size_text(w, h));
            return false;
        }
    } else {
        if (!load_picture_file(&pixels, &w, &h, relative) || !pixels || w < 1 || h < 1) {
            free_pixels(pixels);
            std::string why = ": cannot be decoded as PNG or JPEG";
            const size_t len = std::strlen(path);
            if (len > 4 && same_ignoring_case(path + len - 4, ".tga"))
                why += " (only a name ending in lower-case \".tga\" goes to the game's TGA reader)";
            f.errors.push_back(dataName + why);
            return false;
        }
        if (n > 1 && (w != f.width || h != f.height)) {
            free_pixels(pixels);
            f.errors.push_back(dataName + " is " + size_text(w, h) + ", but frame 1 is " + size_text(f.width, f.height) +
                               "; the game refuses the whole strip");
            return false;
        }
    }
    if (n == 1) {
        f.width = w;
        f.height = h;
    }
    note_keys(f, n, pixels, w, h);
    free_pixels(pixels);
    return true;
}

// A frame by data name, loose or from its own archive, through a ResourceFile as the game opens it.
bool read_data_frame(PictureFacts& f, int n, const std::string& name)
{
    ResourceFile file;
    if (!file.open(name.c_str())) {
        f.errors.push_back(name + ": not found");
        return false;
    }
    const bool ok = read_frame(f, n, name, file.path, name.c_str());
    file.close();
    return ok;
}

std::string frame_name(const std::string& base, int n, const char* extension)
{
    return CGraphicStrip::frame_file_name(base.c_str(), n, extension);
}

// Frames counted the way the TGA strip loader counts them: through the archives while they come from
// there, by plain existence once they are loose.
int count_tga_frames(const std::string& base)
{
    int count = 0;
    bool archiveMode = true;
    while (count < kMostFrames) {
        const std::string name = frame_name(base, count + 1, "tga");
        if (archiveMode) {
            ResourceFile probe;
            if (!probe.open(name.c_str())) break;
            if (!probe.extracted) archiveMode = false;
            probe.close();
        } else if (!exists(name)) {
            break;
        }
        count++;
    }
    return count;
}

// The first frame number after a gap that still has a loose file, or 0.
int frame_after_gap(const std::string& base, int count)
{
    for (const char* extension : {"tga", "png", "jpg"})
        for (int n = count + 2; n <= count + 3; n++)
            if (exists(frame_name(base, n, extension))) return n;
    return 0;
}

bool has_entry(const ArchiveListing& listing, const std::string& entry)
{
    for (const std::string& e : listing.entries)
        if (same_ignoring_case(base_name_of(e.c_str()), entry.c_str())) return true;
    return false;
}

}  // namespace

const PictureFacts& PictureChecker::picture(const std::string& name)
{
    auto it = pictures_.find(name);
    if (it != pictures_.end()) return it->second;
    PictureFacts& f = pictures_[name];
    f.firstFile = name;
    ResourceFile file;
    if (name.empty() || !file.open(name.c_str())) return f;
    f.found = true;
    f.frames = 1;
    f.readable = read_frame(f, 1, name, file.path, name.c_str());
    file.close();
    return f;
}

int PictureChecker::frames_read() const
{
    int frames = 0;
    for (const auto& [name, facts] : strips_) frames += facts.frames;
    return frames;
}

const PictureFacts& PictureChecker::strip(const std::string& name)
{
    auto it = strips_.find(name);
    if (it != strips_.end()) return it->second;
    return strips_[name] = read_strip(name);
}

const ArchiveListing* PictureChecker::creature_archive(const std::string& name, std::string* archive)
{
    // "graphics\<folder>\..." with <folder> one of the creature folders unpacked on the first start.
    for (const char* folder : kCreatureFolders) {
        const std::string prefix = std::string("graphics\\") + folder + "\\";
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        char relative[256];
        creature_archive_name(folder, relative, sizeof relative);
        if (!exists(relative)) return nullptr;
        *archive = full_path(relative);
        auto found = archives_.find(relative);
        if (found == archives_.end()) found = archives_.emplace(relative, list_archive(archive->c_str())).first;
        return &found->second;
    }
    return nullptr;
}

PictureFacts PictureChecker::read_strip(const std::string& name)
{
    PictureFacts f;
    if (name.empty()) return f;
    // PNG and JPEG strips first, loose files only, as the strip loader looks for them.
    for (const char* extension : {"png", "jpg"}) {
        if (!exists(frame_name(name, 1, extension))) continue;
        f.firstFile = frame_name(name, 1, extension);
        f.found = true;
        f.frames = CGraphicStrip::count_frames(full_path(name).c_str(), extension);
        f.readable = true;
        for (int n = 1; n <= f.frames && f.readable; n++) f.readable = read_data_frame(f, n, frame_name(name, n, extension));
        break;
    }
    if (!f.found) {
        f.firstFile = frame_name(name, 1, "tga");
        f.frames = count_tga_frames(name);
        f.found = f.frames > 0;
        f.readable = f.found;
        for (int n = 1; n <= f.frames && f.readable; n++) f.readable = read_data_frame(f, n, frame_name(name, n, "tga"));
    }
    if (!f.found) {
        // Still packed in a creature archive: each frame is taken out on its own, read and deleted again,
        // as the game's own single-file extraction does.
        std::string archive;
        const ArchiveListing* listing = creature_archive(name, &archive);
        if (listing && listing->opened) {
            const char* extension = "tga";
            for (const char* e : {"png", "jpg"})
                if (has_entry(*listing, base_name_of(frame_name(name, 1, e).c_str()))) extension = e;
            while (f.frames < kMostFrames &&
                   has_entry(*listing, base_name_of(frame_name(name, f.frames + 1, extension).c_str())))
                f.frames++;
            f.found = f.frames > 0;
            f.readable = f.found;
            f.firstFile = frame_name(name, 1, extension);
            for (int n = 1; n <= f.frames && f.readable; n++) {
                const std::string entry = base_name_of(frame_name(name, n, extension).c_str());
                if (exists(entry)) {
                    // Something of that name already lies where the entry would go; leave it alone.
                    f.warnings.push_back(frame_name(name, n, extension) + ": not read, " + entry +
                                         " is in the way in the data folder");
                    break;
                }
                if (!unzip_file(archive.c_str(), entry.c_str())) {
                    f.errors.push_back(frame_name(name, n, extension) + ": cannot be taken out of " + archive);
                    f.readable = false;
                    break;
                }
                f.readable = read_frame(f, n, frame_name(name, n, extension), full_path(entry).c_str(), entry.c_str());
                sys_remove(full_path(entry).c_str());
            }
        }
    }
    if (f.found) {
        if (const int after = frame_after_gap(name, f.frames)) {
            const std::string extension = f.firstFile.substr(f.firstFile.size() - 3);
            f.warnings.push_back(frame_name(name, f.frames + 1, extension.c_str()) + " is missing, so frame " +
                                 std::to_string(after) + " and those after it are never shown");
        }
    }
    return f;
}

void report_picture(CheckReport& report, const std::string& file, int line, const std::string& what,
                    const std::string& name, const PictureFacts& f, const PictureUse& use)
{
    const char* kind = f.frames > 1 || f.firstFile != name ? "strip" : "picture";
    if (name.empty()) {
        report.error(file, line, "%s names no picture", what.c_str());
        return;
    }
    if (!f.found) {
        std::string hint;
        if (name.find_first_of(" \t") == 0 || name.find_last_of(" \t") == name.size() - 1)
            hint = "; the name begins or ends with a space, which is part of it";
        report.error(file, line, "%s \"%s\": not found (looked for %s%s)", what.c_str(), name.c_str(),
                     f.firstFile.empty() ? name.c_str() : f.firstFile.c_str(), hint.c_str());
        return;
    }
    for (const std::string& e : f.errors) report.error(file, line, "%s \"%s\": %s", what.c_str(), name.c_str(), e.c_str());
    for (const std::string& w : f.warnings)
        report.warning(file, line, "%s \"%s\": %s", what.c_str(), name.c_str(), w.c_str());
    if (!f.readable) return;
    if (use.padWidth > 0) {
        const int w = scaled_side(f.width, 100, use.scale), h = scaled_side(f.height, 100, use.scale);
        if (w > use.padWidth || h > use.padHeight)
            report.error(file, line,
                         "%s \"%s\": frames of %d x %d drawn at scale %.2f take %d x %d, more than the %d x %d scratch "
                         "pad; the game draws nothing",
                         what.c_str(), name.c_str(), f.width, f.height, double(use.scale), w, h, use.padWidth,
                         use.padHeight);
    }
    if (use.keyed && f.keylessFrame)
        report.warning(file, line,
                       "%s \"%s\": %s %d has no colour key (its corners are not all the colour of its top-left "
                       "pixel), so it shows with a box around it",
                       what.c_str(), name.c_str(), f.frames > 1 ? "frame" : "picture", f.keylessFrame);
    else if (use.keyed && use.mirrored && f.mirrorKeyFrame)
        report.warning(file, line,
                       "%s \"%s\": frame %d starts its second row in another colour than its top-left pixel; drawn "
                       "mirrored it keys on that colour instead",
                       what.c_str(), name.c_str(), f.mirrorKeyFrame);
    if (use.screen && (f.width != kScreenWidth || f.height != kScreenHeight))
        report.warning(file, line, "%s \"%s\": %s of %d x %d, but the screen is %d x %d", what.c_str(), name.c_str(),
                       kind, f.width, f.height, kScreenWidth, kScreenHeight);
    if (use.playfield && (f.width < kScreenWidth || f.height < kScreenHeight))
        report.error(file, line, "%s \"%s\": a background of %d x %d is smaller than the %d x %d screen", what.c_str(),
                     name.c_str(), f.width, f.height, kScreenWidth, kScreenHeight);
}
