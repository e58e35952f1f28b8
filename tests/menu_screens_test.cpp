// The menu screens in process over the headless display and a copy of the generated program folder:
// the click protocol, the level select's locks, the volume dots, the difficulty, the story's rise and the ending.
#include <gtest/gtest.h>
#include <cstring>
#include <filesystem>
#include <string>
#include "app/app.h"
#include "app/app_state.h"
#include "app/input.h"
#include "app/menu_click.h"
#include "game/image_button.h"
#include "game/level_progress.h"
#include "game/scene_sprite.h"
#include "game/slider.h"
#include "game/spell_table.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "graphics/display.h"
#include "level/career.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "screens/decompress.h"
#include "screens/ending_screen.h"
#include "screens/game_screen.h"
#include "screens/screens.h"
#include "sound/mixer.h"
#include "sound/sound_table.h"
#include "sound/wave.h"
#include "sound/wave_out_manual.h"
#include "support/log_capture.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

// From game/hero.h, whose animation modes clash with the scene sprite's in one translation unit.
void name_hero_strips();

namespace {

constexpr int kStepMs = 40;

class MenuScreens : public ::testing::Test {
protected:
    void SetUp() override { start(false); }
    void start(bool answerYes)
    {
        PlatformConfig config;
        config.headless = true;
        config.fixedStepMs = kStepMs;
        config.uncapped = true;
        config.answerYes = answerYes;
        ASSERT_TRUE(platform_init(config));
        ASSERT_TRUE(open_display());
        ASSERT_TRUE(create_buffers());
        wave_out_select(&device);
        ASSERT_TRUE(copy_game_folder(dir.path()));
        dir.make_program_folder();
        AppState.frameScale = kStepMs / 10.0;
        name_hero_strips();
    }
    void TearDown() override
    {
        MenuList.clear();
        GameList.clear();
        mixer_shutdown();
        wave_out_select(nullptr);
        free_buffers();
        close_display();
        platform_shutdown();
    }
    void frames(int n)
    {
        for (int i = 0; i < n; i++) {
            clock_begin_frame();
            run_frame();
        }
    }
    // A stylus tap as the window procedure delivers it: down before a frame, up after it.
    void tap(int x, int y)
    {
        g_input.on_stylus_down(pack_point(x, y));
        frames(1);
        g_input.on_stylus_up();
    }
    // Taps the centre of a menu thing.
    void tap_thing(uint32_t id)
    {
        auto* v = dynamic_cast<CVisual*>(MenuList.find_thing(id));
        ASSERT_NE(v, nullptr);
        tap(v->draw_left() + v->width / 2, v->draw_top() + v->height / 2);
    }
    // The highest lit dot of the volume slider when exactly the dots up to it are lit; -2 otherwise.
    int top_lit_dot()
    {
        auto* slider = dynamic_cast<CSlider*>(MenuList.find_thing(WellKnownIds[MENU_SLOT_OPTIONS]));
        int top = -1;
        for (int d = 0; slider && d < slider->count; d++) {
            auto* dot = dynamic_cast<CImageButton*>(MenuList.find_thing(slider->buttons[d]));
            if (!dot || (dot->showingAlternate && top != d - 1)) return -2;
            if (dot->showingAlternate) top = d;
        }
        return slider ? top : -2;
    }
    // The level select's buttons: how many levels are shown open, and how many locked (disabled, no click).
    std::pair<int, int> levels_open()
    {
        int shown = 0, locked = 0;
        for (CThing* t = MenuList.first_thing(); t; t = MenuList.next_thing())
            if (auto* b = dynamic_cast<CImageButton*>(t); b && b->value != 0) {
                shown += b->showingAlternate && !b->disabled;
                locked += b->disabled && b->noClickFlag && !b->showingAlternate;
            }
        return {shown, locked};
    }
    uint32_t level_button(int n)
    {
        for (CThing* t = MenuList.first_thing(); t; t = MenuList.next_thing())
            if (auto* b = dynamic_cast<CImageButton*>(t); b && b->value == n) return b->id;
        return kNoThing;
    }
    void unlock_levels(int count)
    {
        CareerRecord record;
        set_career_defaults(record);
        for (int n = 0; n < 12; n++) record.levelUnlocked[n] = n < count;
        ASSERT_TRUE(save_career(record));
    }
    TempFolder dir;
    LogCapture log{dir.file("test.log")};
    CManualWaveOut device;
};

// A tap beside every button, or on a locked level, is logged and does nothing; a button's click waits 200 ms,
// and inside the delay no other button is even looked at.
TEST_F(MenuScreens, AClickWaitsTwoHundredMillisecondsAndTheLevelSelectOpensOnlyUnlockedLevels)
{
    enter_title();
    const uint32_t play = WellKnownIds[MENU_SLOT_GO];
    tap(20, 20);
    EXPECT_EQ(log.count("Clicked!"), 1);
    EXPECT_EQ(PendingButton, kNoPending);
    EXPECT_TRUE(!wave_click || !wave_click->is_playing());

    tap_thing(play);
    EXPECT_EQ(PendingButton, play);
    ASSERT_TRUE(wave_click);
    EXPECT_TRUE(wave_click->is_playing());
    auto* button = dynamic_cast<CImageButton*>(MenuList.find_thing(play));
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->showingAlternate);
    tap_thing(WellKnownIds[MENU_SLOT_OPTIONS]);
    EXPECT_EQ(PendingButton, play);
    EXPECT_EQ(log.count("Clicked!"), 2);
    frames(3);  // 160 ms after the tap
    EXPECT_EQ(AppState.screenState, STATE_TITLE);
    frames(1);  // 200 ms
    EXPECT_EQ(AppState.screenState, STATE_LEVEL_SELECT);
    EXPECT_EQ(PendingButton, kNoPending);

