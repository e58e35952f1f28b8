// The options screen: the volume slider applied to the device, and the difficulty kept in the career.
#include <cmath>
#include <cstdio>
#include "app/app_state.h"
#include "app/input.h"
#include "app/menu_click.h"
#include "game/image_button.h"
#include "game/level_progress.h"
#include "game/slider.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "level/career.h"
#include "platform/events.h"
#include "platform/message_box.h"
#include "screens/screen_files.h"
#include "screens/screens.h"
#include "sound/sound_table.h"
#include "sound/volume.h"
#include "util/log.h"
#include "util/strings.h"

namespace {

constexpr int kDifficulties = 3;

struct DifficultyPicture {
    uint32_t difficulty;
    const char* file;
    int x, y;
};
const DifficultyPicture kDifficultyPictures[kDifficulties] = {
    {DIFFICULTY_EASY, kOptionsEasy, 24, 216},
    {DIFFICULTY_NORMAL, kOptionsNormal, 89, 216},
    {DIFFICULTY_HARD, kOptionsHard, 154, 216},
};

uint32_t g_backId = 0;
uint32_t g_sliderId = 0;
uint32_t g_difficultyIds[kDifficulties] = {};

// The stored difficulty's picture pressed, the others released.
void show_difficulty()
{
    for (int i = 0; i < kDifficulties; i++) {
        auto* button = dynamic_cast<CImageButton*>(MenuList.find_thing(g_difficultyIds[i]));
        if (!button) continue;
        if (kDifficultyPictures[i].difficulty == LevelProgress.career.difficulty)
            button->press();
        else
            button->release();
    }
}

void create_volume_slider()
{
    auto* slider = new CSlider(&MenuList);
    slider->place(46, 148);
    slider->spacing = 22;
    slider->count = 5;
    // Added first so its buttons can carry its id as their click result.
    g_sliderId = MenuList.adopt(slider);
    if (!g_sliderId) return;
    slider->create_buttons(kOptionsDotOff, kOptionsDotOn);
    slider->set_range(0.0f, 65535.0f, 0.0f);
    // The device's volume word keeps the left channel in its low 16 bits (a volume chosen here sets both
    // channels alike). It shows as its nearest dot: a chosen value is its dot's value cut to an integer,
    // just under the dot, so it would otherwise show one dot short after a restart.
    const uint32_t left = uint32_t(AppState.volume) & 0xFFFFu;
    const int dot = int(std::lround(double(left) / 65535.0 * double(slider->count - 1)));
    slider->set_value(slider->button_value(dot));
    WellKnownIds[MENU_SLOT_OPTIONS] = g_sliderId;
}

void apply_slider_volume()
{
    auto* slider = dynamic_cast<CSlider*>(MenuList.find_thing(g_sliderId));
    if (!slider) return;
    const int32_t v = int32_t(slider->current);
    log_msg("Value is now %d.", v);
    AppState.volume = v;
    set_volume(uint32_t(v), uint32_t(v));
}

void choose_difficulty(int index)
{
    const uint32_t wanted = kDifficultyPictures[index].difficulty;
    CareerRecord& career = LevelProgress.career;
    if (wanted == career.difficulty) return;
    const int answer = sys_message_box(
        "Warning: Changing difficulty mode will reset your saved progress.  Are you sure?",
        "Difficulty Setting Change", MB_YES_NO | MB_ICON_EXCLAMATION);
    if (answer == ANSWER_YES) change_difficulty(career, wanted);
    show_difficulty();
    save_career(career);
}

}  // namespace

void enter_options()
{
    char path[512];
    std::snprintf(path, sizeof path, "%s%s", AppState.programDir, kOptionsPicture);
    if (!file_exists(path)) {
        log_error("Error, couldn't find %s.", path);
        post_quit_message(0);
        return;
    }
    if (!load_screen_picture(kOptionsPicture, AppState.background)) {
        log_error("Error reading tga file");
        post_quit_message(0);
        return;
    }
    AppState.screenState = STATE_OPTIONS;
    menu_reset_pending();
    g_backId = menu_add_button(kOptionsBackButton, nullptr, 10, 283, true);
    WellKnownIds[MENU_SLOT_BACK] = g_backId;
    load_career(LevelProgress.career);
    create_volume_slider();
    for (int i = 0; i < kDifficulties; i++) {
        const DifficultyPicture& d = kDifficultyPictures[i];
        g_difficultyIds[i] = menu_add_button(d.file, nullptr, d.x, d.y, true);
    }
    show_difficulty();
}

void options_frame()
{
    if (!AppState.active) return;
    // The slider acts at once and silently: its click sounds after the change, at the new volume.
    menu_take_tap(MenuClickTimer, g_sliderId ? g_sliderId : kNoPending);
    if (menu_pending_due(MenuClickTimer)) {
        g_input.consume_edges();
        const uint32_t id = PendingButton;
        if (id == g_backId && id) {
            menu_leave();
            enter_title();
            return;
        }
        if (id == g_sliderId && id) {
            apply_slider_volume();
            menu_reset_pending();
            play_sound(kClickSound);
            return;
        }
        for (int i = 0; i < kDifficulties; i++)
            if (id == g_difficultyIds[i] && id) choose_difficulty(i);
        menu_reset_pending();
    }
    menu_draw_frame();
}
