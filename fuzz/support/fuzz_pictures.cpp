// Picture checks shared by the TGA and PNG/JPEG targets: loads by data name and strip loads, as the game makes them.
#include "fuzz_pictures.h"
#include <cstdlib>
#include <vector>
#include "graphics/graphic_strip.h"
#include "graphics/picture.h"
#include "graphics/picture_file.h"

void fuzz_touch_pixels(const uint16_t* pixels, size_t count)
{
    unsigned sum = 0;
    for (size_t i = 0; i < count; i++) sum += pixels[i];
    if (sum == 0xFFFFFFFFu) std::abort();
}

void fuzz_load_picture(const char* name)
{
    uint16_t* pixels = nullptr;
    int w = 0, h = 0;
    if (load_picture_file(&pixels, &w, &h, name)) {
        // A decoded picture narrower than 4 pixels keeps no column: width 0 is a picture all the same.
        if (!pixels || w < 0 || h < 1 || w > kMaxPictureSide || h > kMaxPictureSide) std::abort();
        fuzz_touch_pixels(pixels, size_t(w) * size_t(h));
        free_pixels(pixels);
    } else if (pixels) {
        std::abort();
    }

    // A larger picture is refused; the buffer stays the caller's either way.
    std::vector<uint16_t> buffer(32 * 32);
    uint16_t* into = buffer.data();
    int bw = 32, bh = 32;
    if (load_picture_file(&into, &bw, &bh, name) && size_t(bw) * size_t(bh) > buffer.size()) std::abort();
    if (into != buffer.data()) std::abort();
}

void fuzz_load_strip(const char* name, uint32_t expectCount)
{
    CGraphicStrip strip;
    strip.set_name(name);
    if (!strip.load()) return;
    if (strip.frame_count() != expectCount) std::abort();
    uint8_t flip = 0;
    for (uint32_t n = 1; n <= expectCount; n++) {
        const uint16_t* frame = strip.get_frame(int(n), &flip);
        if (!frame) std::abort();
        fuzz_touch_pixels(frame, size_t(strip.frame_width()) * strip.frame_height());
    }
}
