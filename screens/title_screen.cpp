// The title screen: play, options and quit over the title picture, and the first-start unpacking.
#include "app/app_state.h"
#include "app/menu_click.h"
#include "game/hero.h"
#include "game/well_known_ids.h"
#include "platform/events.h"
#include "screens/decompress.h"
#include "screens/screen_files.h"
#include "screens/screens.h"
#include "sound/sound_table.h"

namespace {
uint32_t g_playId = 0;
uint32_t g_quitId = 0;
uint32_t g_optionsId = 0;
// Set once quit is posted: messages queued ahead of the quit may still run frames, and none may draw.
bool g_quitting = false;
}  // namespace

void enter_title()
{
    play_sound(kTitleSound);
    load_screen_picture(kTitlePicture, AppState.background);
    AppState.screenState = STATE_TITLE;
    menu_reset_pending();
    g_quitting = false;
    // The button art is part of the background; these show only from the tap until the screen changes.
    g_playId = menu_add_button(kTitlePlayButton, nullptr, 171, 167, true);
    g_quitId = menu_add_button(kTitleQuitButton, nullptr, 183, 245, true);
    g_optionsId = menu_add_button(kTitleOptionsButton, nullptr, 145, 207, true);
    WellKnownIds[MENU_SLOT_GO] = g_playId;
    WellKnownIds[MENU_SLOT_QUIT] = g_quitId;
    WellKnownIds[MENU_SLOT_OPTIONS] = g_optionsId;
    decompress_graphics();
    load_hero_strips();
}

void title_frame()
{
    if (!AppState.active || g_quitting) return;
    menu_take_tap(MenuClickTimer);
    if (menu_pending_due(MenuClickTimer)) {
        const uint32_t id = PendingButton;
        if (id == g_quitId && id) {
            // The program ends at the next message fetch; nothing more is drawn.
            post_quit_message(0);
            g_quitting = true;
            return;
        }
        if (id == g_playId && id) {
            menu_leave();
            enter_level_select();
            return;
        }
        if (id == g_optionsId && id) {
            menu_leave();
            enter_options();
            return;
        }
        menu_reset_pending();
    }
    menu_draw_frame();
}
