// CMessageLine: renders the text into its panel, then slides in, holds for the time asked and slides out.
#include "game/message_line.h"
#include "app/app_state.h"
#include "graphics/font_rast.h"
#include "util/strings.h"

namespace {
constexpr float kSlideSpeed = 1.365f;  // pixels per hundredth of a second
constexpr int kPanelWidth = 240;
constexpr int kPanelHeight = 60;
constexpr int32_t kPanelColour = 10565;  // a dark slate blue in 5-6-5
constexpr uint32_t kTextColour = 0xC8C8C8;
// At rest the panel lies below the spell bar, whose counts reach a few rows into its empty top margin. On
// the way down and back up its text crosses the icons and counts, so there it is drawn above them.
constexpr int32_t kRestingSortKey = 700;
constexpr int32_t kSlidingSortKey = 2000;
}  // namespace

CMessageLine::CMessageLine()
{
    anchorMode = ANCHOR_TOP_LEFT;
    screenSpace = 1;
    useScratch = 0;
    hitTestable = 0;
    pixelTest = 0;  // drawn opaque: its fill is also its top-left pixel, which would key the panel away
    sortKey = kSlidingSortKey;
}

void CMessageLine::place(int hidden, int shown)
{
    hiddenY = hidden;
    shownY = shown;
    set_sort_key(kRestingSortKey);
}

void CMessageLine::show_text(const char* text, uint32_t ms)
{
    copy_text(pendingText, sizeof pendingText, text);
    pendingDuration = ms;
    if (sliding) {
        // The panel on screen goes back up at once; this text comes down after it.
        slide_out();
        pending = 1;
        return;
    }
    start();
}

void CMessageLine::slide_out()
{
    phase = MESSAGE_SLIDING_OUT;
    set_sort_key(kSlidingSortKey);
}

void CMessageLine::start()
{
    sliding = 1;
    phase = MESSAGE_SLIDING_IN;
    currentY = float(hiddenY);
    set_position(5, hiddenY);
    set_sort_key(kSlidingSortKey);
    if (create_picture(kPanelWidth, kPanelHeight, kPanelColour)) {
        TextStyle.set_font(15, "Arial", 0, 0, 1, 1);
        TextStyle.set_text_colour(kTextColour);
        // The panel stands 5 pixels in from the left, so its last 5 columns are off screen: wrap the text
        // short of them, keeping the same margin on both sides.
        Rect area{5, 5, kPanelWidth - 10, kPanelHeight};
        TextStyle.render_text(picture, width, height, &area, pendingText, 1);
    }
    holdTime = pendingDuration;
    pending = 0;
}

void CMessageLine::draw()
{
    // Nothing to show between messages (at the hidden height the panel's lower part would still be on screen).
    if (!sliding) return;
    const float step = float(AppState.frameScale) * kSlideSpeed;
    switch (phase) {
    case MESSAGE_SLIDING_IN:
        currentY += step;
        if (currentY >= float(shownY)) {
            currentY = float(shownY);
            phase = MESSAGE_HOLDING;
            holdTimer.set_interval(holdTime);
            set_sort_key(kRestingSortKey);
        }
        break;
    case MESSAGE_HOLDING:
        if (holdTimer.ready()) slide_out();
        break;
    default:
        currentY -= step;
        if (currentY < float(hiddenY)) {
            currentY = float(hiddenY);
            sliding = 0;
            if (pending) start();
        }
        break;
    }
    set_position_f(5.0f, currentY);
    if (sliding) CVisual::draw();
}
