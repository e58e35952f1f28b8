// Millisecond tick and high-resolution counter: real, or virtual with a fixed step per frame; read once per
// frame for a recording, or replayed from one.
#pragma once
#include <cstdint>

uint32_t sys_tick_count();
uint64_t sys_perf_counter();
uint64_t sys_perf_frequency();
// Called once at the start of every main-loop pass; the virtual clock advances its fixed step here.
void clock_begin_frame();
// How many passes have begun: presents with the same number belong to one frame.
uint64_t clock_frame_number();
// True when the clock only moves between frames (fixed step, recorded or replayed), so nothing may wait on
// it inside a frame.
bool clock_is_virtual();
void sys_sleep_ms(uint32_t ms);
// The real millisecond clock whatever the game's clock is (pacing a window to the display).
uint32_t sys_real_tick_count();

// What the game's clock reads during one frame.
struct ClockReading {
    uint32_t tick = 0;      // milliseconds
    uint64_t counter = 0;   // high-resolution counter (sys_perf_frequency per second)
};
// Recording a run: a real clock is read once, at the start of each frame, so the whole frame sees one
// reading that can be written down; the 500 frames a second cap then waits there, not in the present.
void clock_read_once_per_frame();
// Replaying a run: each frame reads what clock_replay_next gave before its clock_begin_frame. In a window
// the frames keep the recorded pace; headless they follow each other at once.
void clock_replay();
void clock_replay_next(const ClockReading& reading);
ClockReading clock_frame_reading();
