// The story scroller: the level's story rising over its picture, with music, until continue is tapped.
#include "app/app_state.h"
#include "app/menu_click.h"
#include "game/image_button.h"
#include "game/level_progress.h"
#include "game/scene_sprite.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "graphics/font_rast.h"
#include "screens/game_screen.h"
#include "screens/screen_files.h"
#include "screens/screens.h"
#include "sound/sound_table.h"

namespace {

constexpr int kTextWidth = 200;
constexpr int kTextHeight = 592;
constexpr int kTextStartY = 555;
constexpr float kTextSpeed = 0.11f;
constexpr float kTextRise = -650.0f;
constexpr uint32_t kStoryTextColour = 0xC8C8C8;

uint32_t g_continueId = 0;

void add_story_text(const char* text)
{
    auto* sprite = new CSceneSprite;
    sprite->show_picture(AppState.screenWidth / 2, kTextStartY, "");
    sprite->create_picture(kTextWidth, kTextHeight, 0);
    TextStyle.set_text_colour(kStoryTextColour);
    TextStyle.set_font(18, "Arial", 1, 0, 0, 1);
    sprite->print_centered(0, 0, text);
    // Up from behind the continue strip; it stops after about 59 seconds, its centre at y -95.
    sprite->set_speed(kTextSpeed);
    sprite->move_by(0.0f, kTextRise);
    sprite->set_sort_key(500);
    MenuList.adopt(sprite);
}

}  // namespace

void enter_story(const char* backgroundPath, const char* text)
{
    story_music.loop = 1;
    story_music.play();
    // A missing picture is reported by the loader, and the previous background stays.
    load_screen_picture(backgroundPath, AppState.background);
    AppState.screenState = STATE_STORY;
    menu_reset_pending();
    g_continueId = menu_add_button(kStoryContinue, kStoryContinuePressed, 0, 253, false, 1000);
    WellKnownIds[MENU_SLOT_GO] = g_continueId;
    add_story_text(text);
}

void story_frame()
{
    if (!AppState.active) return;
    menu_take_tap(StoryClickTimer);
    if (menu_pending_due(StoryClickTimer)) {
        if (PendingButton == g_continueId && g_continueId) {
            story_music.stop();
            menu_leave();
            start_level(LevelProgress.levelNumber);
            return;
        }
        menu_reset_pending();
        return;
    }
    menu_draw_frame();
}
