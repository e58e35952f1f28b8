// The shared sound records, the music of the story and ending screens, and play-by-name.
#pragma once
#include <memory>
#include "sound/sound.h"
#include "sound/wave.h"

extern CSound ending_music;  // "sounds\ending.wav"
extern CSound story_music;   // "sounds\story.wav"

extern CSound snd_spawn;
extern CSound snd_powerup;
extern CSound snd_axe;
extern CSound snd_frag;
// Made on first use, destroyed at exit.
extern std::unique_ptr<CWave> wave_click;    // "sounds\sel1.wav"
extern std::unique_ptr<CWave> wave_winfire;  // "sounds\god-h.wav"
extern std::unique_ptr<CWave> wave_other;    // whatever other name was played last

// Two fixed names of play_sound stand for other files: the menu click and the hero's strike.
extern const char* const kClickSound;    // plays "sounds\sel1.wav"
extern const char* const kWinfireSound;  // plays "sounds\god-h.wav"
// The file that play_sound reads for a name (the name itself, but for the two above).
const char* sound_file_played(const char* name);

// Plays a sound by its data name ("sounds\click.wav"); names outside the table share one slot, so each
// cuts off the one before. Always 1.
int play_sound(const char* name);
