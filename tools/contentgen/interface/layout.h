// Where the game places every menu and HUD picture (top-left corners unless noted), so art lines up with it.
#pragma once

struct Box {
    int x, y, w, h;
};

// Title: the buttons are drawn into the background; their pressed pictures cover them exactly.
constexpr Box kTitlePlay{171, 167, 64, 32};
constexpr Box kTitleOptions{145, 207, 92, 32};
constexpr Box kTitleQuit{183, 245, 52, 32};

// Options.
constexpr Box kOptionsBack{10, 283, 64, 28};
constexpr int kDotX = 46, kDotY = 148, kDotSpacing = 22, kDotSize = 12, kDotCount = 5;
constexpr Box kEasy{24, 216, 62, 24};
constexpr Box kNormal{89, 216, 62, 24};
constexpr Box kHard{154, 216, 62, 24};
inline int dot_x(int i) { return kDotX + i * (kDotSpacing + kDotSize); }

// Level select: level n at x 15 (odd) or 127 (even), y 105 + 30 * ((n - 1) / 2).
constexpr int kLevelW = 100, kLevelH = 26;
inline Box level_box(int n) { return {n % 2 ? 15 : 127, 105 + 30 * ((n - 1) / 2), kLevelW, kLevelH}; }
constexpr Box kLevelBack{10, 283, 64, 28};
constexpr int kLoaderSelectX = 176, kLoaderSelectY = 297;  // centre of the loading strip

// Story scroller: the continue strip covers the bottom of the screen.
constexpr Box kStoryStrip{0, 253, 240, 67};

// In game.
constexpr Box kQuit{192, 298, 44, 20};
constexpr Box kPause{124, 298, 56, 20};
constexpr Box kHeroMeter{3, 307, 116, 9};
constexpr Box kBossMeter{3, 290, 116, 9};
constexpr int kSpellSlotX = 20, kSpellSlotStep = 52, kSpellSlotY = 5;
constexpr int kIconCx = 19, kIconCy = 17, kLabelCx = 19, kLabelCy = 47;
constexpr int kIconW = 34, kIconH = 30;     // centred at slot + (19, 17)
constexpr int kBorderW = 38, kBorderH = 34;  // top-left at the slot position
constexpr int kLoaderSize = 40;

// Banners.
constexpr Box kGameOver{8, 100, 224, 60};   // where it comes to rest (it slides in from x = -224)
constexpr int kGateW = 200, kGateH = 72;    // centred at (120, 160)
constexpr int kEndingW = 208, kEndingH = 224;  // centred at (120, 130) then (120, 140)
