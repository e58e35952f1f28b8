// CMessageLine: the HUD panel that slides down from the top with a short text, holds, and slides back up.
#pragma once
#include <cstdint>
#include "game/visual.h"
#include "util/timer.h"

enum MessagePhase : int32_t {
    MESSAGE_SLIDING_IN = 0,
    MESSAGE_SLIDING_OUT = 1,
    MESSAGE_HOLDING = 2,
};

constexpr int kMessageTextSize = 256;

class CMessageLine : public CVisual {
public:
    CMessageLine();

    // Sliding happens while drawing, so the panel moves exactly as often as it is shown.
    void draw() override;

    void place(int hidden, int shown);
    // Shows text for ms once slid in; a message on screen slides out first and this one follows.
    void show_text(const char* text, uint32_t ms);

    uint8_t sliding = 0;
    int32_t phase = MESSAGE_SLIDING_IN;
    CTimer holdTimer;
    uint32_t holdTime = 0;
    int32_t hiddenY = -40;
    int32_t shownY = 53;
    float currentY = -40.0f;
    char pendingText[kMessageTextSize] = {};
    uint32_t pendingDuration = 0;
    uint8_t pending = 0;

private:
    void start();
    // Back up: the panel goes above the spell bar again, its text crossing the icons.
    void slide_out();
};
