// Recording a run and playing one back: where the main loop, the clock, the message queue and the career meet
// a recording.
#pragma once
#include <string>
#include "app/command_line.h"

// Before anything starts: a replay reads its file (false with the reason it is refused) and fixes the seed,
// the level and the number of frames in options; a recording picks its seed when none was given.
bool recorded_run_read(LaunchOptions& options, std::string* error);
// Once the folders, platform and sound are up: a recording writes its header, a replay sets up its clock,
// its input and a career of its own. False (with the reason) when the recording cannot be written.
bool recorded_run_start(const LaunchOptions& options, std::string* error);
// First thing in every frame: starts the frame's clock (the recorded one in a replay) and posts the
// recorded messages of the frame. False when a replay has no more frames.
bool recorded_run_begin_frame(long frame);
// After the loop: closes the recording, removes the replay's career.
void recorded_run_end();
