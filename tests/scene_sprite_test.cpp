// Scene sprites, picture buttons, the slider and smoke, on real TGA files in a temporary program folder.
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>
#include "app/app_state.h"
#include "game/image_button.h"
#include "game/level_progress.h"
#include "game/scene_sprite.h"
#include "game/slider.h"
#include "game/smoke.h"
#include "game/thing_list.h"
#include "graphics/graphic_strip.h"
#include "support/gfx_files.h"
#include "support/log_capture.h"
#include "support/scene_files.h"
#include "support/temp_folder.h"

namespace {

class SceneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.make_program_folder();
        AppState.frameTime = 1000;
        AppState.frameScale = 1.0;
        LevelProgress.paused = 0;
    }
    // One frame of the list at the given clock.
    void frame_at(uint32_t ms)
    {
        AppState.frameTime = ms;
        list.think_all();
        list.resort();
    }
    TempFolder dir;
    LogCapture log;
    CThingList list;
};

// The frame shown after each think, one think per frame delay.
std::vector<int> frames_seen(CSceneSprite& s, uint32_t delay, int thinks)
{
    std::vector<int> seen{strip_frame_of(s.picture)};
    for (int i = 1; i <= thinks; i++) {
        AppState.frameTime += delay;
        s.think();
        seen.push_back(s.visible ? strip_frame_of(s.picture) : 0);
    }
    return seen;
}

// The range a value goes through over some thinks, and how often the direction flag turned each way.
struct Sweep {
    float lo = 1e9f, hi = -1e9f;
    int turnsUp = 0, turnsDown = 0;
};
template <class Value>
Sweep sweep(CSceneSprite& s, int thinks, const uint8_t& up, Value value)
{
    Sweep w;
    for (uint8_t was = up; thinks-- > 0; was = up) {
        s.think();
        w.lo = std::min(w.lo, value());
        w.hi = std::max(w.hi, value());
        if (up != was) (up ? w.turnsUp : w.turnsDown)++;
    }
    return w;
}

}  // namespace

TEST_F(SceneTest, PlayOnceHidesAfterTheLastFrameThenTheEndModeRemovesItAndOthersLoopOrPingPong)
{
    ASSERT_TRUE(write_strip(dir, "graphics/misc/boom_00", 3, 8, 6));
    CGraphicStrip strip;
    strip.set_name("graphics\\misc\\boom_00");
    auto* s = new CSceneSprite;
    list.add_thing(s);
    ASSERT_TRUE(s->play_strip(&strip, 100));
    s->expire_after(1000);  // started at 1000: ends at 2000
    EXPECT_EQ(s->width, 8);
    EXPECT_EQ(s->height, 6);

    EXPECT_EQ(frames_seen(*s, 100, 5), (std::vector<int>{1, 2, 3, 0, 0, 0}));
    EXPECT_FALSE(s->animating);

    frame_at(1999);
    ASSERT_NE(list.find_thing(s->id), nullptr);
    frame_at(2000);
    EXPECT_EQ(list.count(), 0);
    // The borrowed strip outlives the sprite and keeps its frames.
    uint8_t flip = 0;
    EXPECT_EQ(strip_frame_of(strip.get_frame(2, &flip)), 2);

    // Strips of their own loop or ping-pong.
    ASSERT_TRUE(write_strip(dir, "graphics/misc/wave_00", 4, 5, 5));
    ASSERT_TRUE(write_strip(dir, "graphics/misc/one_00", 1, 5, 5));
    const struct {
        const char* strip;
        int mode;
        uint32_t delay;
        std::vector<int> seen;
    } cases[] = {
        {"graphics\\misc\\wave_00", ANIM_LOOP, 50, {1, 2, 3, 4, 1, 2}},
        {"graphics\\misc\\wave_00", ANIM_PING_PONG, 50, {1, 2, 3, 4, 3, 2, 1, 2}},
        {"graphics\\misc\\wave_00", ANIM_LOOP, 0, {1, 2, 3, 4}},  // a delay of 0 steps at every think
        {"graphics\\misc\\one_00", ANIM_PING_PONG, 10, {1, 1, 1, 1}},
    };
    for (const auto& c : cases) {
        CSceneSprite s;
        ASSERT_TRUE(s.animate(30, 40, c.strip, c.delay));
        s.animMode = c.mode;
        EXPECT_EQ(frames_seen(s, c.delay, int(c.seen.size()) - 1), c.seen) << c.strip << " mode " << c.mode;
    }
}

