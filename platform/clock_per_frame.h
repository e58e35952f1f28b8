// Inside the clock: a recorded run's clock, read once at the start of each frame, and a replay's, read from
// the recording.
#pragma once
#include <cstdint>
#include "platform/clock.h"

// True once a recording or a replay has taken the clock over.
bool per_frame_clock();
bool per_frame_replayed();
// At the start of a frame: takes this frame's reading.
void per_frame_begin();
// The clock as configured (real, or fixed step), read now; and the real clock in microseconds.
ClockReading clock_source_reading();
uint64_t sys_real_microseconds();
