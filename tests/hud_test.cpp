// The HUD on real files: the message line's slide and hold, the meter, the spell bar, and the game-wide services.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "app/app_state.h"
#include "game/ambient_sound.h"
#include "game/game_services.h"
#include "game/level_progress.h"
#include "game/message_line.h"
#include "game/meter.h"
#include "game/scene_sprite.h"
#include "game/spell_bar.h"
#include "game/spell_table.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "sound/mixer.h"
#include "sound/wave_out_manual.h"
#include "support/monster_files.h"
#include "support/scene_files.h"
#include "support/sound_files.h"
#include "support/temp_folder.h"
#include "util/strings.h"

namespace {

constexpr uint16_t kFloor = 0x1111;
constexpr uint16_t kPanel = 10565;

class HudTest : public ::testing::Test {
protected:
    void SetUp() override { start_test_level(dir, list, 1); }
    void TearDown() override { AppState.currentGameList = nullptr; }
    // One game frame at the given clock: think, resort, draw.
    void frame_at(uint32_t ms)
    {
        AppState.frameTime = ms;
        list.think_all();
        list.resort();
        screen.clear();
        list.draw_all();
    }
    // Frames 10 ms apart from *t while the line slides in that phase; how many (at most 100).
    int frames_in_phase(const CMessageLine* line, int phase, uint32_t* t)
    {
        int frames = 0;
        for (; line->sliding && line->phase == phase && frames < 100; frames++) frame_at(*t += 10);
        return frames;
    }
    TempFolder dir;
    CThingList list;
    TestScreen screen{kFloor};
};

}  // namespace

// A second message pushing out the held one is the game screen's
// (GameScreenTest.AMessageSlidesAboveTheSpellIconsAndTheirCountsAndRestsClearOfThem).
TEST_F(HudTest, MessageGoesOnlyToTheLineInItsSlotAndHoldsExactlyItsTimeOnceSlidIn)
{
    show_message("nobody", 100);  // no message line in the slot yet
    CMessageLine* line = add_test_message_line(list);
    // Nor does a message reach it without the game list, or through a stale id.
    AppState.currentGameList = nullptr;
    show_message("no list", 100);
    AppState.currentGameList = &list;
    WellKnownIds[SLOT_MESSAGE_LINE] = 999;
    show_message("stale", 100);
    EXPECT_FALSE(line->sliding);
    WellKnownIds[SLOT_MESSAGE_LINE] = line->id;

    AppState.frameScale = 10.0;  // 13.65 pixels a frame
    show_message("Meadowbrook. The dead are rising from the fields. Strike with B, cast with A.", 2000);
    ASSERT_TRUE(line->sliding);
    uint32_t t = 1000;
    EXPECT_EQ(frames_in_phase(line, MESSAGE_SLIDING_IN, &t), 7);  // 93 pixels from -40 to 53
    const uint32_t arrived = t;
    EXPECT_EQ(line->y, 53);
    // The panel is shown opaque from x 5, text over it.
    EXPECT_EQ(screen.at(100, 53), kPanel);
    EXPECT_EQ(screen.at(4, 60), kFloor);
    EXPECT_EQ(screen.at(239, 112), kPanel);
    EXPECT_EQ(screen.at(239, 113), kFloor);
    // The text wraps short of the screen's right edge, where the panel runs off it.
    for (int y = 53; y < 113; y++)
        for (int x = 236; x < 240; x++) ASSERT_EQ(screen.at(x, y), kPanel) << x << "," << y;

    frame_at(arrived + 1999);
    EXPECT_EQ(line->phase, MESSAGE_HOLDING);
    EXPECT_EQ(line->y, 53);
    frame_at(arrived + 2000);
    EXPECT_EQ(line->phase, MESSAGE_SLIDING_OUT);
    t = arrived + 2000;
    EXPECT_EQ(frames_in_phase(line, MESSAGE_SLIDING_OUT, &t), 7);
    EXPECT_FALSE(line->sliding);
    EXPECT_EQ(line->y, -40);
    // Between messages nothing of the panel stays on screen.
    EXPECT_EQ(screen.drawn_in_row(0), 0);
}

