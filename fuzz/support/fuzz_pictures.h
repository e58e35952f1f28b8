// Picture checks shared by the TGA and PNG/JPEG targets: loads by data name and strip loads, as the game makes them.
#pragma once
#include <cstddef>
#include <cstdint>

// Reads every pixel, so a buffer shorter than its picture shows up under the address sanitizer.
void fuzz_touch_pixels(const uint16_t* pixels, size_t count);
// load_picture_file on a data name, into a new buffer and into a caller's 32 x 32 one; aborts when a
// result breaks the loader's promises (a picture over 4500 a side or of no rows, a leftover buffer on failure).
void fuzz_load_picture(const char* name);
// Loads the strip of that base name; on success it must hold expectCount frames, all readable.
void fuzz_load_strip(const char* name, uint32_t expectCount);
