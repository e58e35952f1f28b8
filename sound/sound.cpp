// CSound: a named sound with its play flags, loaded from the program folder on first play.
#include "sound/sound.h"
#include <cstdio>
#include <new>
#include "app/app_state.h"
#include "resources/resource_file.h"
#include "sound/wave.h"
#include "util/log.h"
#include "util/strings.h"

CWave* create_sound_wave(const char* name)
{
    char path[512];
    std::snprintf(path, sizeof path, "%s%s", AppState.programDir, name);
    // Loose file first, else its archive beside it; the wave keeps the samples, so a temporary
    // extraction is deleted as soon as it is read.
    ResourceFile file;
    file.open(name);
    if (!file.found) log_msg("Can't find sound file %s.", path);
    return new (std::nothrow) CWave(file.found ? file.path : path);
}

CSound::CSound(const char* initial_name) { set_name(initial_name); }

CSound::~CSound()
{
    stop();
    delete wave;
}

void CSound::set_name(const char* new_name) { copy_text(name, sizeof name, new_name ? new_name : ""); }

void CSound::play()
{
    if (!wave) {
        wave = create_sound_wave(name);
        if (!wave) {
            log_msg("Error loading %s.", name);
            return;
        }
    }
    if (skip_if_playing && wave->is_playing()) return;
    if (!overlap) wave->stop();
    wave->play(loop != 0);
}

void CSound::stop()
{
    if (wave && wave->is_playing()) wave->stop();
}

void CSound::unload()
{
    stop();
    if (!wave) return;
    log_msg("Unloaded sound %s.", name);
    delete wave;
    wave = nullptr;
}
