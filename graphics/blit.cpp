// The three pixel loops everything is drawn with: tinted colour-keyed blit, nearest-neighbour rescale, opaque copy.
#include "graphics/blit.h"
#include <cstdlib>
#include <cstring>
#include "app/app_state.h"
#include "graphics/display.h"

namespace {

// Eight pixels at a time with the compiler's portable vector types; the tails go pixel by pixel.
using Pixels8 = uint16_t __attribute__((vector_size(16)));
using Lanes8 = int16_t __attribute__((vector_size(16)));

inline Pixels8 load8(const uint16_t* p)
{
    Pixels8 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline void store8(uint16_t* p, Pixels8 v) { std::memcpy(p, &v, sizeof v); }

inline uint16_t tint_pixel(uint16_t p, int16_t red, int16_t green, int16_t blue)
{
    int r = (p >> 11) + red;
    int g = ((p >> 5) & 63) + green;
    int b = (p & 31) + blue;
    r = r < 0 ? 0 : (r > 31 ? 31 : r);
    g = g < 0 ? 0 : (g > 63 ? 63 : g);
    b = b < 0 ? 0 : (b > 31 ? 31 : b);
    return uint16_t((r << 11) | (g << 5) | b);
}

// Clamps each lane to 0..top without branches.
inline Lanes8 clamp8(Lanes8 v, int16_t top)
{
    v &= ~(v < 0);
    const Lanes8 over = v > top;
    return (v & ~over) | (over & top);
}

inline Pixels8 tint8(Pixels8 p, Lanes8 red, Lanes8 green, Lanes8 blue)
{
    const Lanes8 r = clamp8(Lanes8(p >> 11) + red, 31);
    const Lanes8 g = clamp8(Lanes8((p >> 5) & 63) + green, 63);
    const Lanes8 b = clamp8(Lanes8(p & 31) + blue, 31);
    return Pixels8((r << 11) | (g << 5) | b);
}

void row_keyed(uint16_t* dst, const uint16_t* src, int w, uint16_t key)
{
    int i = 0;
    for (; i + 8 <= w; i += 8) {
        const Pixels8 p = load8(src + i);
        const Pixels8 keep = Pixels8(p == key);
        store8(dst + i, (load8(dst + i) & keep) | (p & ~keep));
    }
    for (; i < w; i++)
        if (src[i] != key) dst[i] = src[i];
}

void row_tinted(uint16_t* dst, const uint16_t* src, int w, int16_t red, int16_t green, int16_t blue)
{
    const Lanes8 r = Lanes8{} + red, g = Lanes8{} + green, b = Lanes8{} + blue;
    int i = 0;
    for (; i + 8 <= w; i += 8) store8(dst + i, tint8(load8(src + i), r, g, b));
    for (; i < w; i++) dst[i] = tint_pixel(src[i], red, green, blue);
}

void row_keyed_tinted(uint16_t* dst, const uint16_t* src, int w, uint16_t key, int16_t red, int16_t green,
                      int16_t blue)
{
    const Lanes8 r = Lanes8{} + red, g = Lanes8{} + green, b = Lanes8{} + blue;
    int i = 0;
    for (; i + 8 <= w; i += 8) {
        const Pixels8 p = load8(src + i);
        const Pixels8 keep = Pixels8(p == key);
        store8(dst + i, (load8(dst + i) & keep) | (tint8(p, r, g, b) & ~keep));
    }
    for (; i < w; i++)
        if (src[i] != key) dst[i] = tint_pixel(src[i], red, green, blue);
}

// An offset beyond a channel's whole range clamps the same as the range itself.
int16_t clamp_offset(int v) { return int16_t(v < -64 ? -64 : (v > 64 ? 64 : v)); }

}  // namespace

void blit_tinted(int x, int y, int w, int h, const uint16_t* source, int sourceStride,
                 const uint16_t* keySource, uint8_t keyFromSecondRow, uint8_t keyed,
                 int red, int green, int blue)
{
    if (w < 1 || h < 1) return;
    const int screenWidth = AppState.screenWidth;
    uint16_t* dst = g_drawTarget + ptrdiff_t(y) * screenWidth + x;
    const uint16_t key = keyFromSecondRow ? keySource[sourceStride] : keySource[0];
    const bool tinted = red != 0 || green != 0 || blue != 0;
    const int16_t r = clamp_offset(red), g = clamp_offset(green), b = clamp_offset(blue);
    for (int row = 0; row < h; row++, dst += screenWidth, source += sourceStride) {
        if (keyed) {
            if (tinted)
                row_keyed_tinted(dst, source, w, key, r, g, b);
            else
                row_keyed(dst, source, w, key);
        } else if (tinted) {
            row_tinted(dst, source, w, r, g, b);
        } else {
            std::memcpy(dst, source, size_t(w) * sizeof(uint16_t));
        }
    }
}

void scale_into(int sx0, int sy0, int sx1, int sy1, int dx0, int dy0, int dx1, int dy1,
                const uint16_t* source, uint16_t* destination, int sourceStride, int destinationStride,
                uint8_t mirror)
{
    const int sdy = std::abs(sy1 - sy0), n = std::abs(dy1 - dy0);
    const int sdx = std::abs(sx1 - sx0), m = std::abs(dx1 - dx0);
    if (n == 0 || m == 0 || sdx == 0 || sdy == 0) return;  // nothing to write, or nothing to read
    const int stepSy = sy1 - sy0 < 1 ? -1 : 1, stepDy = dy1 - dy0 < 1 ? -1 : 1;
    const int stepSx = sx1 - sx0 < 1 ? -1 : 1, stepDx = dx1 - dx0 < 1 ? -1 : 1;
    // Enlarging can step one past the last source row or column; those stay on the last one.
    const int lastRow = sy0 + stepSy * (sdy - 1), lastCol = sx0 + stepSx * (sdx - 1);

    // Every destination row takes the same source columns: step them once per chunk of columns.
    constexpr int kChunk = 1024;
    int32_t columns[kChunk];
    int colErr = 2 * sdx - m, col = sx0;
    for (int k0 = 0; k0 < m; k0 += kChunk) {
        const int count = m - k0 < kChunk ? m - k0 : kChunk;
        for (int k = 0; k < count; k++) {
            bool past = stepSx > 0 ? col > lastCol : col < lastCol;
            columns[k] = past ? lastCol : col;
            while (colErr >= 0) {
                col += stepSx;
                colErr -= 2 * m;
            }
            colErr += 2 * sdx;
        }
        // Destination column of step k: c = dx0 + k x stepDx, or dx1 - 1 - c when mirrored.
        const int c0 = dx0 + k0 * stepDx;
        const int first = mirror ? dx1 - 1 - c0 : c0;
        const int step = mirror ? -stepDx : stepDx;

        int err = 2 * sdy - n, srow = sy0, drow = dy0;
        for (int i = 0; i < n; i++) {
            bool past = stepSy > 0 ? srow > lastRow : srow < lastRow;
            const uint16_t* src = source + ptrdiff_t(past ? lastRow : srow) * sourceStride;
            uint16_t* dst = destination + ptrdiff_t(drow) * destinationStride + first;
            if (step == 1) {
                for (int k = 0; k < count; k++) dst[k] = src[columns[k]];
            } else if (step == -1) {
                for (int k = 0; k < count; k++) dst[-k] = src[columns[k]];
            }
            while (err >= 0) {
                srow += stepSy;
                err -= 2 * n;
            }
            err += 2 * sdy;
            drow += stepDy;
        }
    }
}

void copy_rect(int x, int y, int w, int h, const uint16_t* source, int sourceStride,
               uint16_t* destination, int destinationStride)
{
    if (w < 1 || h < 1) return;
    uint16_t* dst = destination + ptrdiff_t(y) * destinationStride + x;
    const size_t bytes = size_t(w) * sizeof(uint16_t);
    for (int row = 0; row < h; row++, dst += destinationStride, source += sourceStride)
        std::memcpy(dst, source, bytes);
}

bool clip_to_rect(const Rect& c, int* x, int* y, int* w, int* h, const uint16_t** source, int stride)
{
    if (*x + *w < c.left || *y + *h < c.top || *x >= c.right || *y >= c.bottom) return false;
    if (*x >= c.right - *w) *w = c.right - *x;
    if (*y >= c.bottom - *h) *h = c.bottom - *y;
    if (*x < c.left) {
        *source += c.left - *x;
        *w -= c.left - *x;
        *x = c.left;
    }
    if (*y < c.top) {
        *source += ptrdiff_t(c.top - *y) * stride;
        *h -= c.top - *y;
        *y = c.top;
    }
    return true;
}
