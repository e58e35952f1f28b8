// The loading indicator over the headless display, and a level's hard boxes and scenery built from its
// script into the game list and drawn.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "app/app_state.h"
#include "game/level_progress.h"
#include "game/scene_sprite.h"
#include "game/thing_list.h"
#include "graphics/display.h"
#include "graphics/graphic_strip.h"
#include "graphics/playfield.h"
#include "level/level_scan.h"
#include "level/level_script.h"
#include "level/loader.h"
#include "level/scan_things.h"
#include "platform/platform.h"
#include "screens/game_screen.h"
#include "support/gfx_files.h"
#include "support/log_capture.h"
#include "support/scene_files.h"
#include "support/temp_folder.h"

namespace {

class LoaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PlatformConfig config;
        config.headless = true;
        config.fixedStepMs = 10;
        config.uncapped = true;
        ASSERT_TRUE(platform_init(config));
        ASSERT_TRUE(open_display());
        ASSERT_TRUE(create_buffers());
        dir.make_program_folder();
        AppState.frameTime = 1000;
        AppState.frameScale = 1.0;
    }
    void TearDown() override
    {
        GameList.clear();
        Playfield.clear_hard_boxes();
        Playfield.free_background();
        free_buffers();
        close_display();
        platform_shutdown();
    }
    // One game frame as the game screen draws it: background, things, present.
    void game_frame()
    {
        GameList.think_all();
        GameList.resort();
        Playfield.request_redraw(1);
        Playfield.update(AppState.backBuffer);
        GameList.draw_all();
        present();
    }
    // Level start's part of it: the script's background, limits, hard boxes and scenery.
    void build_level(int n)
    {
        ASSERT_TRUE(load_level(n));
        LevelScript& s = LevelProgress.script;
        ASSERT_TRUE(Playfield.load_background(s.backgroundName));
        Playfield.fieldStart = s.fieldStart;
        Playfield.fieldEnd = s.fieldEnd;
        Playfield.scaleMod = s.scaleMod;
        Playfield.set_playfield_rect(s.playfieldRect);
        ASSERT_TRUE(scan_hard_boxes(s));
        ASSERT_TRUE(scan_sprites(s, GameList));
    }
    uint16_t back(int x, int y) const { return AppState.backBuffer[y * 240 + x]; }
    TempFolder dir;
    LogCapture log;
};

const char* kLevel =
    "; a test level\r\n"
    "background_graphic|graphics\\backgrounds\\seam.tga\r\n"
    "rect_playfield|0|90|640|235\r\n"
    "set_field_start|150\r\n"
    "set_field_end|5\r\n"
    "set_scale_mod|0.8\r\n"
    "add_hardbox|100|100|200|200|0\r\n"
    "add_hardbox|150|150|160|160|1\r\n"
    "sprite_clear\r\n"
    "filename|graphics\\scenery\\tree.tga\r\n"
    "cordinates|632|200\r\n"
    "orientation|down_middle\r\n"
    "sprite_create\r\n"
    "sprite_clear\r\n"
    "filename|graphics\\scenery\\torch_00\r\n"
    "animation_active|100\r\n"
    "cordinates|20|150\r\n"
    "orientation|centered\r\n"
    "set_sort|5000\r\n"
    "sprite_create\r\n"
    "kills_required_to_continue|4\r\n";

}  // namespace

// That the strips a level start loads move the indicator on is GameScreenTest's; here its edges.
TEST_F(LoaderTest, EveryStripLoadAdvancesAndPresentsTheIndicator)
{
    // Shown before it is initialised, it only complains.
    CLoader bare;
    bare.show(1);
    EXPECT_FALSE(bare.visible);
    EXPECT_TRUE(log.contains("ERROR:  loading graphic not initted, how are we gonna show it?"));
    bare.draw();

    ASSERT_TRUE(write_strip(dir, "graphics/misc/loading_", 3, 16, 16));
    Loader.initialise(100, 100, "graphics\\misc\\loading_");
    ASSERT_NE(Loader.sprite, nullptr);
    CGraphicStrip missing;
    missing.set_name("graphics\\misc\\missing_00");
    EXPECT_FALSE(missing.load());
    EXPECT_EQ(Loader.sprite->frame, 1);  // hidden, a load neither moves nor draws it
    EXPECT_EQ(back(100, 100), 0);

    Loader.show(1);
    Loader.draw();  // level start draws it once
    EXPECT_EQ(Loader.sprite->frame, 2);
    EXPECT_FALSE(missing.load());  // a failed load still moves it on
    EXPECT_EQ(Loader.sprite->frame, 3);
    EXPECT_EQ(back(100, 100), Loader.sprite->picture[5]);
    EXPECT_FALSE(missing.load());
    EXPECT_EQ(Loader.sprite->frame, 1);  // round to the first frame
}

TEST_F(LoaderTest, ALevelsHardBoxesAndSceneryAreBuiltFromItsScriptAndDrawn)
{
    ASSERT_TRUE(write_bytes(dir.file("graphics/backgrounds/seam.tga"), make_flat_tga(640, 240, 40, 120, 60)));
    ASSERT_TRUE(write_bytes(dir.file("graphics/scenery/tree.tga"), make_keyed_tga(24, 60, 250, 220, 0)));
    ASSERT_TRUE(write_strip(dir, "graphics/scenery/torch_00", 3, 10, 20));
    ASSERT_TRUE(write_text(dir.file("logic/levels/level1.txt"), kLevel));

    ASSERT_NO_FATAL_FAILURE(build_level(1));

    // Both hard boxes are in (which of them decides is PlayfieldTest's).
    EXPECT_EQ(Playfield.hardBoxCount, 2);
    EXPECT_FALSE(Playfield.is_walkable(120, 150));

    // The scenery: playfield things with the script's anchors and sort keys.
    ASSERT_EQ(GameList.count(), 2);
    GameList.resort();
    auto* tree = dynamic_cast<CSceneSprite*>(GameList.first_thing());
    auto* torch = dynamic_cast<CSceneSprite*>(GameList.next_thing());
    ASSERT_TRUE(tree && torch);
    EXPECT_EQ(tree->x, 632);
    EXPECT_EQ(tree->anchorMode, ANCHOR_FEET);
    EXPECT_EQ(tree->screenSpace, 0);
    EXPECT_EQ(tree->sortKey, 200 + 60);
    EXPECT_EQ(torch->anchorMode, ANCHOR_CENTRE);
    EXPECT_EQ(torch->sortKey, 5000);
    EXPECT_TRUE(torch->animating);
    EXPECT_EQ(torch->frameDelay, 100u);

    // Drawn with the view at 500, where the background's seam falls at column 140 (drawing across it is
    // VisualPlacement's), the tree is there by its feet and the torch animates as the frames go by.
    Playfield.set_view(500.0f, Playfield.viewY);
    game_frame();
    EXPECT_EQ(back(632 - 500, int(200 - Playfield.viewY) - 5), rgb565(250, 220, 0));
    EXPECT_EQ(strip_frame_of(torch->picture), 1);
    AppState.frameTime += 100;
    game_frame();
    EXPECT_EQ(strip_frame_of(torch->picture), 2);
    EXPECT_EQ(back(140 + 20, int(150 - Playfield.viewY)), torch->picture[10 * 10 + 5]);
}
