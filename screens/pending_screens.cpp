// Frame routines of the screens still to come: each returns at once.
#include "game/level_progress.h"
#include "screens/game_screen.h"
#include "screens/screens.h"

void story_frame() {}
void level_select_frame() {}
void options_frame() {}
void ending_frame() {}
// Until the story scroller comes the level follows at once; until the ending comes, the title.
void enter_story(const char*, const char*) { start_level(LevelProgress.levelNumber); }
void enter_ending() { enter_title(); }
