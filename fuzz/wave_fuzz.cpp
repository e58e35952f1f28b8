// libFuzzer target for the WAVE loader: any bytes must parse within bounds and load only into the mixer's format.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include "sound/wave.h"
#include "sound/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    WaveFileParts parts;
    if (wave_parse(bytes, size, &parts)) {
        // The sample data found must lie inside the file.
        if (parts.data < bytes || parts.data + parts.length > bytes + size) std::abort();
    }
    CWave wave;
    if (wave.load_memory(bytes, size)) {
        const WaveFormat& f = wave.format;
        if (f.formatTag != 1 || f.bitsPerSample != 8 || f.samplesPerSec != 22050) std::abort();
        if (f.channels < 1 || f.channels > 2 || wave.length == 0 || wave.length % f.channels != 0) std::abort();
        // Touch every byte, so a short buffer shows up under the address sanitizer.
        unsigned sum = 0;
        for (uint32_t i = 0; i < wave.length; i++) sum += wave.data[i];
        if (sum == 0xFFFFFFFFu) std::abort();
    }
    return 0;
}
