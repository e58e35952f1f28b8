// CImageButton: normal and pressed pictures, hidden-unless-pressed drawing and taps (passed to its slider).
#include "game/image_button.h"
#include <cstring>
#include "game/slider.h"
#include "game/thing_list.h"
#include "util/strings.h"

CImageButton::CImageButton()
{
    anchorMode = ANCHOR_TOP_LEFT;
    screenSpace = 1;
    useScratch = 0;  // drawn at its own size, no pad
}

bool CImageButton::create(const char* file, int px, int py)
{
    copy_text(normalFile, sizeof normalFile, file);
    alternateFile[0] = '\0';
    showingAlternate = 0;
    hiddenUnlessPressed = 0;
    disabled = 0;
    screenSpace = 1;
    set_position(px, py);
    copy_text(currentFile, sizeof currentFile, file);
    copy_text(fileName, sizeof fileName, file);
    return load_picture();
}

void CImageButton::set_alternate(const char* file) { copy_text(alternateFile, sizeof alternateFile, file); }

void CImageButton::show_file(const char* file)
{
    // Pressing an already pressed button reads nothing again.
    if (picture && std::strcmp(currentFile, file) == 0) return;
    copy_text(currentFile, sizeof currentFile, file);
    copy_text(fileName, sizeof fileName, file);
    load_picture();
}

void CImageButton::press()
{
    showingAlternate = 1;
    if (alternateFile[0]) show_file(alternateFile);
}

void CImageButton::release()
{
    showingAlternate = 0;
    show_file(normalFile);
}

void CImageButton::hit(int32_t amount, int32_t flag)
{
    (void)amount;
    (void)flag;
    if (disabled) return;
    if (sliderId) {
        CSlider* slider = ownerList ? dynamic_cast<CSlider*>(ownerList->find_thing(sliderId)) : nullptr;
        if (slider) slider->on_button(id);
        return;
    }
    if (alternateFile[0]) press();
}

void CImageButton::draw()
{
    if (hiddenUnlessPressed && !showingAlternate) return;
    CVisual::draw();
}
