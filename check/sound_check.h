// Checking sound files through the game's WAVE loader, and reporting them against the line that names them.
#pragma once
#include <map>
#include <string>

class CheckReport;

struct SoundFacts {
    bool found = false;     // loose, or packed in its own archive
    bool playable = false;  // CWave loads and converts it to the mixer's format
};

class SoundChecker {
public:
    // The file a sound name plays (play_sound's fixed names stand for other files).
    const SoundFacts& sound(const std::string& name);
    int sounds_read() const { return int(sounds_.size()); }

private:
    std::map<std::string, SoundFacts> sounds_;
};

void report_sound(CheckReport& report, const std::string& file, int line, const std::string& what,
                  const std::string& name, const SoundFacts& facts);
