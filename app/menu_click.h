// The menu click protocol every menu-like screen shares: one pending button, the click, the delayed action.
#pragma once
#include <cstdint>
#include "util/timer.h"

// The button a menu screen will act on once its click timer runs out; kNoPending for none.
constexpr uint32_t kNoPending = 0xFFFFFFFFu;
extern uint32_t PendingButton;

// The screens' timers, defined among the statics in their order.
extern CTimer EndingStepTimer;        // one step of the ending every 1000 ms
extern CTimer EndingClickTimer;
extern CTimer MenuClickTimer;         // shared by the title and the options screen
extern CTimer StoryClickTimer;
extern CTimer LevelSelectClickTimer;

constexpr uint32_t kClickDelayMs = 200;

// Well-known id slots in which the menu screens record their buttons (the built-in player finds them there).
enum MenuSlot : int {
    MENU_SLOT_QUIT = 0,     // the title's and the ending's quit button
    MENU_SLOT_GO = 1,       // the title's play button, the story's continue strip
    MENU_SLOT_OPTIONS = 7,  // the title's options button, the options screen's volume slider
    MENU_SLOT_BACK = 9,     // the options and level select back buttons
};

// On entering a screen: nothing pending.
void menu_reset_pending();
// While nothing is pending and there is a new tap: logs "Clicked!", consumes the input edges and asks the
// menu list what lies under the tap. A hit plays the click, becomes the pending button and starts timer
// with the click delay; a hit on quietId plays nothing and is due at once. Returns the hit, or kNoPending.
uint32_t menu_take_tap(CTimer& timer, uint32_t quietId = kNoPending);
// A button is pending and its timer has run out.
bool menu_pending_due(CTimer& timer);
// The common end of a menu frame: input edges consumed, background copied to the back buffer, the menu
// list thinks and draws, present. beforeThink runs after the background copy (the ending's step).
void menu_draw_frame(void (*beforeThink)() = nullptr);
// Empties the menu list before another screen is entered.
void menu_leave();

// A picture button in the menu list: the file as its normal picture, alternate as its pressed one (the
// same file when null), drawn only while pressed when hidden. Its id, or 0 when it could not be added.
uint32_t menu_add_button(const char* file, const char* alternate, int x, int y, bool hiddenUnlessPressed,
                         int32_t sortKey = 0);

// Reads a picture file (data name) and copies it into a screen-sized buffer, top-left aligned; a picture
// smaller than the screen leaves the rest untouched, a larger one is cut. On failure the buffer is unchanged.
bool load_screen_picture(const char* name, uint16_t* target);
