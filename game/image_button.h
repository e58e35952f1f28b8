// CImageButton: a picture button with a pressed picture, optionally hidden until pressed, or one dot of a slider.
#pragma once
#include <cstdint>
#include "game/visual.h"

constexpr int kButtonFileSize = 256;

class CImageButton : public CVisual {
public:
    CImageButton();

    void draw() override;
    void hit(int32_t amount, int32_t flag) override;

    // Shows the file at (x, y) screen pixels, top-left; no pressed picture yet.
    bool create(const char* file, int px, int py);
    void set_alternate(const char* file);
    // The pressed picture (when one is named) and the released one.
    void press();
    void release();
    void set_hidden_unless_pressed() { hiddenUnlessPressed = 1; }

    char normalFile[kButtonFileSize] = {};
    char alternateFile[kButtonFileSize] = {};
    char currentFile[kButtonFileSize] = {};
    uint8_t showingAlternate = 0;
    uint8_t hiddenUnlessPressed = 0;
    uint8_t disabled = 0;
    uint32_t sliderId = 0;  // the slider this dot belongs to (in the same list); 0 for a plain button

private:
    void show_file(const char* file);
};
