// The playfield: the wrapping level background, the view onto it, its limits, hard boxes and the shake.
#include "graphics/playfield.h"
#include <cstdlib>
#include <cstring>
#include "app/app_state.h"
#include "graphics/blit.h"
#include "graphics/picture.h"
#include "graphics/picture_file.h"
#include "util/log.h"
#include "util/strings.h"

CPlayfield::CPlayfield()
{
    viewRect = Rect{0, 0, AppState.screenWidth, AppState.screenHeight};
}

CPlayfield::~CPlayfield()
{
    free_background();
    log_msg("Freeing background.");
    clear_hard_boxes();
}

bool CPlayfield::load_background(const char* name)
{
    free_background();
    uint16_t* loaded = nullptr;
    int w = 0, h = 0;
    if (!load_picture_file(&loaded, &w, &h, name)) return false;
    pixels = loaded;
    width = w;
    height = h;
    viewX = float(width / 2);
    viewY = float(height - AppState.screenHeight);
    copy_text(backgroundName, sizeof backgroundName, name);
    return true;
}

void CPlayfield::free_background()
{
    free_pixels(pixels);
    pixels = nullptr;
}

void CPlayfield::set_playfield_rect(const Rect& rect)
{
    playfieldRect = rect;
    rectSet = 1;
}

const Rect* CPlayfield::get_playfield_rect() const { return rectSet ? &playfieldRect : nullptr; }

bool CPlayfield::is_walkable(int x, int y)
{
    if (!rectSet) log_error("Playfield rect not set!");
    bool walkable = point_in_rect(x, y, playfieldRect);
    for (int i = 0; i < hardBoxCount; i++)
        if (point_in_rect(x, y, hardBoxes[i].rect)) walkable = hardBoxes[i].value != 0;
    return walkable;
}

void CPlayfield::add_hard_box(const Rect& rect, int32_t value)
{
    auto* grown = static_cast<HardBox*>(std::realloc(hardBoxes, sizeof(HardBox) * size_t(hardBoxCount + 1)));
    if (!grown) {
        clear_hard_boxes();  // the whole list is lost, as it always was
        return;
    }
    hardBoxes = grown;
    hardBoxes[hardBoxCount++] = HardBox{rect, value};
}

void CPlayfield::clear_hard_boxes()
{
    std::free(hardBoxes);
    hardBoxes = nullptr;
    hardBoxCount = 0;
}

bool CPlayfield::set_view(float x, float y)
{
    if (y < 0.0f) y = 0.0f;
    // A background lower than the screen ends with a negative view y: it is drawn lower down.
    const float maxY = float(height - AppState.screenHeight);
    if (y > maxY) y = maxY;
    if (x == viewX && y == viewY) return false;
    viewX = x;
    viewY = y;
    if (x > float(width)) viewX = x - float(width);
    if (viewX < 0.0f) viewX = float(width) + viewX;
    return true;
}

bool CPlayfield::scroll_to(float x, float y, uint16_t* target)
{
    if (!set_view(x, y)) return false;
    redrawRequested = 1;
    if (target) draw_background(target);
    return true;
}

bool CPlayfield::scroll_by(int dx, int dy, uint16_t* target)
{
    return scroll_to(viewX + float(dx), viewY + float(dy), target);
}

bool CPlayfield::scroll_by(float dx, float dy, uint16_t* target)
{
    return scroll_to(viewX + dx, viewY + dy, target);
}

void CPlayfield::update(uint16_t* target)
{
    if (shakeActive) {
        if (shakeDuration.ready()) {
            shakeActive = 0;
        } else if (shakeInterval.ready()) {
            int d = random_below(2) == 1 ? shakeAmplitude : -shakeAmplitude;
            scroll_by(d, d, nullptr);
        }
    }
    if (redrawRequested) draw_background(target);
}

void CPlayfield::start_shake(int amplitude, uint32_t durationMs, uint32_t intervalMs)
{
    shakeAmplitude = amplitude;
    shakeActive = 1;
    shakeDuration.set_interval(durationMs);
    shakeInterval.set_interval(intervalMs);
}

bool CPlayfield::copy_background(int sx, int sy, uint16_t* target, int* clippedX)
{
    int w = width, h = height;
    const uint16_t* source = pixels;
    if (!clip_to_rect(viewRect, &sx, &sy, &w, &h, &source, width)) return false;
    copy_rect(sx, sy, w, h, source, width, target, AppState.screenWidth);
    *clippedX = sx;
    return true;
}

void CPlayfield::draw_background(uint16_t* target)
{
    redrawRequested = 0;
    if (!pixels || !target) return;
    const int sx = int(-viewX), sy = int(-viewY);
    int clipped = 0;
    if (!copy_background(sx, sy, target, &clipped)) return;
    const int rem = int(float(width) - viewX - float(AppState.screenWidth));
    if (rem >= 0) {
        seamVisible = 0;
        return;
    }
    // The background's right end is on screen: its start follows it.
    if (!copy_background(AppState.screenWidth + rem, sy, target, &clipped)) return;
    seamX = clipped;
    seamVisible = 1;
}

int CPlayfield::screen_to_world_x(int x) const
{
    if (seamVisible && x > seamX) return x - seamX;
    return x + int(viewX);
}

int CPlayfield::screen_to_world_y(int y) const { return y + int(viewY); }

int CPlayfield::world_to_screen_x(int x) const
{
    int s = x - int(viewX);
    if (seamVisible && s < 0) return seamX + x;
    return s;
}

int CPlayfield::world_to_screen_y(int y) const { return y - int(viewY); }

bool approach(float* value, float target, float step)
{
    if (target > *value) {
        *value += step;
        if (*value > target) *value = target;
    } else {
        *value -= step;
        if (*value < target) *value = target;
    }
    return *value == target;
}
