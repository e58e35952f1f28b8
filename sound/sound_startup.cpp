// Choosing the sound output at start-up and giving it back at exit.
#include "sound/sound_startup.h"
#include "platform/audio_device.h"
#include "platform/platform.h"
#include "sound/mixer.h"
#include "sound/wave_out.h"

// Not a smart pointer: if shutdown is never called the device must outlive every static sound record.
static CWaveOut* g_output = nullptr;

bool sound_startup()
{
    if (g_output) return true;
    const PlatformConfig& config = platform_config();
    std::string driver = config.audioDriver;
    if (driver.empty() && config.headless) driver = "dummy";
    bool ready = false;
    g_output = sys_audio_create_device(driver, config.audioFile, config.audioBufferBytes, &ready).release();
    wave_out_select(g_output);
    return ready;
}

void sound_shutdown()
{
    mixer_shutdown();
    wave_out_select(nullptr);
    delete g_output;
    g_output = nullptr;
}
