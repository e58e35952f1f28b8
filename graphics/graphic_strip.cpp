// CGraphicStrip: lazy loading of numbered TGA, PNG and JPEG frames (loose or archived), and mirror strips.
#include "graphics/graphic_strip.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "app/app_state.h"
#include "graphics/picture.h"
#include "graphics/picture_file.h"
#include "graphics/tga_reader.h"
#include "resources/resource_file.h"
#include "util/log.h"
#include "util/strings.h"

namespace {

void (*g_loadHook)() = nullptr;

// A chain of mirrors longer than this is taken to loop back on itself.
constexpr int kMaxMirrorChain = 16;

constexpr int kFileNameSize = 600;

uint16_t* alloc_store(uint32_t count, uint32_t width, uint32_t height)
{
    const uint64_t pixels = uint64_t(count) * width * height;
    if (pixels == 0 || pixels > (uint64_t(1) << 31)) return nullptr;
    return static_cast<uint16_t*>(std::malloc(size_t(pixels) * sizeof(uint16_t)));
}

const char* pad_for(int n) { return n < 10 ? "0" : ""; }

}  // namespace

void set_strip_load_hook(void (*hook)()) { g_loadHook = hook; }

CGraphicStrip::~CGraphicStrip() { free_frames(); }

bool CGraphicStrip::set_name(const char* baseName)
{
    free_frames();
    copy_text(name, sizeof name, baseName);
    return true;
}

void CGraphicStrip::make_mirror(CGraphicStrip* of)
{
    mirror = 1;
    source = of;
}

void CGraphicStrip::free_frames()
{
    if (mirror) return;
    std::free(frames);
    frames = nullptr;
}

const CGraphicStrip* CGraphicStrip::real_strip() const
{
    const CGraphicStrip* s = this;
    for (int hops = 0; s && s->mirror; hops++) {
        if (hops == kMaxMirrorChain) return nullptr;
        s = s->source;
    }
    return s;
}

uint32_t CGraphicStrip::frame_width() const
{
    const CGraphicStrip* s = real_strip();
    return s ? s->width : 0;
}

uint32_t CGraphicStrip::frame_height() const
{
    const CGraphicStrip* s = real_strip();
    return s ? s->height : 0;
}

uint32_t CGraphicStrip::frame_count() const
{
    const CGraphicStrip* s = real_strip();
    return s ? s->frameCount : 0;
}

const uint16_t* CGraphicStrip::get_frame(int n, uint8_t* flip)
{
    if (mirror) {
        *flip = 1;
        CGraphicStrip* s = const_cast<CGraphicStrip*>(real_strip());
        uint8_t ignored = 0;
        return s ? s->get_frame(n, &ignored) : nullptr;
    }
    *flip = 0;
    if (!frames && !load()) {
        log_msg("Failed getting frame %d.", n);
        return nullptr;
    }
    if (n < 1 || uint32_t(n) > frameCount) {
        log_msg("Frame %d of %s is out of range.", n, name);
        return nullptr;
    }
    return frames + size_t(n - 1) * width * height;
}

const char* CGraphicStrip::frame_file_name(const char* base, int n, const char* extension)
{
    static char buffer[kFileNameSize + 32];  // room for the number and extension after the longest base
    std::snprintf(buffer, sizeof buffer, "%s%s%d.%s", base, pad_for(n), n, extension);
    return buffer;
}

int CGraphicStrip::count_frames(const char* fullBase, const char* extension)
{
    int count = 0;
    while (file_exists(frame_file_name(fullBase, count + 1, extension))) count++;
    return count;
}

bool CGraphicStrip::load()
{
    if (mirror) {
        // A mirror owns no frames: loading it loads the strip it shows.
        CGraphicStrip* s = const_cast<CGraphicStrip*>(real_strip());
        return s && s->load();
    }
    if (g_loadHook) g_loadHook();
    // Loading again reads the files afresh into a new store; the old one goes first.
    free_frames();
    frameCount = 0;
    char fullBase[kFileNameSize];
    std::snprintf(fullBase, sizeof fullBase, "%s%s", AppState.programDir, name);
    if (file_exists(frame_file_name(fullBase, 1, "png"))) return load_decoded_strip(fullBase, "png");
    if (file_exists(frame_file_name(fullBase, 1, "jpg"))) return load_decoded_strip(fullBase, "jpg");
    return load_tga_strip();
}

bool CGraphicStrip::load_tga_strip()
{
    // Count the frames: through the archives while they come from there, by plain existence once loose.
    ResourceFile counter;
    char tried[kFileNameSize] = {};
    bool archiveMode = true;
    int count = 0;
    for (;;) {
        const int n = count + 1;
        if (archiveMode) {
            std::snprintf(tried, sizeof tried, "%s%s%d.tga", name, pad_for(n), n);
            if (!counter.extract(tried)) break;
            count++;
            if (!counter.extracted) archiveMode = false;
        } else {
            std::snprintf(tried, sizeof tried, "%s%s%s%d.tga", AppState.programDir, name, pad_for(n), n);
            if (!file_exists(tried)) break;
            count++;
        }
    }
    if (count == 0) {
        log_msg("Couldn't find %s.", tried);
        return false;
    }

    char relative[kFileNameSize];
    std::snprintf(relative, sizeof relative, "%s01.tga", name);
    ResourceFile first;
    first.open(relative);
    int w = 0, h = 0;
    if (!first.found || !read_tga_size(first.path, &w, &h) || w < 1 || h < 1 || w > kMaxPictureSide ||
        h > kMaxPictureSide) {
        log_msg("Error loading %s.", first.path);
        return false;
    }
    first.close();
    width = uint32_t(w);
    height = uint32_t(h);

    frames = alloc_store(uint32_t(count), width, height);
    if (!frames) {
        log_error("CGraphicStrip - couldn't get memory");
        return false;
    }
    for (int k = 0; k < count; k++) {
        std::snprintf(relative, sizeof relative, "%s%s%d.tga", name, pad_for(k + 1), k + 1);
        ResourceFile frame;
        frame.open(relative);
        bool ok = frame.found && read_tga_frame(frame.path, w, h, frames + size_t(k) * width * height);
        if (!ok) {
            log_msg("Error loading %s.", frame.path);
            // Nothing half-filled stays: the next get_frame tries the whole strip again.
            free_frames();
            frameCount = 0;
            return false;
        }
        frame.close();
    }
    counter.close();
    frameCount = uint32_t(count);
    return true;
}

bool CGraphicStrip::load_decoded_strip(const char* fullBase, const char* extension)
{
    const int count = count_frames(fullBase, extension);
    uint16_t* first = nullptr;
    int w = 0, h = 0;
    char relative[kFileNameSize];
    copy_text(relative, sizeof relative, frame_file_name(name, 1, extension));
    if (!load_picture_file(&first, &w, &h, relative)) {
        log_error("Error loading %s.", frame_file_name(fullBase, 1, extension));
        return false;
    }
    width = uint32_t(w);
    height = uint32_t(h);
    frames = alloc_store(uint32_t(count), width, height);
    if (!frames) {
        free_pixels(first);
        log_error("CGraphicStrip - couldn't get memory");
        return false;
    }
    const size_t framePixels = size_t(width) * height;
    std::memcpy(frames, first, framePixels * sizeof(uint16_t));
    free_pixels(first);
    for (int n = 2; n <= count; n++) {
        if (!decode_into(frames + size_t(n - 1) * framePixels, frame_file_name(fullBase, n, extension), w, h)) {
            free_frames();
            frameCount = 0;
            return false;
        }
    }
    frameCount = uint32_t(count);
    return true;
}
