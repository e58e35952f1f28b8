// CSlider: builds its row of dot buttons and lights them up to its value.
#include "game/slider.h"
#include "game/image_button.h"
#include "game/thing_list.h"
#include "util/log.h"

CSlider::CSlider(CThingList* owner) : list(owner) {}

bool CSlider::create_buttons(const char* normalFile, const char* litFile)
{
    // The dots report taps to the slider by its id, so it must have one first.
    if (!list || !id || list->find_thing(id) != this) {
        log_msg("Error, add the slider to its list before making its buttons.");
        return false;
    }
    if (count < 1) count = 1;
    if (count > kSliderMaxButtons) count = kSliderMaxButtons;
    int bx = x;
    for (int i = 0; i < count; i++) {
        auto* button = new CImageButton;
        button->create(normalFile, bx, y);
        button->set_alternate(litFile);
        button->pixelTest = buttonPixelTest;
        button->sliderId = id;
        button->clickResult = id;
        // Read before handing it over: a refused button is deleted at once.
        const int width = button->width;
        buttons[i] = list->adopt(button);
        bx += spacing + width;
    }
    return true;
}

void CSlider::set_range(float min, float max, float v)
{
    minimum = min;
    maximum = max;
    set_value(v);
}

float CSlider::button_value(int i) const
{
    if (count < 2) return minimum;
    return minimum + float(i) / float(count - 1) * (maximum - minimum);
}

void CSlider::set_value(float v)
{
    if (v < minimum) v = minimum;
    if (v > maximum) v = maximum;
    current = v;
    if (!list) return;
    for (int i = 0; i < count; i++) {
        auto* button = dynamic_cast<CImageButton*>(list->find_thing(buttons[i]));
        if (!button) continue;
        if (button_value(i) > v)
            button->release();
        else
            button->press();
    }
}

void CSlider::on_button(uint32_t buttonId)
{
    for (int i = 0; i < count; i++)
        if (buttons[i] && buttons[i] == buttonId) {
            set_value(button_value(i));
            return;
        }
}
