// The game screen over real level files, headless: building a level, the level change and its chains, pause and quit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "app/app_state.h"
#include "app/input.h"
#include "game/game_services.h"
#include "game/hero.h"
#include "game/image_button.h"
#include "game/level_progress.h"
#include "game/message_line.h"
#include "game/spell_bar.h"
#include "game/spell_table.h"
#include "game/monster_kind.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "graphics/display.h"
#include "game/scene_sprite.h"
#include "level/loader.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/platform.h"
#include "screens/game_screen.h"
#include "screens/screens.h"
#include "support/gameplay_files.h"
#include "support/gfx_files.h"
#include "support/monster_files.h"
#include "support/scene_files.h"
#include "support/temp_folder.h"

namespace {

// A playable level: a flat field, no monsters (but the main enemy's strips are loaded), the hero at a fixed place.
std::string playable(const std::string& extra, int mainEnemy = -1)
{
    return "background_graphic|graphics\\backgrounds\\field.tga\n"
           "rect_playfield|0|160|640|300\n"
           "set_field_start|160\n"
           "set_field_end|20\n"
           "set_scale_mod|0.5\n"
           "kills_required_to_continue|5\n"
           "creatures_to_spawn|0\n"
           "max_creatures_on_screen_at_once|0\n"
           "main_enemy|" + std::to_string(mainEnemy) + "\n"
           "set_start_position|120|250\n" + extra;
}

class GameScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PlatformConfig config;
        config.headless = true;
        config.fixedStepMs = 40;
        ASSERT_TRUE(platform_init(config));
        ASSERT_TRUE(open_display());
        ASSERT_TRUE(create_buffers());
        dir.make_program_folder();
        AppState.frameTime = 1000;
        AppState.active = 1;
        write_bytes(dir.file("graphics/backgrounds/field.tga"), make_flat_tga(640, 320, 40, 120, 40));
        write_bytes(dir.file("graphics/interface/quit.tga"), make_keyed_tga(40, 20, 200, 0, 0));
        write_bytes(dir.file("graphics/interface/pause.tga"), make_keyed_tga(40, 20, 0, 0, 200));
        write_strip(dir, "graphics/misc/icon_lightning", 1, 30, 30);
        write_strip(dir, "graphics/misc/icon_fire", 1, 30, 30);
        ASSERT_TRUE(write_hero_strips(dir, 6, 3));
        g_input = InputState{};
    }
    void TearDown() override
    {
        leave_game();
        close_display();
        free_buffers();
        platform_shutdown();
    }
    void level(int n, const std::string& text)
    {
        write_text(dir.file("logic/levels/level" + std::to_string(n) + ".txt"), text);
    }
    // A tap as the window procedure delivers it, then one game frame.
    void tap(int x, int y)
    {
        g_input.on_stylus_down(pack_point(x, y));
        advance();
        g_input.on_stylus_up();
    }
    void press(int button)
    {
        g_input.on_key_down(g_input.code_of(button));
        advance();
        g_input.on_key_up(g_input.code_of(button));
    }
    // Frames as the main loop runs them: the virtual clock steps, the frame routine runs.
    void advance(int frames = 1)
    {
        for (int i = 0; i < frames; i++) {
            clock_begin_frame();
            AppState.frameTime = sys_tick_count();
            game_frame();
        }
    }

    TempFolder dir;
};

