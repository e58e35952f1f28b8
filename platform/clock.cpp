// Millisecond tick and high-resolution counter: real, or virtual with a fixed step per frame.
#include "platform/clock.h"
#include <time.h>
#include "platform/platform.h"

static uint64_t g_virtual_ms = 0;
static uint64_t g_frame_number = 0;

static uint64_t monotonic_ns()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return uint64_t(ts.tv_sec) * 1000000000ull + uint64_t(ts.tv_nsec);
}

bool clock_is_virtual() { return platform_config().fixedStepMs > 0; }

void clock_begin_frame()
{
    g_frame_number++;
    if (clock_is_virtual()) g_virtual_ms += uint64_t(platform_config().fixedStepMs);
}

uint64_t clock_frame_number() { return g_frame_number; }

uint32_t sys_tick_count()
{
    if (clock_is_virtual()) return uint32_t(g_virtual_ms);
    return uint32_t(monotonic_ns() / 1000000ull);
}

uint64_t sys_perf_counter()
{
    if (clock_is_virtual()) return g_virtual_ms * 1000ull;
    return monotonic_ns() / 1000ull;
}

uint64_t sys_perf_frequency() { return 1000000ull; }

void sys_sleep_ms(uint32_t ms)
{
    if (clock_is_virtual() || ms == 0) return;
    timespec ts{time_t(ms / 1000), long(ms % 1000) * 1000000L};
    nanosleep(&ts, nullptr);
}
