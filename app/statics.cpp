// Every long-lived object of the game, defined here so they are built in this order and torn down in reverse.
#include "app/app_state.h"
#include "app/input.h"
#include "app/menu_click.h"
#include "game/explosion.h"
#include "game/hero.h"
#include "game/level_progress.h"
#include "game/monster_kind.h"
#include "game/projectile.h"
#include "game/smoke.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "graphics/font_rast.h"
#include "graphics/graphic_strip.h"
#include "graphics/playfield.h"
#include "level/loader.h"
#include "sound/sound_table.h"

// 1. the input state
InputState g_input;
// 2. the game list and the menu list
CThingList GameList;
CThingList MenuList;
// 3. the ending's timers and music
CTimer EndingStepTimer;
CTimer EndingClickTimer;
CSound ending_music("sounds\\ending.wav");
// 4. the menu click timer
CTimer MenuClickTimer;
// 5. the story click timer and music
CTimer StoryClickTimer;
CSound story_music("sounds\\story.wav");
// 6. the level select click timer
CTimer LevelSelectClickTimer;
// 7. the level progress record
LevelProgressRecord LevelProgress;
// the well-known id table of the screens
uint32_t WellKnownIds[kWellKnownIdCount];
// 8. the application record
AppStateRecord AppState;
// 9. the playfield
CPlayfield Playfield;
// the text style every print uses
CFontRast TextStyle;
// the loading indicator
CLoader Loader;
// 10. the monster kinds table, the hero's strip sets, the shared sound records
CMonsterKindTable MonsterKinds;
CStripSet HeroRunStrips;
CStripSet HeroWalkStrips;
CStripSet HeroIdleStrips;
CStripSet HeroShootStrips;
CStripSet HeroDeathStrips;
// the projectiles' strips, the dragon fly's and the explosion's
CStripSet FireballStrips;
CStripSet SuperFireballStrips;
CStripSet LightningStrips;
CStripSet DragonFlyStrips;
CGraphicStrip ExplosionStrip;
CGraphicStrip SmokeStrip;  // the smoke puffs' frames
CSound snd_spawn("sounds\\spawn.wav");
CSound snd_powerup("sounds\\powerup.wav");
CSound snd_axe("sounds\\axe.wav");
CSound snd_frag("sounds\\frag.wav");
std::unique_ptr<CWave> wave_click;
std::unique_ptr<CWave> wave_winfire;
std::unique_ptr<CWave> wave_other;