// Where levels lead: through those with nothing to play to a playable one, on to the next keeping the spells,
// to a story, out of the game, or, by a chain that leads nowhere, to the program's end.
TEST_F(GameScreenTest, LevelsLeadThroughPassThroughsOnKeepingTheSpellsToAStoryOrOutOfTheGame)
{
    level(1, "level_name|nothing here\n");
    level(2, "background_graphic|\nnext_level|4\n");
    level(4, playable(""));
    level(5, playable(""));
    level(6, playable("set_intro_scroller_background|graphics\\story.jpg\n"
                      "set_intro_scroller_text|First sentence.\\nSecond sentence.\n"));
    start_level_directly(1);  // walked in one call
    EXPECT_EQ(AppState.screenState, STATE_GAME);
    EXPECT_EQ(LevelProgress.levelNumber, 4);
    ASSERT_NE(current_hero(), nullptr);
    EXPECT_EQ(current_hero()->x, 120);
    EXPECT_NE(GameList.find_thing(WellKnownIds[SLOT_LEVEL_CONTROLLER]), nullptr);
    EXPECT_NE(GameList.find_thing(hero_meter_id()), nullptr);
    // Started from the command line: the spells of a fresh start and level 1 open in the career.
    EXPECT_EQ(SpellTable[SPELL_FIREBALL].usesLeft, SpellTable[SPELL_FIREBALL].usesPerPickup);
    EXPECT_EQ(LevelProgress.career.levelUnlocked[0], 1);

    SpellTable[SPELL_LIGHTNING].usesLeft = 7;
    const uint32_t oldHero = WellKnownIds[SLOT_HERO];
    LevelProgress.levelFinished = 1;
    advance();
    EXPECT_EQ(AppState.screenState, STATE_GAME);
    EXPECT_EQ(LevelProgress.levelNumber, 5);
    EXPECT_EQ(LevelProgress.levelFinished, 0u);
    EXPECT_NE(WellKnownIds[SLOT_HERO], oldHero);
    EXPECT_EQ(SpellTable[SPELL_LIGHTNING].usesLeft, 7);
    // The story gets its line breaks.
    LevelProgress.levelFinished = 1;
    advance();
    EXPECT_EQ(AppState.screenState, STATE_STORY);
    EXPECT_EQ(LevelProgress.levelNumber, 6);
    EXPECT_STREQ(LevelProgress.script.storyText, "First sentence.\r\nSecond sentence.");

    // next_level 1000 ends the run at the title and 500 at the ending, though the next level is there.
    for (auto [next, state] : {std::pair{1000, STATE_TITLE}, std::pair{500, STATE_ENDING}}) {
        level(3, playable("next_level|" + std::to_string(next) + "\n"));
        start_level_directly(3);
        ASSERT_EQ(AppState.screenState, STATE_GAME);
        LevelProgress.levelFinished = 1;
        advance();
        EXPECT_EQ(AppState.screenState, state) << next;
        EXPECT_EQ(GameList.count(), 0);
    }

    // A chain that leads nowhere ends the program, as a missing script does
    // (AppRun.ALevelWithoutItsScriptIsReportedOnceAndTheGameEnds).
    level(9, "background_graphic|\nnext_level|9\n");
    start_level_directly(9);
    Message m;
    bool quit = false;
    while (!quit && events_peek()) quit = !events_get(&m);  // the quit message reads as false
    EXPECT_TRUE(quit);
}

TEST_F(GameScreenTest, PauseHoldsTheLevelButSpellsCanStillBeChosenAndQuitLeavesAtOnce)
{
    level(3, playable(""));
    ASSERT_TRUE(load_level(3));
    reset_spell_table();
    SpellTable[SPELL_LIGHTNING].usesLeft = 4;
    start_level(3);
    advance(40);  // the spell icons grow in
    ASSERT_NE(current_hero(), nullptr);
    auto* pause = dynamic_cast<CImageButton*>(GameList.find_thing(WellKnownIds[SLOT_PAUSE_BUTTON]));
    ASSERT_NE(pause, nullptr);

    tap(130, 305);
    EXPECT_EQ(LevelProgress.paused, 1);
    EXPECT_EQ(pause->tintRed, 10.0f);

    // Buttons do nothing while the frame goes on; that she holds still is checked by
    // HeroTest.WhilePausedSheHoldsStillButTheViewStillFollows.
    press(BTN_B);
    EXPECT_NE(current_hero()->state, HERO_STRIKING);

    // A spell icon still answers.
    ASSERT_EQ(SelectedSpell, SPELL_FIREBALL);
    tap(20 + 52 * 2 + 19, 5 + 17);
    EXPECT_EQ(SelectedSpell, SPELL_LIGHTNING);
    EXPECT_EQ(LevelProgress.paused, 1);

    tap(130, 305);
    EXPECT_EQ(LevelProgress.paused, 0);
    EXPECT_EQ(pause->tintRed, 0.0f);
    press(BTN_B);
    EXPECT_EQ(current_hero()->state, HERO_STRIKING);

    tap(200, 305);  // the quit button: straight to the title
    EXPECT_EQ(AppState.screenState, STATE_TITLE);
    EXPECT_EQ(GameList.count(), 0);
    EXPECT_EQ(current_hero(), nullptr);
}

