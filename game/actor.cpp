// CActor: construction at a random walkable place, facing, and frame stepping through directional strips.
#include "game/actor.h"

#include <cstdio>

#include "game/scene_sprite.h"
#include "graphics/picture.h"
#include "graphics/playfield.h"
#include "util/log.h"
#include "util/numeric.h"

namespace {

// A playfield whose rectangle holds no walkable point must not hang the constructor.
constexpr int kPlacementTries = 10000;

bool valid_direction(int d) { return d >= 0 && d <= 9; }

}  // namespace

CActor::CActor()
{
    anchorMode = ANCHOR_FEET;
    hitTestable = 0;
    scalePercent = random_range(20, 100);
    direction = random_range(1, 9);
    if (direction == 5) direction = 6;

    // Somewhere in the depth band; inside the walkable ground when the level has marked it out.
    const int32_t band0 = Playfield.height - Playfield.fieldStart + 10;
    const int32_t band1 = Playfield.height - Playfield.fieldEnd - 40;
    int32_t px = Playfield.width > 0 ? random_below(Playfield.width) : 0;
    int32_t py = band1 > band0 ? random_range(band0, band1) : band0;
    if (const Rect* r = Playfield.get_playfield_rect()) {
        const int32_t w = r->right - r->left;
        const int32_t h = r->bottom - r->top;
        bool found = false;
        for (int tries = 0; w > 0 && h > 0 && tries < kPlacementTries && !found; tries++) {
            px = r->left + 1 + random_below(w);
            py = r->top + 1 + random_below(h);
            found = Playfield.is_walkable(px, py);
        }
        if (!found) log_msg("No walkable place for a new actor; it stands at %d, %d.", px, py);
    }
    set_position(px, py);
    apply_depth_scale();
}

int32_t CActor::frame_count() const
{
    if (!stripSet || !valid_direction(direction)) return 0;
    CGraphicStrip& s = stripSet->slot[direction];
    // Strips load on first use; the count is known only then.
    if (s.frame_count() == 0 && (s.mirror || s.name[0])) {
        uint8_t flip = 0;
        s.get_frame(1, &flip);
    }
    return int32_t(s.frame_count());
}

void CActor::show_frame()
{
    if (!stripSet || !valid_direction(direction)) return;
    const int32_t count = frame_count();
    if (count >= 1 && frame > count) frame = count;
    if (count >= 1 && show_strip_frame(*this, stripSet->slot[direction], frame)) return;

    // Nothing to show; never keep a picture whose size no longer matches, and free one of the actor's own.
    if (pictureOwner || created) free_pixels(picture);
    pictureOwner = 0;
    created = 0;
    picture = nullptr;
    width = height = 0;
    update_scaled_size();
}

void CActor::apply_direction(int d, bool keepFrame)
{
    if (!keepFrame && d == lastDirection) return;
    if (!stripSet) {
        log_msg("Error, can't set dir on bad p_strip! %d", d);
        return;
    }
    if (!valid_direction(d)) return;
    direction = d;
    if (!keepFrame) {
        frame = 1;
        reverse = 0;
    }
    show_frame();
    if (!picture) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", d);
        log_msg("Direction %s not loaded?", text);
    }
    lastDirection = d;
}

void CActor::set_direction(int d) { apply_direction(d, false); }

void CActor::set_direction_keep_frame(int d) { apply_direction(d, true); }

void CActor::set_strip_set(CStripSet* set)
{
    if (!set) {
        log_msg("Error, tried to set to NULL graphic strip.");
        return;
    }
    if (set == stripSet) return;
    stripSet = set;
    frame = 0;
    reverse = 0;
    step_animation(animMode);
    // Backward play starting from 0 finishes without showing anything: show frame 1 of the new set.
    show_frame();
}

void CActor::play_backward_from_end()
{
    animMode = ANIM_BACKWARD_ONCE;
    reverse = 1;
    frame = frame_count();
    show_frame();
}

bool CActor::step_animation(int32_t mode)
{
    // A loop runs forward even after a ping-pong left the reverse flag on.
    if (mode == ANIM_ONCE || mode == ANIM_LOOP) reverse = 0;
    if (mode == ANIM_BACKWARD_ONCE) reverse = 1;
    frame += reverse ? -1 : 1;
    const int32_t count = frame_count();
    bool finished = false;
    if (mode == ANIM_PING_PONG && count == 1) {
        frame = 1;
    } else {
        if (frame < 1) {
            if (mode == ANIM_PING_PONG) {
                reverse = 0;
                frame = 2;
            } else if (mode == ANIM_BACKWARD_ONCE) {
                frame = 1;
                reverse = 0;
                return true;
            }
        }
        if (frame > count) {
            if (mode == ANIM_PING_PONG) {
                reverse = 1;
                frame = count - 1;
            } else if (mode == ANIM_ONCE) {
                frame = count;  // hold the last frame
                finished = true;
            } else if (mode == ANIM_LOOP) {
                frame = 1;
                finished = true;
            } else {
                finished = true;
            }
        }
    }
    if (frame < 1) frame = 1;
    show_frame();
    if (targetSpeed != 0.0f) frameTimer.set_interval(frameDelay);
    return finished;
}
