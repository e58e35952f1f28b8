// SoundChecker: each named sound found as the sound objects find it, and loaded as CWave loads it.
#include "check/sound_check.h"

#include "check/check_report.h"
#include "resources/resource_file.h"
#include "sound/sound_table.h"
#include "sound/wave.h"

const SoundFacts& SoundChecker::sound(const std::string& name)
{
    auto it = sounds_.find(name);
    if (it != sounds_.end()) return it->second;
    SoundFacts& f = sounds_[name];
    ResourceFile file;
    if (name.empty() || !file.open(sound_file_played(name.c_str()))) return f;
    f.found = true;
    CWave wave(file.path);
    f.playable = wave.is_loaded();
    file.close();
    return f;
}

void report_sound(CheckReport& report, const std::string& file, int line, const std::string& what,
                  const std::string& name, const SoundFacts& f)
{
    const std::string played = sound_file_played(name.c_str());
    const std::string shown = played == name ? "\"" + name + "\"" : "\"" + name + "\" (file \"" + played + "\")";
    if (!f.found)
        report.error(file, line, "%s %s: not found", what.c_str(), shown.c_str());
    else if (!f.playable)
        report.error(file, line, "%s %s: not a WAVE file the game can play (PCM, 1 or 2 channels, 8 or 16 bits)",
                     what.c_str(), shown.c_str());
}