TEST_F(SceneTest, PulseAndSwingStayWithinTheirBoundsAndTurnBothWays)
{
    ASSERT_TRUE(write_bytes(dir.file("graphics/misc/orb.tga"), make_keyed_tga(40, 40, 200, 40, 40)));
    CSceneSprite s;
    ASSERT_TRUE(s.show_picture(120, 160, "graphics\\misc\\orb.tga"));
    s.pulse(0.01f, 0.0005f, 0.3f);
    ASSERT_TRUE(s.useScratch);
    const Sweep pulse = sweep(s, 3000, s.pulseGrowing, [&] { return s.scaleFactor; });
    EXPECT_LT(pulse.lo, 0.3f);
    EXPECT_GT(pulse.lo, 0.05f);  // it turns near the lower bound, it does not collapse
    EXPECT_GT(pulse.hi, 0.8f);
    EXPECT_LE(pulse.hi, 1.0f);
    EXPECT_GE(pulse.turnsUp, 2);
    EXPECT_GE(pulse.turnsDown, 2);
    // Drawn through the pad at the pulsing size.
    TestScreen screen(0x1111);
    s.draw();
    EXPECT_EQ(s.scaledWidth, int(float(40) * s.scaleFactor));
    EXPECT_EQ(screen.drawn_in_row(160), s.scaledWidth);

    CSceneSprite swinging;
    swinging.show_picture(100, 50, "");
    swinging.swing(SWING_X, 60.0f, 140.0f, 0.05f, 1.0f, 0.5f);
    const Sweep swing = sweep(swinging, 2000, swinging.swingUp, [&] { return swinging.fx; });
    EXPECT_GE(swing.turnsUp + swing.turnsDown, 8);
    EXPECT_GT(swing.lo, 50.0f);
    EXPECT_LT(swing.lo, 75.0f);
    EXPECT_GT(swing.hi, 125.0f);
    EXPECT_LT(swing.hi, 150.0f);
    EXPECT_EQ(swinging.y, 50);
}

TEST_F(SceneTest, ButtonsPressReleaseHideAndStillReportWhenDisabled)
{
    ASSERT_TRUE(write_bytes(dir.file("graphics/interface/quit.tga"), make_keyed_tga(40, 20, 200, 0, 0)));
    ASSERT_TRUE(write_bytes(dir.file("graphics/interface/quit_on.tga"), make_keyed_tga(40, 20, 0, 200, 0)));
    auto* b = new CImageButton;
    ASSERT_TRUE(b->create("graphics\\interface\\quit.tga", 192, 298));
    list.add_thing(b);
    b->clickResult = 7;
    b->set_alternate("graphics\\interface\\quit_on.tga");
    TestScreen screen(0x1111);
    auto drawn = [&] {
        screen.clear();
        list.draw_all();
        return screen.at(200, 305);
    };
    const uint16_t red = rgb565(200, 0, 0), green = rgb565(0, 200, 0);
    EXPECT_EQ(drawn(), red);  // anchored top-left in screen pixels
    // A tap presses it (the screens convert stylus points to world points first; the view is at 0).
    EXPECT_EQ(list.thing_at_point(200, 305, 0, 0), 7u);
    EXPECT_EQ(drawn(), green);
    b->release();
    EXPECT_EQ(drawn(), red);

    b->disabled = 1;
    EXPECT_EQ(list.thing_at_point(200, 305, 0, 0), 7u);
    EXPECT_FALSE(b->showingAlternate);

    b->disabled = 0;
    b->set_hidden_unless_pressed();
    EXPECT_EQ(drawn(), 0x1111);
    b->press();
    EXPECT_EQ(drawn(), green);
}

