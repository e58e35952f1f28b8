// Picture pixel blocks: allocation and release.
#include "graphics/picture.h"
#include <cstdlib>

uint16_t* alloc_pixels(int width, int height)
{
    if (width < 0 || height < 0 || width > 65535 || height > 65535) return nullptr;
    size_t count = size_t(width) * size_t(height);
    if (count == 0) count = 1;  // a zero-sized picture still gets a valid pointer
    return static_cast<uint16_t*>(std::malloc(count * sizeof(uint16_t)));
}

void free_pixels(uint16_t* pixels) { std::free(pixels); }