TEST_F(HudTest, MeterShowsItsShareOfTheBarAndWithoutOneCarriesOn)
{
    ASSERT_TRUE(write_bytes(dir.file("graphics/misc/time_meter.tga"), make_keyed_tga(100, 10, 220, 30, 30)));
    auto* meter = new CMeter;
    list.add_thing(meter);
    ASSERT_TRUE(meter->create(&list, "", "graphics\\misc\\time_meter.tga", 3, 307));
    meter->set_range(0.0f, 75.0f);
    meter->set_value(30.0f);
    frame_at(1010);
    EXPECT_EQ(screen.drawn_in_row(310), 40);
    EXPECT_NE(screen.at(3, 310), kFloor);

    // Above the range the bar is full, never wider; below it empty.
    meter->set_value(90.0f);
    frame_at(1020);
    EXPECT_EQ(screen.drawn_in_row(310), 100);
    meter->set_value(-5.0f);
    frame_at(1030);
    EXPECT_EQ(screen.drawn_in_row(310), 0);

    // With a rate the bar closes the gap a share at a time.
    meter->set_rate(0.1f);
    AppState.frameScale = 2.0;
    meter->set_value(75.0f);
    EXPECT_NEAR(meter->displayed, 0.2f, 1e-5f);
    AppState.frameScale = 50.0;  // a stall closes the gap without overshooting
    meter->set_value(75.0f);
    EXPECT_FLOAT_EQ(meter->displayed, 1.0f);

    // The tint reaches both pictures as drawn offsets.
    meter->set_rate(0.0f);
    meter->set_tint(-31.0f, -63.0f, -31.0f);
    frame_at(1040);
    EXPECT_EQ(screen.at(50, 310), 0);

    // Without its bar picture a meter reports, stays in the list and draws nothing.
    auto* bare = new CMeter;
    const int before = list.count();
    list.add_thing(bare);
    EXPECT_FALSE(bare->create(&list, "", "graphics\\misc\\missing.tga", 3, 307));
    EXPECT_EQ(list.count(), before + 1);
    bare->set_value(10.0f);  // logs, changes nothing
    meter->set_value(0.0f);
    frame_at(1050);
    EXPECT_EQ(screen.drawn_in_row(310), 0);
}

