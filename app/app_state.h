// The application record: current screen, program folder, buffers and the frame clock.
#pragma once
#include <cstdint>
#include "util/strings.h"

class CThingList;

enum ScreenState : uint32_t {
    STATE_LOADING = 0,
    STATE_GAME = 1,
    STATE_TITLE = 2,
    STATE_STORY = 8,
    STATE_LEVEL_SELECT = 9,
    STATE_OPTIONS = 10,
    STATE_ENDING = 11,
};

struct AppStateRecord {
    uint32_t screenState = STATE_LOADING;
    uint8_t active = 1;
    char programDir[256] = {};        // ends in the separator; prefix of every data path
    wchar16 programDirWide[256] = {};
    int32_t screenWidth = 240;
    int32_t screenHeight = 320;
    uint16_t* background = nullptr;   // the screen's still background
    uint16_t* backBuffer = nullptr;   // the frame being drawn
    uint32_t frameTime = 0;           // tick count sampled at the start of the frame
    double frameScale = 4.0;          // smoothed frame length in hundredths of a second
    int32_t volume = 0;
    CThingList* currentGameList = nullptr;
};

extern AppStateRecord AppState;

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;