    // Without a career only level 1 is open, and none is written; back returns to the title.
    EXPECT_EQ(levels_open(), std::make_pair(1, 11));
    EXPECT_FALSE(path_exists(dir.file("career.dat")));
    tap_thing(WellKnownIds[MENU_SLOT_BACK]);
    frames(5);
    EXPECT_EQ(AppState.screenState, STATE_TITLE);

    unlock_levels(3);
    MenuList.clear();
    enter_level_select();
    EXPECT_EQ(levels_open(), std::make_pair(3, 9));
    wave_click->stop();  // the back button's click
    // A locked level and the gap between two rows: no click, nothing pending.
    tap_thing(level_button(4));
    tap(120, 133);
    EXPECT_EQ(PendingButton, kNoPending);
    EXPECT_TRUE(!wave_click || !wave_click->is_playing());
    // The chosen level lights up and opens with its story; the spells start afresh.
    SpellTable[SPELL_LIGHTNING].usesLeft = 7;
    tap_thing(level_button(3));
    auto* b = dynamic_cast<CVisual*>(MenuList.find_thing(level_button(3)));
    EXPECT_EQ(b->tintRed, 15.0f);
    EXPECT_EQ(b->tintGreen, 15.0f);
    EXPECT_EQ(b->tintBlue, 0.0f);
    frames(5);
    EXPECT_EQ(AppState.screenState, STATE_STORY);
    EXPECT_EQ(LevelProgress.levelNumber, 3);
    EXPECT_EQ(SpellTable[SPELL_LIGHTNING].usesLeft, 0);
}

// The device volume word as the options screen finds it, and the highest dot that must be lit. (The five
// volumes each dot sets, and how they show: MenusRun.EveryChosenVolumeShowsOnItsDotAfterARestart.)
TEST_F(MenuScreens, TheVolumeShowsAsTheDotNearestTheDevicesLeftChannel)
{
    const struct {
        uint32_t word;
        int topDot;
    } cases[] = {
        // Set elsewhere: the left channel (low half) counts, shown as its nearest dot.
        {0x0000FFFFu, 4}, {0xFFFF0000u, 0}, {0x00009C40u, 2}, {0x0000A000u, 3},
    };
    for (const auto& c : cases) {
        AppState.volume = int32_t(c.word);
        enter_options();
        EXPECT_EQ(top_lit_dot(), c.topDot) << std::hex << c.word;
        EXPECT_EQ(AppState.volume, int32_t(c.word));  // showing it changes nothing
        MenuList.clear();
    }
}

TEST_F(MenuScreens, DifficultyRefusedKeepsTheCareerAndStillWritesIt)
{
    unlock_levels(4);
    const auto before = read_bytes(dir.file("career.dat"));
    enter_options();
    tap(120, 228);  // NORMAL, already chosen: nothing asked, nothing written
    frames(6);
    EXPECT_EQ(log.count_starting("Message box"), 0);
    EXPECT_EQ(read_bytes(dir.file("career.dat")), before);
    tap(185, 228);  // HARD
    frames(6);
    // A warning, with the exclamation icon.
    EXPECT_EQ(log.count_starting("Message box \"Difficulty Setting Change\" (warning): Warning: Changing difficulty "
                                 "mode will reset your saved progress.  Are you sure? -> No"),
              1);
    EXPECT_TRUE(log.contains("Successfully added career."));
    CareerRecord r;
    ASSERT_TRUE(load_career(r));
    EXPECT_EQ(r.difficulty, DIFFICULTY_NORMAL);
    for (int n = 1; n <= 4; n++) EXPECT_TRUE(level_unlocked(r, n));
    // The stored difficulty stays the pressed one.
    int pressed = 0;
    for (CThing* t = MenuList.first_thing(); t; t = MenuList.next_thing())
        if (auto* b = dynamic_cast<CImageButton*>(t); b && b->showingAlternate)
            for (const char* d : {"options_easy", "options_NORMAL", "options_HARD"})
                if (std::strstr(b->normalFile, d)) pressed += std::strstr(d, "NORMAL") ? 1 : 100;
    EXPECT_EQ(pressed, 1);
}

