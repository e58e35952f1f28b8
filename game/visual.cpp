// CVisual: picture ownership, the scratch pad and the sprite drawing pipeline (lift, scale, clip, blit).
#include "game/visual.h"
#include <cstring>
#include "app/app_state.h"
#include "graphics/blit.h"
#include "graphics/font_rast.h"
#include "graphics/picture.h"
#include "graphics/picture_file.h"
#include "graphics/playfield.h"
#include "util/log.h"

CVisual::CVisual()
{
    clipRect = Rect{0, 0, AppState.screenWidth, AppState.screenHeight};
}

CVisual::~CVisual()
{
    free_owned_picture();
    free_pixels(scratch);
    scratch = nullptr;
}

void CVisual::draw()
{
    if (visible && picture) draw_picture();
}

void CVisual::free_owned_picture()
{
    // A borrowed strip frame is never freed here.
    if (pictureOwner || created) {
        free_pixels(picture);
        pictureOwner = 0;
        created = 0;
    }
    picture = nullptr;
}

bool CVisual::load_picture()
{
    free_owned_picture();
    if (!load_picture_file(&picture, &width, &height, fileName)) {
        log_msg("Bad load.");
        picture = nullptr;
        return false;
    }
    pictureOwner = 1;
    update_scaled_size();
    return true;
}

bool CVisual::create_picture(int w, int h, int32_t colour)
{
    free_owned_picture();
    picture = alloc_pixels(w, h);
    if (!picture) {
        log_error("Create new Pic - couldn't get memory");
        return false;
    }
    created = 1;
    width = w;
    height = h;
    pictureOwner = 1;
    if (colour != -1 && h >= 1) fill_picture(uint16_t(colour));
    update_scaled_size();
    return true;
}

void CVisual::fill_picture(uint16_t colour)
{
    if (!picture) {
        log_msg("ERROR - Can't fill, no pic in memory!");
        return;
    }
    const size_t count = size_t(width > 0 ? width : 0) * size_t(height > 0 ? height : 0);
    for (size_t i = 0; i < count; i++) picture[i] = colour;
}

bool CVisual::print_centered(int px, int py, const char* text)
{
    if (!picture) return false;
    Rect r{px, py, width, height};
    return TextStyle.render_text(picture, width, height, &r, text, 0);
}

bool CVisual::print_left(int px, int py, const char* text)
{
    if (!picture) return false;
    Rect r{px, py, width, height};
    return TextStyle.render_text(picture, width, height, &r, text, 1);
}

bool CVisual::alloc_scratch(int w, int h)
{
    free_pixels(scratch);
    scratch = alloc_pixels(w, h);
    if (!scratch) {
        scratchWidth = scratchHeight = 0;
        log_error("Visual-Load_graphics - couldn't get memory for scratch pad");
        return false;
    }
    scratchWidth = w;
    scratchHeight = h;
    scalePercent = 100;
    update_scaled_size();
    return true;
}

void CVisual::refresh_scratch()
{
    if (!scratch || !picture) return;
    if (scaledWidth > scratchWidth || scaledHeight > scratchHeight) return;  // would not fit the pad
    scale_into(0, 0, width, height, 0, 0, scaledWidth, scaledHeight, picture, scratch, width, scratchWidth, flip);
}

void CVisual::update_scaled_size()
{
    scaledWidth = scaled_side(width, scalePercent, scaleFactor);
    scaledHeight = scaled_side(height, scalePercent, scaleFactor);
}

int CVisual::draw_left() const
{
    const int w = useScratch ? scaledWidth : width;
    return anchorMode == ANCHOR_CENTRE || anchorMode == ANCHOR_FEET ? x - w / 2 : x;
}

int CVisual::draw_top() const
{
    const int h = useScratch ? scaledHeight : height;
    if (anchorMode == ANCHOR_CENTRE) return y - h / 2;
    if (anchorMode == ANCHOR_FEET) return useSourceRect ? y - sourceRect.bottom : y - h;
    return y;
}

void CVisual::draw_picture()
{
    if (!picture) return;
    const uint16_t* source = picture;
    int stride = width, w = width, h = height;
    int left = draw_left(), top = draw_top();
    if (heightAboveGround != 0.0f) top = int(float(top) - float(scalePercent) * 0.01f * heightAboveGround);

    if (useScratch) {
        if (!scratch) return;
        if (scaledWidth > scratchWidth) {
            log_msg("Scratch size is too small!!! Require %d x.", scaledWidth);
            return;
        }
        if (scaledHeight > scratchHeight) {
            log_msg("Scratch size is too small!!! Require %d y.", scaledHeight);
            return;
        }
        if (!scratchFrozen)
            scale_into(0, 0, width, height, 0, 0, scaledWidth, scaledHeight, picture, scratch, width, scratchWidth, flip);
        source = scratch;
        stride = scratchWidth;
        w = scaledWidth;
        h = scaledHeight;
    }

    if (useSourceRect) {
        // Only the top-left part is ever shown; never reach outside what is drawn from.
        const int sl = sourceRect.left > 0 ? sourceRect.left : 0;
        const int st = sourceRect.top > 0 ? sourceRect.top : 0;
        source += ptrdiff_t(st) * stride + sl;
        w = sourceRect.right < w - sl ? sourceRect.right : w - sl;
        h = sourceRect.bottom < h - st ? sourceRect.bottom : h - st;
    }

    int sx, sy;
    if (!screenSpace) {
        sx = left - int(Playfield.viewX);
        sy = top - int(Playfield.viewY);
        // Left of the seam's width the sprite is shown on the copy that follows the seam.
        if (Playfield.seamVisible && left < AppState.screenWidth - Playfield.seamX) sx = left + Playfield.seamX;
    } else {
        sx = left;
        sy = top;
    }

    // The clip rectangle never reaches past the screen.
    Rect c = clipRect;
    if (c.left < 0) c.left = 0;
    if (c.top < 0) c.top = 0;
    if (c.right > AppState.screenWidth) c.right = AppState.screenWidth;
    if (c.bottom > AppState.screenHeight) c.bottom = AppState.screenHeight;
    if (!clip_to_rect(c, &sx, &sy, &w, &h, &source, stride)) return;
    // A flipped frame keys on its second row's first pixel; a one-row source has none.
    const uint8_t keyFromSecondRow = flip && (useScratch ? scratchHeight : height) > 1;
    blit_tinted(sx, sy, w, h, source, stride, useScratch ? scratch : picture, keyFromSecondRow, pixelTest,
                int(tintRed), int(tintGreen), int(tintBlue));
}
