// Fuzzes the recorded-run reader: any file must be taken or refused with a reason, and a recording that is
// taken keeps its promises and writes back as the same recording.
#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include "app/recording_file.h"
#include "platform/debug_output_file.h"

namespace {

const std::string& path(const char* what)
{
    static const std::string base = "/tmp/vorlaine-fuzz-recording-" + std::to_string(::getpid());
    static const std::string in = base + ".rec", out = base + "-again.rec";
    return what[0] == 'i' ? in : out;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    debug_output_open("/dev/null");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* f = std::fopen(path("in").c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    Recording rec;
    std::string error;
    if (!read_recording(path("in"), &rec, &error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    // Every frame has its reading, the counter never goes back, and every message lies in a recorded frame.
    if (rec.clocks.empty() || !rec.hasSeed || rec.career.size() > kMaxRecordedCareer) std::abort();
    for (size_t i = 1; i < rec.clocks.size(); i++)
        if (rec.clocks[i].counter < rec.clocks[i - 1].counter) std::abort();
    long last = 1;
    for (const ScriptedEvent& e : rec.events) {
        if (e.frame < last || e.frame > long(rec.clocks.size())) std::abort();
        last = e.frame;
    }
    RecordingWriter w;
    if (!w.open(path("out"), rec.seed, rec.level, rec.hasCareer ? &rec.career : nullptr)) return 0;
    size_t next = 0, next_answer = 0;
    for (size_t i = 0; i < rec.clocks.size(); i++) {
        w.frame(long(i + 1), rec.clocks[i]);
        for (; next < rec.events.size() && rec.events[next].frame == long(i + 1); next++)
            w.message(rec.events[next].frame, rec.events[next].message);
        for (; next_answer < rec.answers.size() && rec.answers[next_answer].frame == long(i + 1); next_answer++)
            w.answer(rec.answers[next_answer].frame, int(rec.answers[next_answer].message.wParam));
    }
    w.close();
    Recording again;
    if (!read_recording(path("out"), &again, &error)) std::abort();
    if (again.seed != rec.seed || again.level != rec.level || again.career != rec.career ||
        again.clocks.size() != rec.clocks.size() || again.events.size() != rec.events.size() ||
        again.answers.size() != rec.answers.size())
        std::abort();
    for (size_t i = 0; i < rec.events.size(); i++) {
        const Message& a = rec.events[i].message;
        const Message& b = again.events[i].message;
        if (a.type != b.type || a.lParam != b.lParam || again.events[i].frame != rec.events[i].frame) std::abort();
    }
    return 0;
}
