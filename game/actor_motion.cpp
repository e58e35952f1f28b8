// CActor motion: speed and steps along the facing with depth and wrap, steering, turning, the point ahead.
#include <cmath>

#include "app/app_state.h"
#include "game/actor.h"
#include "game/direction.h"
#include "game/thing_list.h"
#include "graphics/playfield.h"
#include "util/log.h"
#include "util/numeric.h"

namespace {

constexpr float kDiagonalAcross = 0.5f;
constexpr float kDiagonalDown = 0.7692308f;
constexpr float kSmallestDepthFactor = 0.1f;

// Screen width over height: vertical steps are foreshortened by the screen's shape (0.75).
float aspect() { return float(AppState.screenWidth) / float(AppState.screenHeight); }

}  // namespace

void CActor::move()
{
    const float t = float(AppState.frameScale);
    if (speed != targetSpeed) approach(&speed, targetSpeed, acceleration * t);

    const float s = speed * t;
    float dx = 0.0f, dy = 0.0f;
    switch (direction) {
    case 6: dx = s; break;
    case 4: dx = -s; break;
    case 2: dy = s; break;
    case 8: dy = -s; break;
    case 3: dx = kDiagonalAcross * s; dy = kDiagonalDown * s; break;
    case 1: dx = -kDiagonalAcross * s; dy = kDiagonalDown * s; break;
    case 9: dx = kDiagonalAcross * s; dy = -kDiagonalDown * s; break;
    case 7: dx = -kDiagonalAcross * s; dy = -kDiagonalDown * s; break;
    default: break;
    }

    // Far away things cover fewer pixels for the same stride.
    float f = float(scalePercent) * 0.01f;
    if (f < kSmallestDepthFactor) f = kSmallestDepthFactor;
    float nx = fx + f * dx * horizontalMultiplier;
    float ny = fy + aspect() * f * dy * verticalMultiplier;

    if (Playfield.playfield_rect_set() && !Playfield.is_walkable(int(nx), int(ny))) {
        nx = fx;
        ny = fy;
        blocked = 1;
    }
    const float w = float(Playfield.width);
    if (nx > w) nx -= w;
    else if (nx < 0.0f) nx += w;

    const int32_t oldY = y;
    set_position_f(nx, ny);
    if (y != oldY) apply_depth_scale();
}

bool CActor::unblock()
{
    if (!blocked) return false;
    set_direction(turn_clockwise(direction));
    blocked = 0;
    return true;
}

void CActor::set_move_target(int32_t tx, int32_t ty)
{
    moveTargetX = tx;
    moveTargetY = ty;
    moveTargetActive = 1;
    tracking = 0;
}

void CActor::set_move_target_thing(uint32_t thingId)
{
    trackedId = thingId;
    moveTargetActive = 1;
    tracking = 1;
}

void CActor::clear_move_target()
{
    moveTargetActive = 0;
    tracking = 0;
}

bool CActor::steer(bool stopOnArrival)
{
    if (steeringMode != STEER_CHASE && targetSpeed == 0.0f) return false;
    if (!moveTargetActive) return false;
    if (tracking) {
        const CVisual* t =
            ownerList ? dynamic_cast<const CVisual*>(ownerList->find_thing(trackedId)) : nullptr;
        if (!t) {
            log_msg("Can't target null, removing target.");
            clear_move_target();
            return false;
        }
        moveTargetX = t->x;
        moveTargetY = t->y;
    }
    if (stopOnArrival) {
        const float dx = float(moveTargetX - x);
        const float dy = float(moveTargetY - y) * float(int(Playfield.verticalDistance));
        if (int32_t(std::sqrt(dx * dx + dy * dy)) < arrivalDistance) {
            clear_move_target();
            return true;
        }
    }
    // One 45-degree step per call: the caller's call rate sets how fast it turns.
    const int desired = direction_to(float(x), float(y), float(moveTargetX), float(moveTargetY));
    if (desired != direction) set_direction(turn_toward(desired, direction));
    return false;
}

bool CActor::walk_toward_target() { return steer(true); }

void CActor::face_target() { steer(false); }

void CActor::random_turn()
{
    if (!stripSet) return;
    int d = direction;
    const CGraphicStrip& diagonal = stripSet->slot[9];
    if (diagonal.mirror || diagonal.frame_count() > 0) {
        d = random_below(2) == 0 ? turn_clockwise(d) : turn_counter_clockwise(d);
    } else {
        // Four-direction creatures turn a right angle; a diagonal facing stays.
        const bool clockwise = random_below(2) == 0;
        switch (d) {
        case 8: d = clockwise ? 6 : 4; break;
        case 6: d = clockwise ? 2 : 8; break;
        case 2: d = clockwise ? 4 : 6; break;
        case 4: d = clockwise ? 8 : 2; break;
        default: break;
        }
    }
    set_direction(d);
}

void CActor::point_ahead(int32_t distance, int32_t* outX, int32_t* outY) const
{
    const int32_t n = int32_t(float(scalePercent) * 0.01f * float(distance));
    const float diagonal = 0.5f * aspect() * float(n);
    float px = float(x), py = float(y);
    switch (direction) {
    case 6: px += float(n); break;
    case 4: px -= float(n); break;
    case 8: py -= float(n); break;
    case 2: py += float(n); break;
    case 7: px -= diagonal; py -= diagonal; break;
    case 9: px += diagonal; py -= diagonal; break;
    case 1: px -= diagonal; py += diagonal; break;
    case 3: px += diagonal; py += diagonal; break;
    default: break;
    }
    *outX = int32_t(px);
    *outY = int32_t(py);
}