TEST_F(HudTest, SpellBarShowsOwnedSpellsSelectsAndDrops)
{
    for (const char* icon : {"icon_fire", "icon_big_fire", "icon_lightning", "icon_abomb"})
        ASSERT_TRUE(write_strip(dir, std::string("graphics/misc/") + icon, 2, 30, 30));
    ASSERT_TRUE(write_bytes(dir.file("graphics/misc/icon_border.tga"), make_keyed_tga(38, 38, 255, 255, 0)));
    reset_spell_table();
    SpellTable[SPELL_LIGHTNING].usesLeft = 3;
    auto* bar = new CSpellBar;
    list.add_thing(bar);
    bar->init();
    EXPECT_NE(LevelProgress.spellIconIds[SPELL_FIREBALL], 0u);
    EXPECT_EQ(LevelProgress.spellIconIds[SPELL_SUPER_FIREBALL], 0u);
    EXPECT_NE(LevelProgress.spellIconIds[SPELL_LIGHTNING], 0u);
    auto sprite = [&](uint32_t id) { return static_cast<CSceneSprite*>(list.find_thing(id)); };
    CSceneSprite* border = sprite(bar->borderId);
    ASSERT_NE(border, nullptr);
    EXPECT_TRUE(border->visible);
    EXPECT_EQ(border->x, 20);  // framing the selected fireball
    CSceneSprite* fire = sprite(LevelProgress.spellIconIds[SPELL_FIREBALL]);
    EXPECT_FLOAT_EQ(fire->scaleFactor, 0.01f);
    for (int i = 0; i < 30; i++) frame_at(1010 + 10 * uint32_t(i));
    EXPECT_FLOAT_EQ(fire->scaleFactor, 1.0f);
    // A tap anywhere on an icon reaches it, its transparent corner too (the game screen matches the id
    // against the icon ids); the corner is not drawn.
    EXPECT_EQ(list.thing_at_point(20 + 19, 5 + 17, 0, 0), LevelProgress.spellIconIds[SPELL_FIREBALL]);
    EXPECT_EQ(list.thing_at_point(20 + 19 - 15, 5 + 17 - 15, 0, 0), LevelProgress.spellIconIds[SPELL_FIREBALL]);
    border->visible = 0;
    frame_at(1400);
    EXPECT_EQ(screen.at(20 + 19 - 15, 5 + 17 - 15), kFloor);
    EXPECT_NE(screen.at(20 + 19 - 14, 5 + 17 - 15), kFloor);
    border->visible = 1;

    // Each owned spell has its count under its icon, white strokes on transparent black.
    CSceneSprite* label = sprite(bar->labelIds[SPELL_LIGHTNING]);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->x, 20 + 104 + 19);
    EXPECT_EQ(label->y, 5 + 47);
    int white = 0;
    for (int i = 0; i < 32 * 26; i++) white += label->picture[i] == 0xFFFF;
    EXPECT_GT(white, 5);

    bar->select(SPELL_LIGHTNING);
    EXPECT_EQ(SelectedSpell, SPELL_LIGHTNING);
    EXPECT_EQ(border->x, 20 + 104);
    // Selecting a spell that has no icon yet makes one.
    bar->select(SPELL_SUPER_FIREBALL);
    EXPECT_NE(LevelProgress.spellIconIds[SPELL_SUPER_FIREBALL], 0u);

    // Lightning runs out: the lowest owned spell is framed. The last one takes the border, and the icons and
    // counts shrink away until only the bar and its hidden border are left.
    bar->select(SPELL_LIGHTNING);
    SpellTable[SPELL_LIGHTNING].usesLeft = 0;
    bar->drop_selected();
    EXPECT_EQ(border->x, 20);
    SpellTable[SPELL_FIREBALL].usesLeft = 0;
    bar->drop_selected();
    EXPECT_EQ(SelectedSpell, SPELL_NONE);
    EXPECT_FALSE(border->visible);
    SpellTable[SPELL_SUPER_FIREBALL].usesLeft = 0;
    bar->select(SPELL_SUPER_FIREBALL);
    bar->drop_selected();
    for (int i = 0; i < 40; i++) frame_at(2000 + 10 * uint32_t(i));
    EXPECT_EQ(list.count(), 2);
}

TEST_F(HudTest, AmbientSoundPlaysOnItsDelayAndKeepsQuietWhileMuted)
{
    CManualWaveOut device;
    wave_out_select(&device);
    ASSERT_TRUE(write_bytes(dir.file("sounds/wind.wav"), wave_u8(1, std::vector<uint8_t>(200, 140))));
    mute_ambient(100);  // nothing in the slot yet, then something else: neither is taken for the ambient sound
    WellKnownIds[SLOT_AMBIENT_SOUND] = add_test_message_line(list)->id;
    mute_ambient(100);
    // Made as a level start makes it, before the sprite scanner has read the ambient lines.
    auto* ambient = new CAmbientSound;
    WellKnownIds[SLOT_AMBIENT_SOUND] = list.add_thing(ambient);
    LevelScript& s = LevelProgress.script;
    copy_text(s.ambientSound1, sizeof s.ambientSound1, "sounds\\wind.wav");
    s.ambientSound2[0] = '\0';
    s.ambientMin = 500;
    s.ambientMax = 500;  // equal bounds: exactly 500
    s.ambientOn = 1;

    frame_at(1000);  // the level's first frame: the delay starts
    frame_at(1499);
    EXPECT_EQ(mixer_playing_channels(), 0);
    frame_at(1500);
    EXPECT_EQ(mixer_playing_channels(), 1);
    mixer_shutdown();

    mute_ambient(3000);  // from 1500 to 4500
    for (uint32_t t = 1600; t < 4500; t += 100) frame_at(t);
    EXPECT_EQ(mixer_playing_channels(), 0);
    frame_at(4500);
    EXPECT_EQ(mixer_playing_channels(), 1);
    mixer_shutdown();

    s.ambientOn = 0;  // a level without ambient sounds never plays them
    for (uint32_t t = 5000; t < 9000; t += 100) frame_at(t);
    EXPECT_EQ(mixer_playing_channels(), 0);
    mixer_shutdown();
    wave_out_select(nullptr);
}
