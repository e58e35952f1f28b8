// The ending: four pictures of the heroine faded in and out on black, four lines of text, music, and quit.
#include <cstring>
#include "app/app_state.h"
#include "app/menu_click.h"
#include "game/scene_sprite.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "graphics/font_rast.h"
#include "screens/ending_screen.h"
#include "screens/screen_files.h"
#include "screens/screens.h"
#include "sound/sound_table.h"
#include "util/log.h"

namespace {

constexpr int kPictures = 4;
constexpr uint32_t kStepMs = 1000;
constexpr uint32_t kEndingTextColour = 0xC8C8C8;
// Full black for 5-6-5 pixels.
constexpr float kBlackRed = -31.0f, kBlackGreen = -63.0f, kBlackBlue = -31.0f;

int g_step = 0;
uint32_t g_quitId = 0;
uint32_t g_pictureIds[kPictures] = {};
uint32_t g_textId = 0;

CSceneSprite* find_sprite(uint32_t id) { return id ? dynamic_cast<CSceneSprite*>(MenuList.find_thing(id)) : nullptr; }

// Black at once, then back to full colour in about two seconds.
void fade_in(CSceneSprite* sprite, uint32_t holdMs)
{
    if (sprite) sprite->fade_tint(kBlackRed, kBlackGreen, kBlackBlue, 100.0f, holdMs, 0.3f);
}

// Each picture lies above the one before: the list puts a newer thing beneath older ones of the same key,
// and the faded-out picture, black for good, would otherwise cover its successor.
uint32_t new_picture(int n, const char* file, int x, int y)
{
    auto* sprite = new CSceneSprite;
    sprite->show_picture(x, y, file);
    sprite->set_sort_key(400 + n);
    return MenuList.adopt(sprite);
}

// Pictures 2 to 4 appear in the middle, fading in from black.
void show_picture(int n, const char* file)
{
    g_pictureIds[n - 1] = new_picture(n, file, AppState.screenWidth / 2, AppState.screenHeight / 2 - 20);
    fade_in(find_sprite(g_pictureIds[n - 1]), 10);
}

// Darkens to black in about three seconds and stays black.
void fade_out_picture(int n)
{
    if (CSceneSprite* sprite = find_sprite(g_pictureIds[n - 1]))
        sprite->fade_tint(kBlackRed, kBlackGreen, kBlackBlue, 0.2f, 10000000, 0.2f);
}

void new_text(const char* line)
{
    log_msg("Ending: %s", line);
    auto* sprite = new CSceneSprite;
    sprite->show_picture(AppState.screenWidth / 2, AppState.screenHeight - 20, "");
    sprite->create_picture(240, 60, 0);
    TextStyle.set_text_colour(kEndingTextColour);
    TextStyle.set_font(25, "Arial", 0, 0, 0, 1);
    sprite->print_centered(0, 0, line);
    fade_in(sprite, 0);
    sprite->set_sort_key(3000);
    g_textId = MenuList.adopt(sprite);
}

void remove_text()
{
    if (CSceneSprite* sprite = find_sprite(g_textId)) sprite->shrink_away(0.03f);
}

}  // namespace

void ending_step()
{
    g_step++;
    switch (g_step) {
    case 1: {
        // Rises into view from below the screen and stops near the middle.
        g_pictureIds[0] = new_picture(1, kEndingPictures[0], AppState.screenWidth / 2, AppState.screenHeight + 120);
        if (CSceneSprite* sprite = find_sprite(g_pictureIds[0])) {
            sprite->set_speed(0.41f);
            sprite->move_by(0.0f, float(-150 - AppState.screenHeight / 2));
        }
        break;
    }
    case 8: new_text("Torvessa has been defeated."); break;
    case 12: fade_out_picture(1); break;
    case 13: remove_text(); break;
    case 14: show_picture(2, kEndingPictures[1]); break;
    case 17: new_text("The world has been saved."); break;
    case 22: remove_text(); break;
    case 23: fade_out_picture(2); break;
    case 26: show_picture(3, kEndingPictures[2]); break;
    case 29: new_text("You have done well."); break;
    case 34: remove_text(); break;
    case 35: fade_out_picture(3); break;
    case 38: show_picture(4, kEndingPictures[3]); break;
    case 41: new_text("The End!"); break;
    default: break;
    }
}

void enter_ending()
{
    ending_music.loop = 1;
    ending_music.play();
    for (uint32_t& id : g_pictureIds)
        id = 0;
    g_textId = 0;
    std::memset(AppState.background, 0, size_t(AppState.screenWidth) * size_t(AppState.screenHeight) * sizeof(uint16_t));
    AppState.screenState = STATE_ENDING;
    menu_reset_pending();
    g_quitId = menu_add_button(kEndingQuitButton, nullptr, 190, 300, false, 1000);
    WellKnownIds[MENU_SLOT_QUIT] = g_quitId;
    g_step = 0;
    ending_step();
    EndingStepTimer.set_interval(kStepMs);
}

int ending_step_count() { return g_step; }

void ending_frame()
{
    if (!AppState.active) return;
    if (PendingButton != kNoPending) {
        if (EndingClickTimer.ready()) {
            if (PendingButton == g_quitId && g_quitId) {
                ending_music.stop();
                menu_leave();
                enter_title();
                return;
            }
            menu_reset_pending();
            return;
        }
    } else {
        menu_take_tap(EndingClickTimer);
    }
    menu_draw_frame([] {
        if (EndingStepTimer.ready()) ending_step();
    });
}
