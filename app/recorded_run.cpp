// Recording a run and playing one back: where the main loop, the clock, the message queue and the career meet
// a recording.
#include "app/recorded_run.h"
#include <cstdio>
#include <vector>
#include "app/app_state.h"
#include "app/recording_file.h"
#include "level/career.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/user_folders.h"
#include "util/log.h"

namespace {
enum class Role { None, Record, Replay };

Role g_role = Role::None;
long g_frame = 0;
RecordingWriter g_writer;
Recording g_replay;
size_t g_next_event = 0;
size_t g_next_answer = 0;
std::string g_replay_folder;  // the replay's own career lives here

void record_message(const Message& msg) { g_writer.message(g_frame, msg); }

void record_answer(int answer) { g_writer.answer(g_frame, answer); }

// The recorded answers in order: a box in the replay is answered as it was in the recorded run.
bool replay_answer(int* answer)
{
    if (g_next_answer >= g_replay.answers.size()) return false;
    *answer = int(g_replay.answers[g_next_answer++].message.wParam);
    return true;
}

// The career file as the game is about to read it; false when there is none.
bool read_career(std::vector<uint8_t>* bytes)
{
    const std::string path = std::string(AppState.programDir) + kCareerFileName;
    FILE* f = sys_fopen(path.c_str(), "rb");
    if (!f) return false;
    uint8_t buf[kMaxRecordedCareer];
    bytes->assign(buf, buf + std::fread(buf, 1, sizeof buf, f));
    std::fclose(f);
    return true;
}

bool start_replay(std::string* error)
{
    // The run plays with the career it was recorded with, kept in a folder of its own: nothing the replay
    // saves reaches the player's career.
    g_replay_folder = sys_make_temp_folder();
    if (g_replay_folder.empty()) {
        *error = "cannot make a folder for the replay's career";
        return false;
    }
    if (g_replay.hasCareer) {
        FILE* f = std::fopen((g_replay_folder + kCareerFileName).c_str(), "wb");
        const bool ok = f && std::fwrite(g_replay.career.data(), 1, g_replay.career.size(), f) == g_replay.career.size();
        if (f) std::fclose(f);
        if (!ok) {
            *error = "cannot write the replay's career into " + g_replay_folder;
            return false;
        }
    }
    sys_files_pin(AppState.programDir, kCareerFileName, g_replay_folder);
    clock_replay();
    events_take_window_input(false);
    message_box_replay(replay_answer);
    log_msg("Replay: %zu frames%s.", g_replay.clocks.size(),
            g_replay.cutOff ? " (the recording's last line was cut off and is left out)" : "");
    return true;
}
}  // namespace

bool recorded_run_read(LaunchOptions& options, std::string* error)
{
    if (!options.replayFile.empty()) {
        if (!read_recording(options.replayFile, &g_replay, error)) return false;
        options.seedGiven = true;
        options.seed = g_replay.seed;
        options.level = g_replay.level;
        const long frames = long(g_replay.clocks.size());
        if (options.frames <= 0 || options.frames > frames) options.frames = frames;
        g_role = Role::Replay;
    } else if (!options.recordFile.empty()) {
        // The seed is part of the recording, so it is chosen now rather than from the first frame's clock.
        if (!options.seedGiven) {
            options.seedGiven = true;
            options.seed = sys_real_tick_count();
        }
        g_role = Role::Record;
    }
    return true;
}

bool recorded_run_start(const LaunchOptions& options, std::string* error)
{
    if (g_role == Role::Replay) return start_replay(error);
    if (g_role != Role::Record) return true;
    std::vector<uint8_t> career;
    const bool has_career = read_career(&career);
    if (!g_writer.open(options.recordFile, options.seed, options.level, has_career ? &career : nullptr)) {
        *error = "cannot write the recording " + options.recordFile;
        return false;
    }
    clock_read_once_per_frame();
    events_watch(record_message);
    message_box_watch(record_answer);
    log_msg("Recording the run to %s.", options.recordFile.c_str());
    return true;
}

bool recorded_run_begin_frame(long frame)
{
    g_frame = frame;
    if (g_role != Role::Replay) {
        clock_begin_frame();
        if (g_role == Role::Record) g_writer.frame(frame, clock_frame_reading());
        return true;
    }
    if (frame > long(g_replay.clocks.size())) return false;
    clock_replay_next(g_replay.clocks[size_t(frame - 1)]);
    clock_begin_frame();
    const std::vector<ScriptedEvent>& events = g_replay.events;
    while (g_next_event < events.size() && events[g_next_event].frame <= frame) events_post(events[g_next_event++].message);
    return true;
}

void recorded_run_end()
{
    if (g_role == Role::Record) {
        events_watch(nullptr);
        message_box_watch(nullptr);
        g_writer.close();
    }
    if (!g_replay_folder.empty()) sys_remove_tree(g_replay_folder);
    g_replay_folder.clear();
}
