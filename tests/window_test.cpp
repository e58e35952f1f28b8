// The real SDL window under an X server: a known back buffer shows on the display.
#include <gtest/gtest.h>
#include <SDL.h>
#include <SDL_image.h>
#include <cstdlib>
#include <string>
#include "app/app_state.h"
#include "graphics/display.h"
#include "platform/platform.h"
#include "support/temp_folder.h"

TEST(Window, PresentedRedFillsTheWindow)
{
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display (the test command runs one under Xvfb)";
    // The window keeps its settings when it closes: in this test's home, never the real one.
    TempFolder home;
    home.make_home();
    PlatformConfig config;
    config.scale = 2;
    config.uncapped = true;
    ASSERT_TRUE(platform_init(config));
    ASSERT_TRUE(open_display());
    ASSERT_TRUE(create_buffers());
    for (int i = 0; i < 240 * 320; i++) AppState.backBuffer[i] = 0xF800;
    for (int i = 0; i < 10; i++) present();

    TempFolder dir;
    std::string shot = dir.file("screen.png");
    ASSERT_EQ(std::system(("import -window root " + shot + " 2>/dev/null").c_str()), 0);
    SDL_Surface* img = IMG_Load(shot.c_str());
    ASSERT_NE(img, nullptr);
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(img, SDL_PIXELFORMAT_RGB24, 0);
    SDL_FreeSurface(img);
    ASSERT_NE(rgb, nullptr);
    // Count pure red pixels: the 480 x 640 window should be all of them.
    long red = 0;
    for (int y = 0; y < rgb->h; y++) {
        const uint8_t* row = static_cast<const uint8_t*>(rgb->pixels) + y * rgb->pitch;
        for (int x = 0; x < rgb->w; x++)
            if (row[x * 3] >= 0xF8 && row[x * 3 + 1] == 0 && row[x * 3 + 2] == 0) red++;
    }
    SDL_FreeSurface(rgb);
    EXPECT_GE(red, 480L * 640 * 95 / 100);
    EXPECT_LE(red, 480L * 640 * 105 / 100);
    close_display();
    free_buffers();
    platform_shutdown();
}