class MenuScreensAnswerYes : public MenuScreens {
protected:
    void SetUp() override { start(true); }
};

TEST_F(MenuScreensAnswerYes, DifficultyConfirmedClearsTheLevelsAndWritesTheFile)
{
    unlock_levels(6);
    enter_options();
    tap(55, 228);  // easy
    frames(6);
    CareerRecord r;
    ASSERT_TRUE(load_career(r));
    EXPECT_EQ(r.difficulty, DIFFICULTY_EASY);
    for (int n = 1; n <= 12; n++) EXPECT_FALSE(level_unlocked(r, n)) << n;
    EXPECT_EQ(read_bytes(dir.file("career.dat")).size(), 64u);
    // The level select still opens level 1 by itself.
    tap(42, 297);
    frames(6);
    ASSERT_EQ(AppState.screenState, STATE_TITLE);
    MenuList.clear();
    enter_level_select();
    EXPECT_TRUE(level_unlocked(LevelProgress.career, 1));
    EXPECT_FALSE(level_unlocked(LevelProgress.career, 2));
}

TEST_F(MenuScreens, StoryRisesAtItsSpeedStopsAndContinueStartsTheLevel)
{
    ASSERT_TRUE(load_level(1));
    ASSERT_TRUE(LevelProgress.script.hasStory);
    begin_loaded_level(1, 176, 297);
    ASSERT_EQ(AppState.screenState, STATE_STORY);
    ASSERT_TRUE(story_music.wave);
    EXPECT_TRUE(story_music.wave->is_playing());
    CSceneSprite* text = nullptr;
    for (CThing* t = MenuList.first_thing(); t; t = MenuList.next_thing())
        if (auto* s = dynamic_cast<CSceneSprite*>(t)) text = s;
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->y, 555);
    frames(100);  // 4 s: 0.11 x 4 per frame
    EXPECT_NEAR(555.0f - text->fy, 100 * 0.44f, 0.5f);
    frames(1500);  // well past 59 s
    EXPECT_NEAR(text->fy, -95.0f, 0.5f);
    const float stopped = text->fy;
    frames(50);
    EXPECT_EQ(text->fy, stopped);

    tap(120, 290);
    frames(5);
    EXPECT_EQ(AppState.screenState, STATE_GAME);
    EXPECT_FALSE(story_music.wave->is_playing());
    EXPECT_EQ(MenuList.count(), 0);
    leave_game();
}

TEST_F(MenuScreens, EndingStepsOnceASecondAndQuitReturnsToTheTitle)
{
    enter_ending();
    EXPECT_EQ(ending_step_count(), 1);
    ASSERT_TRUE(ending_music.wave);
    EXPECT_TRUE(ending_music.wave->is_playing());
    // The pictures and texts themselves, each once, are checked at its checkpoints by the ending replay.
    frames(46 * 1000 / kStepMs);
    // One step a second; after 41 the counter goes on without effect.
    EXPECT_EQ(ending_step_count(), 47);
    tap(212, 310);
    frames(4);
    EXPECT_EQ(AppState.screenState, STATE_ENDING);
    frames(1);
    EXPECT_EQ(AppState.screenState, STATE_TITLE);
    EXPECT_FALSE(ending_music.wave->is_playing());
}

TEST_F(MenuScreens, FirstStartUnpacksOnlyWhileTheGmeanArchiveIsThere)
{
    // Only gmean: the other three are reported and gmean is unpacked and deleted.
    for (const char* n : {"ant", "snow", "zombie"})
        fs::remove(dir.file(std::string("graphics/") + n + "/" + n + ".zip"));
    decompress_graphics();
    EXPECT_TRUE(log.contains("Decompressing graphics."));
    for (const char* n : {"ant", "snow", "zombie"})
        EXPECT_TRUE(log.contains(std::string("Can't unzip ") + dir.path() + "graphics\\" + n + "\\" + n + ".zip."))
            << n;
    EXPECT_FALSE(path_exists(dir.file("graphics/gmean/gmean.zip")));
    EXPECT_TRUE(path_exists(dir.file("graphics/gmean/gmean_die_6_0001.tga")));
    const std::string before = log.text();
    decompress_graphics();
    EXPECT_EQ(log.text(), before);
}

}  // namespace
