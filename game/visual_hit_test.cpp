// CVisual tap test: the drawn rectangle, the pixel under the point, and the second try past the wrap seam.
#include "game/visual.h"
#include "graphics/playfield.h"

bool CVisual::contains_point(int32_t px, int32_t py)
{
    if (!hitTestable) return false;
    if (screenSpace) {
        px = Playfield.world_to_screen_x(px);
        py = Playfield.world_to_screen_y(py);
    }

    // The rectangle drawing uses: anchor, lift, scratch or raw size, visible part.
    const int left = draw_left();
    int top = draw_top();
    if (heightAboveGround != 0.0f) top = int(float(top) - float(scalePercent) * 0.01f * heightAboveGround);
    int w = useScratch ? scaledWidth : width;
    int h = useScratch ? scaledHeight : height;
    if (useSourceRect) {
        if (sourceRect.right < w) w = sourceRect.right;
        if (sourceRect.bottom < h) h = sourceRect.bottom;
    }

    int tx = px;
    if (tx < left || tx >= left + w || py < top || py >= top + h) {
        // Second try: a picture that straddles the seam is hit at the playfield's start too.
        tx = px + Playfield.width;
        if (tx < left || tx >= left + w || py < top || py >= top + h) return false;
    }
    if (rectOnly || !pixelTest) return true;

    // Drawing shows nothing without a picture, without a pad, or when the scaled picture would not fit.
    if (!picture) return false;
    const uint16_t* pixels = picture;
    int stride = width;
    int rows = height;
    if (useScratch) {
        if (!scratch || scaledWidth > scratchWidth || scaledHeight > scratchHeight) return false;
        // The pad holds the last frame drawn; a thing not drawn since it was made or rescaled would be
        // tested against stale pixels, so rescale now exactly as drawing does.
        if (!scratchFrozen) refresh_scratch();
        pixels = scratch;
        stride = scratchWidth;
        rows = scratchHeight;
    }
    // The key drawing uses: the top-left pixel, or for a flipped frame the first of the second row.
    const uint16_t key = flip && rows > 1 ? pixels[stride] : pixels[0];
    return pixels[(py - top) * stride + (tx - left)] != key;
}
