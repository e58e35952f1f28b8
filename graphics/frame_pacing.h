// Frame pacing: measures and smooths the frame length, caps the rate at 500 frames a second.
#pragma once
#include <cstdint>

// Returns the smoothed frame length in hundredths of a second (the new frameScale).
double pace_frame();

// The measurement alone, on counter readings, for tests: d counter units at frequency f.
struct FramePacer {
    uint64_t lastReading = 0;
    double raw = 0.0;
    double smoothed = 0.0;
    double previousSmoothed = 0.0;
    double frameRate = 0.0;

    // One measurement at counter value now; false on the very first call.
    bool measure(uint64_t now, uint64_t frequency);
};