TEST_F(GameScreenTest, ALevelStartOnTheVirtualClockKeepsFrameScaleAtTheStep)
{
    // Frames before the level, 40 ms each on the virtual clock, until the smoothed frame length has settled
    // there (it carries over from an earlier test in the same process).
    for (int i = 0; i < 5 || (i < 1000 && std::abs(AppState.frameScale - 4.0) > 1e-9); i++) {
        clock_begin_frame();
        AppState.frameTime = sys_tick_count();
        present();
    }
    ASSERT_NEAR(AppState.frameScale, 4.0, 1e-9);

    // The indicator presents at every strip the level loads (the main enemy's), all inside the one frame
    // that starts it.
    ASSERT_TRUE(write_strip(dir, "graphics/misc/loading_", 64, 4, 4));
    Loader.initialise(100, 100, "graphics\\misc\\loading_");
    ASSERT_TRUE(write_kind_strips(dir, *MonsterKinds.find_kind(100), 2, 2, 4, 4));
    level(2, playable("", 100));
    clock_begin_frame();
    AppState.frameTime = sys_tick_count();
    start_level_directly(2);
    ASSERT_EQ(AppState.screenState, STATE_GAME);
    ASSERT_GT(Loader.sprite->frame, 10) << "the indicator should have presented as the strips loaded";
    EXPECT_NEAR(AppState.frameScale, 4.0, 1e-9);
    for (int frame = 1; frame <= 80; frame++) {
        advance();
        ASSERT_NEAR(AppState.frameScale, 4.0, 1e-9) << "frame " << frame << " after the start";
    }
}

TEST_F(GameScreenTest, TheLevelsAmbientSoundsPlayOnceTheLevelIsBuilt)
{
    // The ambient lines are read by the sprite scanner, after the ambient-sound thing is made.
    level(3, playable("set_ambient_sound1|sounds\\birds.wav\n"
                      "set_ambient_sound2|sounds\\wind.wav\n"
                      "ambient_sound_activate|400|401\n"));
    LogCapture log;
    start_level_directly(3);
    ASSERT_EQ(AppState.screenState, STATE_GAME);
    const std::string birds = "Can't find sound file " + dir.path() + "sounds\\birds.wav.";
    const std::string wind = "Can't find sound file " + dir.path() + "sounds\\wind.wav.";
    advance(10);  // 360 ms after the first frame: not yet
    EXPECT_FALSE(log.contains(birds) || log.contains(wind));
    advance(1);
    EXPECT_TRUE(log.contains(birds) || log.contains(wind));
    advance(200);  // one or the other every 400 ms
    EXPECT_TRUE(log.contains(birds));
    EXPECT_TRUE(log.contains(wind));
}

// Where the message panel's text stands on screen: how many of its pixels show, how many of those are not
// as written (something drawn over them), and its top row.
struct TextOnScreen {
    int shown = 0, covered = 0, top = 320;
};
TextOnScreen text_on_screen(const CMessageLine& line)
{
    constexpr uint16_t kPanel = 10565;
    TextOnScreen t;
    for (int r = 0; r < line.height; r++)
        for (int c = 0; c + line.x < 240; c++) {
            const uint16_t p = line.picture[r * line.width + c];
            const int y = line.y + r;
            if (p == kPanel || y < 0 || y >= 320) continue;
            t.shown++;
            t.covered += AppState.backBuffer[y * 240 + line.x + c] != p;
            t.top = std::min(t.top, y);
        }
    return t;
}

