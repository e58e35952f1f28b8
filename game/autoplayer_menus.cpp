// The built-in player on the menu screens: play on the title, the highest unlocked level, continue on stories,
// and quit after a lost fight.
#include "game/autoplayer_menus.h"
#include "app/app_state.h"
#include "app/menu_click.h"
#include "game/hero.h"
#include "game/image_button.h"
#include "game/thing_list.h"
#include "game/well_known_ids.h"
#include "platform/events.h"
#include "util/log.h"

namespace {

// Frames between two taps: the click delay plays out and the next screen is built before the next tap.
constexpr long kTapEveryFrames = 12;
// A story is left to rise a little before it is skipped.
constexpr long kStoryReadFrames = 25;
// After a lost fight the game-over banner shows a while; then quit, and the level is chosen again.
constexpr long kGameOverFrames = 75;

long g_frame = 0;
long g_lastTap = -1000;
uint32_t g_lastState = 0xFFFFFFFFu;
long g_stateSince = 0;
long g_deadSince = -1;

// A point of the button's picture that is not its transparent colour, searched outward from the centre,
// so the tap lands where a person would see the button.
bool point_on(const CVisual& v, int* sx, int* sy)
{
    if (!v.picture || v.width < 1 || v.height < 1) return false;
    const uint16_t key = v.picture[0];
    const int cx = v.width / 2, cy = v.height / 2;
    const int reach = v.width > v.height ? v.width : v.height;
    for (int r = 0; r <= reach; r++)
        for (int dy = -r; dy <= r; dy++)
            for (int dx = -r; dx <= r; dx++) {
                if (dx != -r && dx != r && dy != -r && dy != r) continue;  // the ring only
                const int px = cx + dx, py = cy + dy;
                if (px < 0 || py < 0 || px >= v.width || py >= v.height) continue;
                if (v.picture[py * v.width + px] == key) continue;
                *sx = v.draw_left() + px;
                *sy = v.draw_top() + py;
                return true;
            }
    return false;
}

bool tap_thing(uint32_t id, const CThingList& list = MenuList)
{
    const auto* v = id ? dynamic_cast<const CVisual*>(list.find_thing(id)) : nullptr;
    int sx = 0, sy = 0;
    if (!v || !point_on(*v, &sx, &sy)) return false;
    events_post({MSG_LBUTTONDOWN, 0, pack_point(sx, sy)});
    events_post({MSG_LBUTTONUP, 0, pack_point(sx, sy)});
    g_lastTap = g_frame;
    return true;
}

// The unlocked level button with the highest level number.
uint32_t highest_level_button()
{
    uint32_t best = 0;
    int32_t bestLevel = 0;
    for (CThing* t = MenuList.first_thing(); t; t = MenuList.next_thing()) {
        const auto* b = dynamic_cast<const CImageButton*>(t);
        if (b && !b->disabled && b->value > bestLevel) {
            bestLevel = b->value;
            best = b->id;
        }
    }
    return best;
}

}  // namespace

bool autoplay_menus_step()
{
    g_frame++;
    const uint32_t state = AppState.screenState;
    if (state != g_lastState) {
        g_lastState = state;
        g_stateSince = g_frame;
        // So a run's log tells how long the whole game took.
        if (state == STATE_ENDING) log_msg("Autoplay: the ending begins at frame %ld.", g_frame);
    }
    if (state == STATE_LOADING) return false;
    if (state == STATE_GAME) {
        const CHero* hero = current_hero();
        if (!hero || hero->alive) {
            g_deadSince = -1;
            return false;
        }
        if (g_deadSince < 0) g_deadSince = g_frame;
        if (g_frame - g_deadSince >= kGameOverFrames && g_frame - g_lastTap >= kTapEveryFrames)
            tap_thing(WellKnownIds[SLOT_QUIT_BUTTON], GameList);
        return true;
    }
    if (PendingButton != kNoPending || g_frame - g_lastTap < kTapEveryFrames) return true;
    switch (state) {
    case STATE_TITLE: tap_thing(WellKnownIds[MENU_SLOT_GO]); break;
    case STATE_OPTIONS: tap_thing(WellKnownIds[MENU_SLOT_BACK]); break;
    case STATE_LEVEL_SELECT: tap_thing(highest_level_button()); break;
    case STATE_STORY:
        if (g_frame - g_stateSince >= kStoryReadFrames) tap_thing(WellKnownIds[MENU_SLOT_GO]);
        break;
    default: break;  // the ending plays to its last line and stays
    }
    return true;
}
