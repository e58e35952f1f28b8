// The data names of the menu screens' pictures and sounds.
#include "screens/screen_files.h"
#include <cstdio>

const char* const kTitlePicture = "graphics\\interface\\title_main.jpg";
const char* const kTitlePlayButton = "graphics\\interface\\title_play_02.jpg";
const char* const kTitleQuitButton = "graphics\\interface\\title_quit_02.jpg";
const char* const kTitleOptionsButton = "graphics\\interface\\title_options_02.jpg";
const char* const kTitleSound = "sounds\\mbank2.wav";
const char* const kOptionsPicture = "graphics\\interface\\options_main.tga";
const char* const kOptionsBackButton = "graphics\\interface\\options_back.tga";
const char* const kOptionsDotOff = "graphics\\interface\\options_circle_02.tga";
const char* const kOptionsDotOn = "graphics\\interface\\options_circle_01.tga";
const char* const kOptionsEasy = "graphics\\interface\\options_easy.tga";
const char* const kOptionsNormal = "graphics\\interface\\options_NORMAL.tga";
const char* const kOptionsHard = "graphics\\interface\\options_HARD.tga";
const char* const kLevelSelectPicture = "graphics\\interface\\level_main.png";
const char* const kLevelSelectBackButton = "graphics\\interface\\level_back.png";
const char* const kStoryContinue = "graphics\\interface\\scroll_thing_01.jpg";
const char* const kStoryContinuePressed = "graphics\\interface\\scroll_thing_02.jpg";
const char* const kEndingQuitButton = "graphics\\interface\\quit.tga";
const char* const kEndingPictures[kEndingPictureCount] = {
    "graphics\\misc\\goddess_sshot1.png",
    "graphics\\misc\\goddess_sshot2.png",
    "graphics\\misc\\goddess_sshot3.png",
    "graphics\\misc\\goddess_sshot4.png",
};

void level_button_picture(int n, char* out, size_t outSize)
{
    std::snprintf(out, outSize, "graphics\\interface\\level_%d.png", n);
}
