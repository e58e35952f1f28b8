// The data names of the in-game HUD pictures: the on-screen buttons, the meter bar and the spell bar's border.
#pragma once

inline constexpr const char* kQuitButtonPicture = "graphics\\interface\\quit.tga";
inline constexpr const char* kPauseButtonPicture = "graphics\\interface\\pause.tga";
// The bar of the hero's health meter, and of a boss's.
inline constexpr const char* kMeterBarPicture = "graphics\\misc\\time_meter.tga";
inline constexpr const char* kSpellBorderPicture = "graphics\\misc\\icon_border.tga";
// The loading indicator's strip, shown while a level's pictures load.
inline constexpr const char* kLoadingStrip = "graphics\\misc\\loading_";
