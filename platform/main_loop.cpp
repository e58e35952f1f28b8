// Runs the main loop here, unless the backend's window system paces the frames itself.
#include "platform/main_loop.h"
#include "platform/backend.h"

void sys_run_main_loop(LoopStep step, LoopEnd end)
{
    if (backend().schedule_frames(step, end)) return;
    while (step()) {}
    end();
}
