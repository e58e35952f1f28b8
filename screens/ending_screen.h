// The ending's slide show, stepped once a second (enter_ending and ending_frame are in screens.h).
#pragma once

// One step: adds 1 to the step counter and does what that step shows; after step 41 nothing more happens.
void ending_step();
// The step the slide show has reached.
int ending_step_count();
