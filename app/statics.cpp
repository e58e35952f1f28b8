// Every long-lived object of the game, defined here so they are built in this order and torn down in reverse.
#include "app/app_state.h"
#include "app/input.h"

// 1. the input state
InputState g_input;
// 2. the game list and the menu list
// 3. the ending's timers and music
// 4. the menu click timer
// 5. the story click timer and music
// 6. the level select click timer
// 7. the level progress record
// 8. the application record
AppStateRecord AppState;
// 9. the playfield
// 10. the monster kinds table, the hero's strip sets, the shared sound records
