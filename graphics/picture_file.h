// Loading pictures by data name: TGA through the game's reader, PNG and JPEG through the decoder.
#pragma once
#include <cstdint>

// The entry point for every picture. With *pixels null a new buffer is allocated; otherwise the picture
// is decoded into that buffer, whose capacity the caller gives in *width x *height on entry.
// Width and height come back as loaded.
bool load_picture_file(uint16_t** pixels, int* width, int* height, const char* name);

// A PNG or JPEG at a full path, decoded into a buffer of width x height pixels (a strip's later
// frames); a picture of another size is refused.
bool decode_into(uint16_t* pixels, const char* path, int width, int height);

// The width a decoded picture keeps: rows padded to 4 bytes drop the right-hand columns,
// so a width that is not a multiple of 4 rounds down to one.
int converted_width(int decodedWidth);
