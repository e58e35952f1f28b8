// The real SDL window under an X server: a known back buffer shows on the display, presents inside one frame
// do not wait for it, and an uncovered window shows its picture again while the game is suspended.
#include <gtest/gtest.h>
#include <SDL.h>
#include <SDL_image.h>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include "app/app_state.h"
#include "graphics/display.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/platform.h"
#include "support/temp_folder.h"

namespace {

class Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display (the test command runs one under Xvfb)";
        // The window keeps its settings when it closes: in this test's home, never the real one.
        dir.make_home();
    }
    void TearDown() override
    {
        if (!opened) return;
        close_display();
        free_buffers();
        platform_shutdown();
    }
    void open(int scale, bool uncapped)
    {
        PlatformConfig config;
        config.scale = scale;
        config.uncapped = uncapped;
        ASSERT_TRUE(platform_init(config));
        opened = true;
        ASSERT_TRUE(open_display());
        ASSERT_TRUE(create_buffers());
    }
    void fill(uint16_t colour)
    {
        for (int i = 0; i < 240 * 320; i++) AppState.backBuffer[i] = colour;
    }
    // Pixels of the whole X screen for which wanted(r, g, b) holds.
    long count_on_screen(const std::function<bool(uint8_t, uint8_t, uint8_t)>& wanted)
    {
        std::string shot = dir.file("screen" + std::to_string(shots++) + ".png");
        if (std::system(("import -window root " + shot + " 2>/dev/null").c_str()) != 0) return -1;
        SDL_Surface* img = IMG_Load(shot.c_str());
        if (!img) return -1;
        SDL_Surface* rgb = SDL_ConvertSurfaceFormat(img, SDL_PIXELFORMAT_RGB24, 0);
        SDL_FreeSurface(img);
        if (!rgb) return -1;
        long n = 0;
        for (int y = 0; y < rgb->h; y++) {
            const uint8_t* row = static_cast<const uint8_t*>(rgb->pixels) + y * rgb->pitch;
            for (int x = 0; x < rgb->w; x++)
                if (wanted(row[x * 3], row[x * 3 + 1], row[x * 3 + 2])) n++;
        }
        SDL_FreeSurface(rgb);
        return n;
    }
    static bool red(uint8_t r, uint8_t g, uint8_t b) { return r >= 0xF8 && g == 0 && b == 0; }
    static bool green(uint8_t r, uint8_t g, uint8_t b) { return r == 0 && g >= 0xF8 && b == 0; }

    TempFolder dir;
    bool opened = false;
    int shots = 0;
};

TEST_F(Window, PresentsInsideOneFrameDoNotWaitForTheDisplay)
{
    open(1, false);
    // The same picture every time, so what is timed is the waiting and not the drawing.
    fill(0x07E0);
    auto presents = [&](int count, bool frameEach) {
        const auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < count; i++) {
            if (frameEach || i == 0) clock_begin_frame();
            present();
        }
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    };
    presents(5, true);
    // Side by side: every present a frame of its own waits for the display each time; inside one frame only
    // the first waits.
    const double frames = presents(30, true);
    const double inside = presents(30, false);
    std::printf("30 presents: %.3f s as 30 frames, %.3f s inside one frame\n", frames, inside);
    EXPECT_LT(inside, frames / 2);
}

TEST_F(Window, AnUncoveredWindowShowsItsPictureAgainWhileSuspended)
{
    // A known back buffer, presented, fills the whole 480 x 640 window of scale 2, and nothing else.
    open(2, true);
    fill(0xF800);
    for (int i = 0; i < 3; i++) present();
    const long most = 480L * 640 * 95 / 100;
    const long shown = count_on_screen(red);
    ASSERT_GE(shown, most);
    EXPECT_LE(shown, 480L * 640 * 105 / 100);

    // Another window over it, green, where the game's window is (both centred on the screen).
    SDL_Window* cover = SDL_CreateWindow("cover", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 480, 640, 0);
    ASSERT_NE(cover, nullptr);
    auto paint_cover = [&] {
        SDL_Surface* surface = SDL_GetWindowSurface(cover);
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 255, 0));
        SDL_UpdateWindowSurface(cover);
    };
    // The game is suspended meanwhile: it presents nothing, it only pumps the window system's events. The X
    // server takes its time under load, so the screen is looked at again until it shows the colour.
    auto pump_until_most_is = [&](bool (*colour)(uint8_t, uint8_t, uint8_t), bool repaintCover) {
        for (int tries = 0; tries < 20; tries++) {
            const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
            while (std::chrono::steady_clock::now() < end) {
                events_wait();
                Message m;
                while (events_peek() && events_get(&m)) {
                }
                if (repaintCover) paint_cover();
            }
            if (count_on_screen(colour) >= most) return true;
        }
        return false;
    };
    ASSERT_TRUE(pump_until_most_is(green, true)) << "the cover should hide the game";
    ASSERT_LT(count_on_screen(red), 480L * 640 / 20);

    SDL_DestroyWindow(cover);
    EXPECT_TRUE(pump_until_most_is(red, false)) << "the game's window shows what covered it";
    EXPECT_LT(count_on_screen(green), 480L * 640 / 20);
}

}  // namespace
