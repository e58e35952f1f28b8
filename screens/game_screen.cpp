// The game screen: building a level, the frame of a running level, its buttons and keys, and the level change.
#include "screens/game_screen.h"

#include <cstdio>

#include "app/app_state.h"
#include "app/input.h"
#include "game/ambient_sound.h"
#include "game/hero.h"
#include "game/hud_files.h"
#include "game/image_button.h"
#include "game/level_controller.h"
#include "game/level_progress.h"
#include "game/message_line.h"
#include "game/meter.h"
#include "game/monster_kind.h"
#include "game/spell_bar.h"
#include "game/spell_table.h"
#include "game/game_services.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "graphics/display.h"
#include "graphics/playfield.h"
#include "level/career.h"
#include "level/level_scan.h"
#include "level/level_script.h"
#include "level/loader.h"
#include "level/scan_things.h"
#include "platform/events.h"
#include "screens/screens.h"
#include "sound/sound_table.h"
#include "util/log.h"
#include "util/strings.h"

namespace {

constexpr int kHeroMeterMax = 75;
// A script chain that never reaches a playable level (a pass-through naming itself) must not recurse
// without end; no real chain comes near this.
constexpr int kMostPassThroughs = 64;

uint32_t g_heroMeterId = 0;
int g_passThroughDepth = 0;

uint32_t add_button(const char* file, int x, int y)
{
    auto* button = new CImageButton;
    button->create(file, x, y);
    button->set_sort_key(1000);
    return GameList.adopt(button);
}

void reset_playfield()
{
    Playfield.clear_hard_boxes();
    Playfield.shakeActive = 0;
}

// The level finished: on to the next one. False when this frame ends here (another screen, or the end).
bool change_level()
{
    leave_game();
    const int scriptNext = LevelProgress.script.nextLevel;
    int next = LevelProgress.levelNumber + 1;
    if (scriptNext != 0) next = scriptNext;
    // The script's own value decides, whatever number the count reached.
    if (scriptNext == 500) {
        LevelProgress.levelNumber = next;
        enter_ending();
        return false;
    }
    if (scriptNext == 1000) {
        LevelProgress.levelNumber = next;
        enter_title();
        return false;
    }
    if (!load_level(next)) return false;
    begin_loaded_level(next, 120, 225);
    LevelProgress.levelFinished = 0;
    return AppState.screenState == STATE_GAME;
}

}  // namespace

unsigned hero_meter_id() { return g_heroMeterId; }

void leave_game()
{
    GameList.clear();
    MonsterKinds.release_all_graphics();
    g_heroMeterId = 0;
}

bool load_level(int levelNumber)
{
    LevelProgress.levelNumber = levelNumber;
    reset_level_script(LevelProgress.script);
    clear_level_counters(LevelProgress);
    reset_playfield();
    if (!load_level_settings(LevelProgress.script, levelNumber)) {
        log_error("Unable to find the information for this level. (level%d.txt)", levelNumber);
        post_quit_message(0);
        return false;
    }
    return true;
}

void begin_loaded_level(int levelNumber, int loaderX, int loaderY)
{
    LevelScript& script = LevelProgress.script;
    if (script.hasStory) {
        Loader.set_position(120, 160);
        replace_all("\\n", "\r\n", script.storyText);
        enter_story(script.storyBackground, script.storyText);
        return;
    }
    Loader.set_position(loaderX, loaderY);
    start_level(levelNumber);
}

void start_level_directly(int levelNumber)
{
    reset_spell_table();
    load_career(LevelProgress.career);
    LevelProgress.career.levelUnlocked[0] = 1;
    if (!load_level(levelNumber)) return;
    // Straight into the level: its story belongs to the way there through the level select.
    Loader.set_position(176, 297);
    start_level(levelNumber);
}

