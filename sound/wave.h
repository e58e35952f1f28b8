// CWave: a sound file read into memory and converted once to the mixer's format.
#pragma once
#include <cstddef>
#include <cstdint>
#include "sound/wave_format.h"

class CWave {
public:
    CWave() = default;
    // Reads and loads the file; a missing or unreadable file leaves the wave empty without a message.
    explicit CWave(const char* path);
    ~CWave();
    CWave(const CWave&) = delete;
    CWave& operator=(const CWave&) = delete;

    // Unloads, then reads and loads the file, reporting a file that cannot be found or read.
    bool load_file(const char* path);
    // Loads a whole WAVE file held in memory (the bytes are copied); false when it is not usable.
    bool load_memory(const uint8_t* bytes, size_t size);
    void play(bool loop);
    // Ends every channel of this sound.
    void stop();
    // Stops, frees the samples and clears every field.
    void unload();
    bool is_playing() const;
    bool is_loaded() const { return data != nullptr; }

    uint32_t playCount = 0;  // channels playing this sound now; changed only under the mixer lock
    uint32_t loop = 0;       // loop flag of the most recent play
    WaveFormat format;
    uint8_t* data = nullptr;
    uint32_t length = 0;

private:
    enum class ReadResult { Ok, Missing, ReadFailed, BadFormat };
    ReadResult read_and_load(const char* path);
};
