// A review picture of a sound: its waveform and a spectrogram, with its name and layout.
#pragma once
#include "paint/image.h"
#include "sounds/synth.h"
#include <string>

Image sound_panel(const Sound& s, const std::string& label);
