// The back buffer and the still background, the draw target, and present.
#include "graphics/display.h"
#include <cstdlib>
#include <cstring>
#include "app/app_state.h"
#include "graphics/frame_pacing.h"
#include "platform/clock.h"
#include "platform/video.h"

uint16_t* g_drawTarget = nullptr;
static DisplayProperties g_props;
static uint64_t g_pacedFrame = UINT64_MAX;  // the main-loop pass whose present was paced last

bool open_display()
{
    if (!video_open()) return false;
    g_props = video_properties();
    return true;
}

bool create_buffers()
{
    size_t bytes = size_t(AppState.screenWidth) * size_t(AppState.screenHeight) * 2;
    auto* back = static_cast<uint16_t*>(std::malloc(bytes));
    if (!back) return false;
    AppState.backBuffer = back;
    auto* bg = static_cast<uint16_t*>(std::malloc(bytes));
    if (!bg) return false;
    std::memset(back, 0, bytes);
    std::memset(bg, 0, bytes);
    AppState.background = bg;
    g_drawTarget = back;
    return true;
}

void copy_to_frame_buffer16(const uint16_t* src, uint8_t* frame, int xPitch, int yPitch)
{
    // Pitches rounded down to whole pixels; a rotated display walks its rows backwards.
    const int xp = xPitch & ~1;
    const int yp = yPitch & ~1;
    uint8_t* row = frame + (yPitch < 0 ? 640 : 0);
    for (int y = 0; y < 320; y++) {
        uint8_t* p = row;
        for (int x = 0; x < 240; x++) {
            uint16_t v = *src++;
            std::memcpy(p, &v, 2);
            p += xp;
        }
        row += yp;
    }
}

void copy_to_frame_buffer_grey2(const uint16_t* src, uint8_t* frame, int yPitch)
{
    uint8_t* p = frame;
    const int skip = (yPitch - 60) & ~3;
    for (int y = 0; y < 320; y++) {
        for (int group = 0; group < 15; group++) {
            uint8_t bytes[4];
            for (int k = 0; k < 4; k++) {
                // Two top bits of each pixel, leftmost pixel in the byte's top bits.
                bytes[k] = uint8_t(((src[0] >> 14) << 6) | ((src[1] >> 14) << 4) | ((src[2] >> 14) << 2) | (src[3] >> 14));
                src += 4;
            }
            std::memcpy(p, bytes, 4);
            p += 4;
        }
        p += skip;
    }
}

void present()
{
    // The loading indicator presents many times inside one frame. Only the frame's first present waits for
    // the display and measures the frame; the others just show the picture. A level start so counts as one
    // long frame (clamped like any pause) rather than many short ones that pull frameScale towards 0.
    const uint64_t frame = clock_frame_number();
    const bool paced = frame != g_pacedFrame;
    g_pacedFrame = frame;
    if (g_props.bitsPerPixel == 16) {
        uint8_t* target = video_begin_draw();
        copy_to_frame_buffer16(AppState.backBuffer, target, g_props.xPitch, g_props.yPitch);
        video_end_draw(paced);
    } else if (g_props.bitsPerPixel == 2) {
        uint8_t* target = video_begin_draw();
        copy_to_frame_buffer_grey2(AppState.backBuffer, target, g_props.yPitch);
        video_end_draw(paced);
    }
    if (paced) AppState.frameScale = pace_frame();
}

bool close_display() { return video_close(); }

bool free_buffers()
{
    if (AppState.backBuffer) std::free(AppState.backBuffer);
    if (AppState.background) std::free(AppState.background);
    AppState.backBuffer = nullptr;
    AppState.background = nullptr;
    g_drawTarget = nullptr;
    return true;
}
