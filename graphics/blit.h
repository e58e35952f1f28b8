// The three pixel loops everything is drawn with: tinted colour-keyed blit, nearest-neighbour rescale, opaque copy.
#pragma once
#include <cstdint>
#include "util/numeric.h"

// Draws w x h source pixels into the draw target at (x, y), screenWidth pixels a row. The key is
// keySource[0], or keySource[sourceStride] when keyFromSecondRow is set; with keyed set, pixels equal
// to it are skipped. Non-zero offsets add to each channel (red and blue 0..31, green 0..63), clamped.
// No clipping: the caller clips.
void blit_tinted(int x, int y, int w, int h, const uint16_t* source, int sourceStride,
                 const uint16_t* keySource, uint8_t keyFromSecondRow, uint8_t keyed,
                 int red, int green, int blue);

// Nearest-neighbour resampling of the source rectangle onto the destination rectangle by integer error
// stepping; with mirror set each destination row is written right to left. Source indices stay inside
// the source rectangle also when enlarging.
void scale_into(int sx0, int sy0, int sx1, int sy1, int dx0, int dy0, int dx1, int dy1,
                const uint16_t* source, uint16_t* destination, int sourceStride, int destinationStride,
                uint8_t mirror);

// Opaque copy of w x h pixels, one block copy a row. No clipping.
void copy_rect(int x, int y, int w, int h, const uint16_t* source, int sourceStride,
               uint16_t* destination, int destinationStride);

// Clips a w x h block placed at (x, y) to the rectangle, moving the source pointer with its left and top
// edges. False when the block lies wholly outside (touching the left or top edge still counts as inside,
// leaving nothing to draw).
bool clip_to_rect(const Rect& clip, int* x, int* y, int* w, int* h, const uint16_t** source, int stride);
