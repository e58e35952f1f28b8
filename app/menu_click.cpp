// The menu click protocol: taps on the menu list, the pending button, the delayed action and the menu frame.
#include "app/menu_click.h"
#include <cstring>
#include "app/app_state.h"
#include "app/input.h"
#include "game/image_button.h"
#include "game/thing_list.h"
#include "graphics/display.h"
#include "graphics/picture.h"
#include "graphics/picture_file.h"
#include "graphics/playfield.h"
#include "sound/sound_table.h"
#include "util/log.h"

uint32_t PendingButton = kNoPending;

void menu_reset_pending() { PendingButton = kNoPending; }

uint32_t menu_take_tap(CTimer& timer, uint32_t quietId)
{
    if (PendingButton != kNoPending || !g_input.tap) return kNoPending;
    // Read the point first: consuming the edges forgets it once the stylus is up.
    const int sx = g_input.stylusX;
    const int sy = g_input.stylusY;
    log_msg("Clicked!");
    g_input.consume_edges();
    // Menu things live in screen pixels and turn a tap back from the playfield's view, which a level may
    // have left anywhere; hand them the point as the view sees it.
    const uint32_t hit = MenuList.thing_at_point(Playfield.screen_to_world_x(sx), Playfield.screen_to_world_y(sy), 0, 0);
    if (hit == kNoThing) return kNoPending;
    PendingButton = hit;
    if (hit == quietId) {
        timer.set_interval(0);
    } else {
        play_sound(kClickSound);
        timer.set_interval(kClickDelayMs);
    }
    return hit;
}

bool menu_pending_due(CTimer& timer) { return PendingButton != kNoPending && timer.ready(); }

void menu_draw_frame(void (*beforeThink)())
{
    g_input.consume_edges();
    std::memcpy(AppState.backBuffer, AppState.background,
                size_t(AppState.screenWidth) * size_t(AppState.screenHeight) * sizeof(uint16_t));
    if (beforeThink) beforeThink();
    MenuList.think_all();
    MenuList.resort();
    MenuList.draw_all();
    present();
}

void menu_leave() { MenuList.clear(); }

uint32_t menu_add_button(const char* file, const char* alternate, int x, int y, bool hiddenUnlessPressed,
                         int32_t sortKey)
{
    auto* button = new CImageButton;
    button->create(file, x, y);
    button->set_alternate(alternate ? alternate : file);
    if (hiddenUnlessPressed) button->set_hidden_unless_pressed();
    button->set_sort_key(sortKey);
    return MenuList.adopt(button);
}

bool load_screen_picture(const char* name, uint16_t* target)
{
    if (!target) return false;
    uint16_t* pixels = nullptr;
    int w = 0, h = 0;
    if (!load_picture_file(&pixels, &w, &h, name) || !pixels) return false;
    const int sw = AppState.screenWidth;
    const int rows = h < AppState.screenHeight ? h : AppState.screenHeight;
    const int cols = w < sw ? w : sw;
    for (int y = 0; y < rows; y++)
        std::memcpy(target + size_t(y) * size_t(sw), pixels + size_t(y) * size_t(w), size_t(cols) * sizeof(uint16_t));
    free_pixels(pixels);
    return true;
}
