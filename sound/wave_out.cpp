// The wave-output device that was chosen at start-up.
#include "sound/wave_out.h"
#include <atomic>

static std::atomic<CWaveOut*> g_device{nullptr};

void wave_out_select(CWaveOut* device) { g_device.store(device); }

CWaveOut* wave_out_device() { return g_device.load(); }
