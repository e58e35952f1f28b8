// The pictures and sounds the menu screens show and play, by data name.
#pragma once
#include <cstddef>

extern const char* const kTitlePicture;
extern const char* const kTitlePlayButton;
extern const char* const kTitleQuitButton;
extern const char* const kTitleOptionsButton;
extern const char* const kTitleSound;
extern const char* const kOptionsPicture;
extern const char* const kOptionsBackButton;
extern const char* const kOptionsDotOff;
extern const char* const kOptionsDotOn;
extern const char* const kOptionsEasy;
extern const char* const kOptionsNormal;
extern const char* const kOptionsHard;
extern const char* const kLevelSelectPicture;
extern const char* const kLevelSelectBackButton;
extern const char* const kStoryContinue;
extern const char* const kStoryContinuePressed;
extern const char* const kEndingQuitButton;
constexpr int kEndingPictureCount = 4;
extern const char* const kEndingPictures[kEndingPictureCount];

// "graphics\interface\level_<n>.png": the level select's button for level n.
void level_button_picture(int n, char* out, size_t outSize);
