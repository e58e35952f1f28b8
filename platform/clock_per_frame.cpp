// A recorded run's clock, read once at the start of each frame, and a replay's, read from the recording.
#include "platform/clock_per_frame.h"
#include <time.h>
#include "platform/platform.h"

namespace {
enum class Mode { Off, OncePerFrame, Replayed };

Mode g_mode = Mode::Off;
ClockReading g_frame;          // this frame's reading
ClockReading g_next;           // the replay's reading for the next frame
bool g_started = false;        // a frame has been read
uint64_t g_replay_origin = 0;  // real microseconds at the replay's first frame, less its first counter value
}  // namespace

bool per_frame_clock() { return g_mode != Mode::Off; }

bool per_frame_replayed() { return g_mode == Mode::Replayed; }

void clock_read_once_per_frame() { g_mode = Mode::OncePerFrame; }

void clock_replay() { g_mode = Mode::Replayed; }

void clock_replay_next(const ClockReading& reading) { g_next = reading; }

ClockReading clock_frame_reading() { return g_mode == Mode::Off ? clock_source_reading() : g_frame; }

void per_frame_begin()
{
    if (g_mode == Mode::OncePerFrame) {
        ClockReading now = clock_source_reading();
        // The 500 frames a second cap waits here, as the whole frame sees one reading: at least 2 ms from one
        // frame's reading to the next (a fixed step never waits).
        while (g_started && platform_config().fixedStepMs == 0 && now.counter - g_frame.counter < 2000)
            now = clock_source_reading();
        g_frame = now;
    } else if (g_mode == Mode::Replayed) {
        // In a window the run keeps the pace it was recorded at; headless, frames follow at once.
        const uint64_t real_us = sys_real_microseconds();
        if (!g_started) g_replay_origin = real_us - g_next.counter;
        const uint64_t due = g_replay_origin + g_next.counter;
        if (!platform_config().headless && due > real_us && due - real_us < 10000000ull) {
            const uint64_t wait = due - real_us;
            timespec ts{time_t(wait / 1000000), long(wait % 1000000) * 1000L};
            nanosleep(&ts, nullptr);
        }
        g_frame = g_next;
    }
    g_started = g_mode != Mode::Off;
}
