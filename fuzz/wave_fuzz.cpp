// Fuzzes WAVE files as the game plays them: a CSound loads the file from the program folder on its first
// play and the mixer plays it through a device the target drives, to the end.
#include <cstdint>
#include <cstdlib>
#include "fuzz/support/fuzz_folder.h"
#include "sound/mixer.h"
#include "sound/sound.h"
#include "sound/wave.h"
#include "sound/wave_out_manual.h"

namespace {

CManualWaveOut g_device;

// More buffers than the longest sound a small input converts to (32 MB at most, 1600 bytes a buffer).
constexpr int kMostBuffers = 32 * 1024 * 1024 / 1600 + 16;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_input_file("sounds/x.wav", {});
    g_device.record = false;  // nothing to keep: the target only plays
    wave_out_select(&g_device);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = fuzz_file("sounds/x.wav");
    if (!fuzz_write_file(path, data, size)) return 0;

    CSound sound("sounds\\x.wav");
    sound.play();
    if (!sound.wave) std::abort();
    const CWave& wave = *sound.wave;
    if (wave.is_loaded()) {
        // Whatever the file held, the mixer gets its one format and whole frames.
        const WaveFormat& f = wave.format;
        if (f.formatTag != kWaveFormatPcm || f.bitsPerSample != kMixBits || f.samplesPerSec != kMixRate) std::abort();
        if (f.channels < 1 || f.channels > 2 || wave.length == 0 || wave.length % f.channels != 0) std::abort();
        if (!wave.is_playing()) std::abort();
        sound.play();  // a second channel of the same sound: the mixer averages the two
    } else if (wave.is_playing()) {
        std::abort();
    }
    for (int i = 0; i < kMostBuffers && wave.is_playing(); i++) g_device.complete_next();
    if (wave.is_playing()) std::abort();  // a sound that is not looped must end
    sound.unload();
    return 0;
}
