// Frame pacing: measures and smooths the frame length, caps the rate at 500 frames a second.
#include "graphics/frame_pacing.h"
#include "platform/clock.h"

static constexpr double kSmoothing = 0.05;
static constexpr double kFirstValue = 4.0;
static constexpr double kRateCap = 500.0;

bool FramePacer::measure(uint64_t now, uint64_t frequency)
{
    double d = double(now - lastReading);
    raw = d / double(frequency) * 100.0;
    if (previousSmoothed == 0.0) {
        previousSmoothed = smoothed = raw = kFirstValue;
        lastReading = now;
        return false;
    }
    // The clamp looks at the integer part, so 12.0 up to just below 13.0 pass unchanged.
    int whole = int(raw);
    if (whole < 0) raw = 0.0;
    else if (whole > 12) raw = 12.0;
    smoothed = smoothed + (raw - smoothed) * kSmoothing;
    previousSmoothed = smoothed;
    frameRate = d > 0.0 ? double(frequency) / d : 1e9;
    return true;
}

static FramePacer g_pacer;

double pace_frame()
{
    uint64_t f = sys_perf_frequency();
    if (g_pacer.measure(sys_perf_counter(), f)) {
        // Busy-wait until the frame has lasted at least 2 ms. A virtual clock only moves between frames;
        // waiting on it inside one would never end.
        while (g_pacer.frameRate > kRateCap && !clock_is_virtual()) g_pacer.measure(sys_perf_counter(), f);
        g_pacer.lastReading = sys_perf_counter();
    }
    return g_pacer.smoothed;
}
