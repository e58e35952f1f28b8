// Millisecond tick and high-resolution counter: real, or virtual with a fixed step per frame (a recorded or
// replayed run reads them once per frame: clock_per_frame.cpp).
#include "platform/clock.h"
#include <time.h>
#include "platform/clock_per_frame.h"
#include "platform/platform.h"

static uint64_t g_virtual_ms = 0;
static uint64_t g_frame_number = 0;

static uint64_t monotonic_ns()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return uint64_t(ts.tv_sec) * 1000000000ull + uint64_t(ts.tv_nsec);
}

static bool fixed_step() { return platform_config().fixedStepMs > 0; }

bool clock_is_virtual() { return fixed_step() || per_frame_clock(); }

void clock_begin_frame()
{
    g_frame_number++;
    if (fixed_step()) g_virtual_ms += uint64_t(platform_config().fixedStepMs);
    per_frame_begin();
}

uint64_t clock_frame_number() { return g_frame_number; }

uint32_t sys_tick_count()
{
    if (per_frame_clock()) return clock_frame_reading().tick;
    if (fixed_step()) return uint32_t(g_virtual_ms);
    return uint32_t(monotonic_ns() / 1000000ull);
}

uint64_t sys_perf_counter()
{
    if (per_frame_clock()) return clock_frame_reading().counter;
    if (fixed_step()) return g_virtual_ms * 1000ull;
    return monotonic_ns() / 1000ull;
}

uint64_t sys_perf_frequency() { return 1000000ull; }

void sys_sleep_ms(uint32_t ms)
{
    if (fixed_step() || per_frame_replayed() || ms == 0) return;
    timespec ts{time_t(ms / 1000), long(ms % 1000) * 1000000L};
    nanosleep(&ts, nullptr);
}

uint32_t sys_real_tick_count() { return uint32_t(monotonic_ns() / 1000000ull); }

uint64_t sys_real_microseconds() { return monotonic_ns() / 1000ull; }

ClockReading clock_source_reading()
{
    if (fixed_step()) return {uint32_t(g_virtual_ms), g_virtual_ms * 1000ull};
    const uint64_t ns = monotonic_ns();
    return {uint32_t(ns / 1000000ull), ns / 1000ull};
}
