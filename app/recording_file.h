// Recorded runs on disk: the file --record writes and --replay reads.
//
//   vorlaine recording 1           format version
//   seed 1234567                   the random seed of the run
//   level 3                        only when the run started a level directly
//   career 3c000000...             the career file as the run found it, in hex ("career none": there was none)
//   1 clock 5123456 5123456789     frame 1 read tick 5123456 ms and counter 5123456789 (microseconds)
//   1 key down left                frame 1's messages in the --input format, in the order they came
//   2 clock 5123472 5123472100
//   2 answer yes                   how a message box was answered in frame 2 (yes, no or ok)
//
// Every frame from 1 on has its clock line, and a frame's messages follow its clock line.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>
#include "app/input_script.h"
#include "platform/clock.h"
#include "platform/message_box.h"

constexpr int kRecordingVersion = 1;
constexpr size_t kMaxRecordedCareer = 1024;

struct Recording {
    bool hasSeed = false;
    unsigned seed = 0;
    int level = 0;                    // 0: the run started at the title
    bool hasCareer = false;
    std::vector<uint8_t> career;      // the career file's bytes when hasCareer
    std::vector<ClockReading> clocks;  // frame n read clocks[n - 1]
    std::vector<ScriptedEvent> events;  // in the order they came
    std::vector<ScriptedEvent> answers;  // message box answers: the frame, and the answer in wParam
    bool cutOff = false;              // the last line was cut off while written and is left out
};

// Reads a recording; false with the reason it is refused (a newer format, a line that does not parse).
bool read_recording(const std::string& path, Recording* out, std::string* error);
// Reads one line into rec (exposed for the fuzz target); header lines are taken while rec has no frames yet.
bool parse_recording_line(const std::string& line, int number, Recording* rec, std::string* reason);

class RecordingWriter {
public:
    ~RecordingWriter();
    // Creates the file and writes the header; career null: the run found no career file.
    bool open(const std::string& path, unsigned seed, int level, const std::vector<uint8_t>* career);
    void frame(long number, const ClockReading& clock);
    void message(long frame, const Message& msg);
    void answer(long frame, int answer);
    void close();
    bool is_open() const { return file_ != nullptr; }

private:
    FILE* file_ = nullptr;
};