// The options screen's volume dots. Where they stand and what a tap on one sets are checked through the real
// options screen (MenusRun.EveryChosenVolumeShowsOnItsDotAfterARestart).
TEST_F(SceneTest, SliderLightsButtonsUpToItsValueHeldToItsRange)
{
    ASSERT_TRUE(write_bytes(dir.file("graphics/interface/dot.tga"), make_keyed_tga(8, 8, 90, 90, 90)));
    ASSERT_TRUE(write_bytes(dir.file("graphics/interface/dot_lit.tga"), make_keyed_tga(8, 8, 250, 250, 0)));
    CSlider loose(&list);  // its dots would have no id to report
    EXPECT_FALSE(loose.create_buttons("graphics\\interface\\dot.tga", "graphics\\interface\\dot_lit.tga"));
    EXPECT_EQ(list.count(), 0);
    auto* slider = new CSlider(&list);
    list.add_thing(slider);
    slider->place(46, 148);
    slider->spacing = 22;
    ASSERT_TRUE(slider->create_buttons("graphics\\interface\\dot.tga", "graphics\\interface\\dot_lit.tga"));
    auto lit = [&] {
        std::vector<int> on;
        for (int i = 0; i < slider->count; i++) {
            auto* b = static_cast<CImageButton*>(list.find_thing(slider->buttons[i]));
            on.push_back(b->showingAlternate);
        }
        return on;
    };
    slider->set_range(0.0f, 100.0f, 50.0f);
    EXPECT_EQ(lit(), (std::vector<int>{1, 1, 1, 0, 0}));
    slider->set_value(49.9f);
    EXPECT_EQ(lit(), (std::vector<int>{1, 1, 0, 0, 0}));
    slider->set_value(-20.0f);
    EXPECT_EQ(slider->current, 0.0f);
    EXPECT_EQ(lit(), (std::vector<int>{1, 0, 0, 0, 0}));
}

// The emitter of a monster's death flash and its puffs.
TEST_F(SceneTest, SmokeEmitsPuffsEachPeriodUnlessPausedAndTheyRiseDriftGrowAndGo)
{
    ASSERT_TRUE(write_strip(dir, "graphics/misc/smokesmall", 2, 20, 20));
    auto* still = new CSmokePuff(100, 100, -0.1f);  // a negative drift does not drift at all
    auto* drifting = new CSmokePuff(5, 100, 0.12f);
    auto* wrap = new CSmokePuff(0, 100, 0.5f);
    for (CSmokePuff* p : {still, drifting, wrap}) list.add_thing(p);
    const uint32_t stillId = still->id;
    EXPECT_EQ(still->sortKey, 100 + 45);  // its y when it was made, plus 45
    for (uint32_t t = 1010; t <= 1060; t += 10) frame_at(t);
    EXPECT_EQ(still->fx, 100.0f);
    EXPECT_FLOAT_EQ(still->fy, 100.0f - 6 * 0.4f);
    // Drift is spent after four frames; past the left edge it wraps round the playfield.
    EXPECT_NEAR(drifting->fx, 5.0f - (0.09f + 0.06f + 0.03f), 0.001f);
    EXPECT_GT(wrap->x, 600);
    // 2 % each 50 ms from 40 %: past 90 % on the 26th growth.
    int growths = 1;  // the one at 1050
    for (uint32_t t = 1100; list.find_thing(stillId) && growths < 40; t += 50) {
        ASSERT_EQ(still->scalePercent, 40 + 2 * growths);
        frame_at(t);
        growths++;
    }
    EXPECT_EQ(growths, 26);
    EXPECT_EQ(list.count(), 0);

    auto* emitter = new CSmokeEmitter;
    emitter->place(300, 150, 0);
    emitter->set_period(150);
    list.add_thing(emitter);
    const uint32_t from = AppState.frameTime;
    frame_at(from + 100);
    EXPECT_EQ(list.count(), 1);
    frame_at(from + 150);
    ASSERT_EQ(list.count(), 2);
    LevelProgress.paused = 1;
    frame_at(from + 300);
    frame_at(from + 450);
    EXPECT_EQ(list.count(), 2);
    LevelProgress.paused = 0;
    frame_at(from + 600);
    EXPECT_EQ(list.count(), 3);
}
