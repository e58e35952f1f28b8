// Reading the RIFF WAVE layout: the "fmt " chunk and the "data" chunk of a file held in memory.
#pragma once
#include <cstddef>
#include <cstdint>
#include "sound/wave_format.h"

struct WaveFileParts {
    bool hasFormat = false;
    WaveFormat format;               // all zero when "fmt " had an unusable size
    const uint8_t* data = nullptr;   // points into the file's bytes
    uint32_t length = 0;
};

// Finds the format and the sample data; false when the bytes are not RIFF WAVE or either part is missing.
// Never reads outside bytes[0, size).
bool wave_parse(const uint8_t* bytes, size_t size, WaveFileParts* out);
