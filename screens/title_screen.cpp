// The title screen (for now a black still background, until the menus arrive).
#include "app/app_state.h"
#include "graphics/display.h"
#include "screens/screens.h"
#include <cstring>

void enter_title()
{
    std::memset(AppState.background, 0, size_t(AppState.screenWidth) * size_t(AppState.screenHeight) * 2);
    AppState.screenState = STATE_TITLE;
}

void title_frame()
{
    if (!AppState.active) return;
    std::memcpy(AppState.backBuffer, AppState.background, size_t(AppState.screenWidth) * size_t(AppState.screenHeight) * 2);
    present();
}
