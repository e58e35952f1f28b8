// CSound: a named sound with its play flags, loaded from the program folder on first play.
#pragma once
#include <cstdint>

class CWave;

constexpr int kSoundNameSize = 257;  // 256 characters and the terminator

class CSound {
public:
    explicit CSound(const char* name = "");
    ~CSound();
    CSound(const CSound&) = delete;
    CSound& operator=(const CSound&) = delete;

    // Renames; a wave that is already loaded stays loaded.
    void set_name(const char* new_name);
    void play();
    void stop();
    // Stops and frees the wave; the next play loads the file again.
    void unload();

    CWave* wave = nullptr;       // owned; null until the first play
    uint8_t overlap = 1;         // 0: a play first ends the running channels of this sound
    uint8_t loop = 0;
    uint8_t skip_if_playing = 0;
    char name[kSoundNameSize] = {};
};

// Makes the wave for a data name (program folder + name), reporting a file that cannot be found. The wave
// may be empty; null only when no wave could be allocated.
CWave* create_sound_wave(const char* name);
