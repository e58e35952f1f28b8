// Fuzzes `--input` scripts as the game reads them at start: the file loaded, then its events posted frame
// by frame into the message queue and taken out again, as the main loop does.
#include <cstdint>
#include <cstdlib>
#include "app/input_script.h"
#include "fuzz/support/fuzz_folder.h"
#include "platform/events.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_input_file("input.txt", {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = fuzz_file("input.txt");
    if (!fuzz_write_file(path, data, size)) return 0;
    InputScript script;
    if (!script.load(path)) std::abort();
    const auto& events = script.events();
    long last = 0;
    for (const ScriptedEvent& e : events) {
        if (e.frame < 1 || e.frame < last) std::abort();  // frames from 1, in order
        last = e.frame;
    }
    // Post the events of the frames that have any, taking each message out as the loop would.
    Message message;
    for (const ScriptedEvent& e : events) {
        script.post_for_frame(e.frame);
        while (events_peek()) events_get(&message);
    }
    return 0;
}
