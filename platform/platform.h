// Start-up choices for the platform layer: which backend, and how the clock and boxes behave.
#pragma once
#include <cstdint>
#include <string>

enum class DisplayMode { Rgb565, Grey2 };

struct PlatformConfig {
    bool headless = false;
    int fixedStepMs = 0;      // 0: real clock
    int scale = 0;            // 0: as the last run left it, else the largest whole factor up to 3 that fits
    int fullscreen = -1;      // 1 fullscreen, 0 a window, -1 as the last run left it
    bool uncapped = false;
    bool answerYes = false;   // headless message boxes
    DisplayMode display = DisplayMode::Rgb565;
    std::string audioDriver;  // empty: SDL's choice ("dummy" when headless)
    std::string audioFile;    // disk driver output, when a test records the sound
    uint32_t audioBufferBytes = 0;  // each buffer of the sound ring; 0: the device's default
};

// Chooses the backend once; false when the window system cannot start.
bool platform_init(const PlatformConfig& config);
const PlatformConfig& platform_config();
void platform_shutdown();
