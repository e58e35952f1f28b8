// Fuzzes the controls file reader: any line is read or refused whole, and every input serves one button at
// most.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include "platform/controls.h"
#include "platform/debug_output_file.h"

namespace {

bool same(const Controls& a, const Controls& b)
{
    if (a.bindings().size() != b.bindings().size()) return false;
    for (const ControlBinding& x : a.bindings()) {
        const uint32_t code = x.pad ? b.pad_code(x.input) : b.key_code(x.input);
        if (code != x.code) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    debug_output_open("/dev/null");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    Controls controls = Controls::defaults();
    int number = 0;
    for (size_t at = 0; at <= text.size();) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        const Controls before = controls;
        std::string reason;
        // A line that is refused changes nothing.
        if (!controls.read_line(line, ++number, &reason) && (reason.empty() || !same(before, controls))) std::abort();
    }
    // Every input serves one button at most.
    for (const ControlBinding& b : controls.bindings()) {
        const uint32_t code = b.pad ? controls.pad_code(b.input) : controls.key_code(b.input);
        if (code != b.code) std::abort();
    }
    // Writing them never fails, whatever the player bound (the written file is only ever made from defaults).
    if (controls.file_text().find("\n[controller]\n") == std::string::npos) std::abort();
    return 0;
}
