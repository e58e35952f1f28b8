// Play-by-name: the fixed names and their shared records, and one shared slot for every other name.
#include "sound/sound_table.h"
#include <cstdio>
#include <cstring>
#include <new>
#include "app/app_state.h"
#include "resources/resource_file.h"

const char* const kClickSound = "sounds\\click.wav";
const char* const kWinfireSound = "sounds\\winfire.wav";

const char* sound_file_played(const char* name)
{
    if (std::strcmp(name, kClickSound) == 0) return "sounds\\sel1.wav";
    if (std::strcmp(name, kWinfireSound) == 0) return "sounds\\god-h.wav";
    return name;
}

// Made on first use from its file; stopped and played once, so a second play restarts it.
static void restart_shared(std::unique_ptr<CWave>& slot, const char* file)
{
    if (!slot) slot.reset(create_sound_wave(file));
    if (!slot) return;
    slot->stop();
    slot->play(false);
}

static void play_other(const char* name)
{
    char path[512];
    std::snprintf(path, sizeof path, "%s%s", AppState.programDir, name);
    ResourceFile file;
    if (file.open(name)) std::snprintf(path, sizeof path, "%s", file.path);
    // Reloading stops whatever the slot played before.
    if (wave_other)
        wave_other->load_file(path);
    else
        wave_other.reset(new (std::nothrow) CWave(path));
    if (wave_other) wave_other->play(false);
}

int play_sound(const char* name)
{
    if (!name) return 1;
    if (std::strcmp(name, "sounds\\spawn.wav") == 0)
        snd_spawn.play();
    else if (std::strcmp(name, "sounds\\powerup.wav") == 0)
        snd_powerup.play();
    else if (std::strcmp(name, "sounds\\axe.wav") == 0)
        snd_axe.play();
    else if (std::strcmp(name, kClickSound) == 0)
        restart_shared(wave_click, sound_file_played(name));
    else if (std::strcmp(name, kWinfireSound) == 0)
        restart_shared(wave_winfire, sound_file_played(name));
    else
        play_other(name);
    return 1;
}
