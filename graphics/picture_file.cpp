// Loading pictures by data name: TGA through the game's reader, PNG and JPEG through the decoder.
#include "graphics/picture_file.h"
#include <cstring>
#include "graphics/picture.h"
#include "graphics/tga_reader.h"
#include "platform/image_decode.h"
#include "resources/resource_file.h"
#include "util/log.h"

int converted_width(int decodedWidth)
{
    // A 24-bit bitmap row of W pixels takes B bytes padded to 4; W x 4 - B keeps only whole groups of 4.
    const int rowBytes = (decodedWidth * 3 + 3) & ~3;
    return decodedWidth * 3 != rowBytes ? decodedWidth * 4 - rowBytes : decodedWidth;
}

namespace {

void convert_bitmap(const DecodedImage& image, int width, int height, uint16_t* pixels)
{
    for (int y = 0; y < height; y++) {
        const uint8_t* src = image.rgb + size_t(y) * size_t(image.width) * 3;
        uint16_t* dst = pixels + size_t(y) * size_t(width);
        for (int x = 0; x < width; x++, src += 3) dst[x] = rgb_to_565(src[0], src[1], src[2]);
    }
}

static_assert(kDecodeMaxSide == kMaxPictureSide, "the decoder refuses what the loader would");

// Decodes a full path; image.width/height are the decoded size, width/height what the picture keeps.
bool decode_image(const char* path, DecodedImage* image, int* width, int* height)
{
    if (!image_decode_rgb24(path, image)) {
        if (image->width > kMaxPictureSide || image->height > kMaxPictureSide)
            log_msg("Refused %s: a picture of %d x %d is not readable.", path, image->width, image->height);
        else
            log_error("Error decompressing %s.", path);
        return false;
    }
    *width = converted_width(image->width);
    *height = image->height;
    if (image->width > kMaxPictureSide || image->height > kMaxPictureSide) {
        log_msg("Refused %s: a picture of %d x %d is not readable.", path, image->width, image->height);
        image_free(image);
        return false;
    }
    if (*width < 1 || *height < 1) {
        // Rows padded to 4 bytes keep whole groups of 4 columns: a narrower picture keeps none.
        log_msg("Refused %s: a picture of %d x %d keeps no pixels (narrower than 4).", path, image->width,
                image->height);
        image_free(image);
        return false;
    }
    return true;
}

bool load_decoded(const char* path, uint16_t** pixels, int* width, int* height)
{
    const size_t capacity = *pixels ? size_t(*width > 0 ? *width : 0) * size_t(*height > 0 ? *height : 0) : 0;
    DecodedImage image;
    int w = 0, h = 0;
    if (!decode_image(path, &image, &w, &h)) return false;
    *width = w;
    *height = h;
    if (*pixels) {
        if (size_t(w) * size_t(h) > capacity) {
            log_msg("Refused %s: %d x %d does not fit the picture it is read into.", path, w, h);
            image_free(&image);
            return false;
        }
    } else {
        *pixels = alloc_pixels(w, h);
        if (!*pixels) {
            log_error("No memory to init jpg surface.");
            image_free(&image);
            return false;
        }
    }
    convert_bitmap(image, w, h, *pixels);
    image_free(&image);
    return true;
}

}  // namespace

bool load_picture_file(uint16_t** pixels, int* width, int* height, const char* name)
{
    ResourceFile file;
    file.open(name);
    if (!file.found) {
        log_error("Couldn't locate %s.", name);
        return false;
    }
    bool ok;
    size_t len = std::strlen(file.path);
    if (len > 0 && file.path[len - 1] == 'a') {
        // Only a lower-case ".tga" goes to the game's own reader.
        ok = read_tga(file.path, width, height, pixels);
    } else {
        ok = load_decoded(file.path, pixels, width, height);
    }
    file.close();
    return ok;
}

bool decode_into(uint16_t* pixels, const char* path, int width, int height)
{
    DecodedImage image;
    int w = 0, h = 0;
    if (!decode_image(path, &image, &w, &h)) return false;
    if (w != width || h != height) {
        log_msg("Refused %s: %d x %d differs from the first frame's %d x %d.", path, w, h, width, height);
        image_free(&image);
        return false;
    }
    convert_bitmap(image, w, h, pixels);
    image_free(&image);
    return true;
}
