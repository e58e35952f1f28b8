// Frame routines of the screens still to come: each returns at once.
#include "screens/screens.h"

void game_frame() {}
void story_frame() {}
void level_select_frame() {}
void options_frame() {}
void ending_frame() {}
