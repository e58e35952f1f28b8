// Runs the main loop: on a desktop the step repeats here; a browser calls it once per display frame.
#pragma once

using LoopStep = bool (*)();
using LoopEnd = void (*)();

// step: one pass of the loop, false when the game ends. end: called once after the last pass (it may shut
// the platform down). In a browser this returns to the page at once and the page drives the steps.
void sys_run_main_loop(LoopStep step, LoopEnd end);
