// Millisecond tick and high-resolution counter: real, or virtual with a fixed step per frame.
#pragma once
#include <cstdint>

uint32_t sys_tick_count();
uint64_t sys_perf_counter();
uint64_t sys_perf_frequency();
// Called once at the start of every main-loop pass; the virtual clock advances its fixed step here.
void clock_begin_frame();
// How many passes have begun: presents with the same number belong to one frame.
uint64_t clock_frame_number();
// True when the clock is virtual (frames advance it, nothing waits on it).
bool clock_is_virtual();
void sys_sleep_ms(uint32_t ms);