// The lowest screen row that the spell bar's border, icons and counts draw in, drawn alone.
int lowest_bar_row(const CSpellBar& bar)
{
    std::vector<uint16_t> alone(240 * 320, 0x1234);
    uint16_t* const target = std::exchange(g_drawTarget, alone.data());
    std::vector<uint32_t> ids{bar.borderId};
    for (int s = SPELL_FIREBALL; s <= SPELL_INCINERATE; s++) {
        ids.push_back(LevelProgress.spellIconIds[s]);
        ids.push_back(bar.labelIds[s]);
    }
    for (uint32_t id : ids)
        if (CThing* t = GameList.find_thing(id); t) t->draw();
        else ADD_FAILURE() << "no spell bar part " << id;
    g_drawTarget = target;
    for (int y = 319; y >= 0; y--)
        if (std::any_of(&alone[size_t(y) * 240], &alone[size_t(y) * 240 + 240], [](uint16_t p) { return p != 0x1234; }))
            return y;
    return -1;
}

// On its way down and back up the panel's text crosses the icons and their counts: it is drawn above them
// there, and goes below the bar only where it rests, clear of it.
TEST_F(GameScreenTest, AMessageSlidesAboveTheSpellIconsAndTheirCountsAndRestsClearOfThem)
{
    // The game's own pictures and font: level 1 with every spell on the bar, counts of three digits.
    if (!path_exists(std::string(VORLAINE_GAME_DIR) + "/logic/levels/level1.txt"))
        GTEST_SKIP() << "no generated content in " << VORLAINE_GAME_DIR;
    ASSERT_TRUE(copy_game_folder(dir.path()));
    ASSERT_TRUE(load_level(1));
    reset_spell_table();
    for (int32_t s = SPELL_FIREBALL; s <= SPELL_INCINERATE; s++) SpellTable[s].usesLeft = 100 + s;
    start_level(1);
    auto* line = dynamic_cast<CMessageLine*>(GameList.find_thing(WellKnownIds[SLOT_MESSAGE_LINE]));
    auto* bar = dynamic_cast<CSpellBar*>(GameList.find_thing(LevelProgress.spellBarId));
    ASSERT_TRUE(line && bar);
    const std::vector<std::string> texts = {"Found Lightning. (10 uses)", "Found Super fireball. (5 uses)",
                                            "The time gate has appeared", LevelProgress.script.introText};
    int crossing = 0;
    for (size_t i = 0; i < texts.size(); i++) {
        SCOPED_TRACE(texts[i]);
        const uint32_t ms = 2000 + uint32_t(i);  // tells this message's hold from the one before
        show_message(texts[i].c_str(), ms);
        if (i > 0) {
            // The one held is pushed out at once, long before its time; this one waits its turn.
            EXPECT_EQ(line->phase, MESSAGE_SLIDING_OUT);
            EXPECT_TRUE(line->pending);
            EXPECT_STREQ(line->pendingText, texts[i].c_str());
        }
        for (int f = 0; f < 200 && !(line->phase == MESSAGE_HOLDING && line->holdTime == ms); f++) {
            advance();
            if (!line->sliding || line->phase == MESSAGE_HOLDING) continue;
            const TextOnScreen t = text_on_screen(*line);
            // The counts stand at rows 39 to 65: frames where the text passes them are the ones that matter.
            if (t.shown > 0 && line->y + 5 < 66) crossing++;
            EXPECT_EQ(t.covered, 0) << "y " << line->y << ", phase " << line->phase;
        }
        ASSERT_EQ(line->phase, MESSAGE_HOLDING);
        ASSERT_EQ(line->y, 53);
        // Every pixel of the text is on screen as written, and nothing of the spell bar lies in its rows.
        const TextOnScreen t = text_on_screen(*line);
        EXPECT_EQ(t.covered, 0);
        EXPECT_GT(t.shown, 100);
        const int barBottom = lowest_bar_row(*bar);
        EXPECT_GT(barBottom, 30);
        EXPECT_LT(barBottom, t.top);
    }
    EXPECT_GT(crossing, 5);
}

}  // namespace