void start_level(int levelNumber)
{
    AppState.currentGameList = &GameList;
    AppState.screenState = STATE_GAME;
    LevelScript& script = LevelProgress.script;
    if (!script.backgroundName[0]) {
        // A pass-through level: straight on to the one after it.
        LevelProgress.levelFinished = 1;
        if (++g_passThroughDepth > kMostPassThroughs) {
            log_error("Level %d leads nowhere: too many levels without a background in a row.", levelNumber);
            post_quit_message(0);
        } else {
            change_level();
        }
        g_passThroughDepth--;
        return;
    }

    Loader.show(1);
    Loader.draw();
    if (!Playfield.load_background(script.backgroundName)) {
        log_error("Unable to load background graphic %s. Please use Start->Setting->Memory and give more memory "
                  "to programs.",
                  script.backgroundName);
        post_quit_message(0);
        Loader.show(0);
        return;
    }
    Playfield.fieldStart = script.fieldStart;
    Playfield.fieldEnd = script.fieldEnd;
    Playfield.scaleMod = script.scaleMod;
    Playfield.set_playfield_rect(script.playfieldRect);
    copy_script_numbers(LevelProgress);
    Playfield.draw_background(AppState.background);

    clear_well_known_ids();
    WellKnownIds[SLOT_QUIT_BUTTON] = add_button(kQuitButtonPicture, 192, 298);
    WellKnownIds[SLOT_PAUSE_BUTTON] = add_button(kPauseButtonPicture, 124, 298);
    WellKnownIds[SLOT_LEVEL_CONTROLLER] = GameList.adopt(new CLevelController(&GameList));
    auto* line = new CMessageLine;
    if ((WellKnownIds[SLOT_MESSAGE_LINE] = GameList.adopt(line))) line->place(-40, 53);

    Playfield.clear_hard_boxes();
    scan_hard_boxes(script);

    WellKnownIds[SLOT_HERO] = GameList.adopt(new CHero);
    WellKnownIds[SLOT_AMBIENT_SOUND] = GameList.adopt(new CAmbientSound);

    for (int32_t kind : {script.mainEnemy, script.secondaryEnemy})
        if (kind != -1) MonsterKinds.load_graphics(MonsterKinds.find_kind(kind));

    scan_sprites(script, GameList);
    if (script.introText[0]) show_message(script.introText, 3000);

    auto* meter = new CMeter;
    if ((g_heroMeterId = GameList.adopt(meter))) {
        meter->create(&GameList, "", kMeterBarPicture, 3, 307);
        meter->set_range(0.0f, float(kHeroMeterMax));
        meter->set_rate(0.1f);
        meter->set_value(float(kHeroMeterMax));
    }
    auto* bar = new CSpellBar;
    if (GameList.adopt(bar)) bar->init();

    Loader.show(0);
    Playfield.request_redraw(1);
    Playfield.update(AppState.backBuffer);
}

int stylus_commands()
{
    if (!g_input.tap) return 0;
    const int wx = Playfield.screen_to_world_x(g_input.stylusX);
    const int wy = Playfield.screen_to_world_y(g_input.stylusY);
    const uint32_t hitId = GameList.thing_at_point(wx, wy, 0, 0);
    if (hitId == kNoThing) return 0;

    if (hitId == WellKnownIds[SLOT_QUIT_BUTTON]) {
        leave_game();
        enter_title();
        return 1;
    }
    if (hitId == WellKnownIds[SLOT_PAUSE_BUTTON]) {
        if (auto* pause = dynamic_cast<CImageButton*>(GameList.find_thing(hitId))) {
            if (LevelProgress.paused == 1) {
                pause->set_tint(0.0f, 0.0f, 0.0f);
                LevelProgress.paused = 0;
            } else {
                pause->set_tint(10.0f, 10.0f, 10.0f);
                LevelProgress.paused = 1;
            }
        }
    }
    for (int32_t s = SPELL_INCINERATE; s >= SPELL_FIREBALL; s--) {
        if (hitId != LevelProgress.spellIconIds[s]) continue;
        if (auto* bar = dynamic_cast<CSpellBar*>(GameList.find_thing(LevelProgress.spellBarId))) bar->select(s);
        play_sound("sounds\\axe.wav");
        return 2;
    }
    return 0;
}

void key_commands()
{
    if (LevelProgress.paused) return;
    const KeyState* keys = g_input.keys;
    // Each command asks again: a cast can have ended the hero's life by the next.
    auto hero = []() -> CHero* {
        CHero* h = current_hero();
        return h && h->alive ? h : nullptr;
    };
    if (keys[BTN_A].pressed || keys[BTN_EXTRA2].pressed)
        if (CHero* h = hero()) h->cast();
    if (keys[BTN_B].pressed || keys[BTN_EXTRA1].pressed)
        if (CHero* h = hero()) h->strike_command();
    if (keys[BTN_C].pressed)
        if (CHero* h = hero()) h->cast();
    if (keys[BTN_START].pressed)
        if (CHero* h = hero()) h->strike_command();
}

void game_frame()
{
    if (LevelProgress.levelFinished == 1 && !change_level()) return;
    if (!AppState.active) return;

    const int r = stylus_commands();
    if (r == 1) {
        g_input.consume_edges();
        return;
    }
    if (r == 0) key_commands();
    g_input.consume_edges();

    GameList.think_all();
    GameList.resort();
    Playfield.request_redraw(1);
    Playfield.update(AppState.backBuffer);
    GameList.draw_all();

    const CHero* hero = current_hero();
    auto* meter = g_heroMeterId ? dynamic_cast<CMeter*>(GameList.find_thing(g_heroMeterId)) : nullptr;
    if (hero && meter) meter->set_value(float(hero->health));
    present();
}
