// The level select: twelve level buttons, the locked ones neither drawn nor tapped, and the chosen level begun.
#include <cstdio>
#include "app/app_state.h"
#include "app/menu_click.h"
#include "game/image_button.h"
#include "game/level_progress.h"
#include "game/spell_table.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "level/career.h"
#include "screens/game_screen.h"
#include "screens/screen_files.h"
#include "screens/screens.h"

namespace {

constexpr int kLevels = 12;
uint32_t g_backId = 0;

void add_level_button(int n)
{
    char file[64];
    level_button_picture(n, file, sizeof file);
    const int x = n % 2 ? 15 : 127;
    const int y = 105 + 30 * ((n - 1) / 2);
    const uint32_t id = menu_add_button(file, nullptr, x, y, true);
    auto* button = dynamic_cast<CImageButton*>(MenuList.find_thing(id));
    if (!button) return;
    button->value = n;
    if (level_unlocked(LevelProgress.career, n)) {
        button->press();  // shown
    } else {
        button->disabled = 1;
        button->noClickFlag = 1;
    }
}

}  // namespace

void enter_level_select()
{
    load_screen_picture(kLevelSelectPicture, AppState.background);
    AppState.screenState = STATE_LEVEL_SELECT;
    menu_reset_pending();
    g_backId = menu_add_button(kLevelSelectBackButton, nullptr, 10, 283, true);
    WellKnownIds[MENU_SLOT_BACK] = g_backId;
    load_career(LevelProgress.career);
    // Level 1 is always open, whatever the file says; the file itself is left alone.
    LevelProgress.career.levelUnlocked[0] = 1;
    for (int n = 1; n <= kLevels; n++)
        add_level_button(n);
}

void level_select_frame()
{
    if (!AppState.active) return;
    const uint32_t hit = menu_take_tap(LevelSelectClickTimer);
    if (hit != kNoPending) {
        CThing* thing = MenuList.find_thing(hit);
        // A level lights up while its click plays out.
        if (auto* button = dynamic_cast<CVisual*>(thing); button && button->value != 0)
            button->set_tint(15.0f, 15.0f, 0.0f);
    }
    if (menu_pending_due(LevelSelectClickTimer)) {
        const uint32_t id = PendingButton;
        if (id == g_backId && id) {
            menu_leave();
            enter_title();
            return;
        }
        // Spells carry over from level to level; only a level chosen here starts them afresh.
        reset_spell_table();
        const CThing* thing = MenuList.find_thing(id);
        const int level = thing ? thing->value : 0;
        if (level == 0) {
            menu_reset_pending();
            return;
        }
        menu_leave();
        if (!load_level(level)) return;
        begin_loaded_level(level, 176, 297);
        return;
    }
    menu_draw_frame();
}
