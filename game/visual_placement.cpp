// CVisual placement: positions, distances and bearings to other things, depth scaling, the on-screen test.
#include <cmath>

#include "app/app_state.h"
#include "game/direction.h"
#include "game/thing_list.h"
#include "game/visual.h"
#include "graphics/playfield.h"
#include "util/log.h"

namespace {

// Things reach each other only through the list that holds them.
const CVisual* find_visual(const CThing* self, uint32_t id)
{
    if (!self->ownerList) return nullptr;
    return dynamic_cast<const CVisual*>(self->ownerList->find_thing(id));
}

}  // namespace

void CVisual::set_position(int32_t px, int32_t py)
{
    x = px;
    y = py;
    fx = float(px);
    fy = float(py);
}

void CVisual::set_position_f(float px, float py)
{
    fx = px;
    fy = py;
    x = int32_t(px);
    y = int32_t(py);
}

int32_t CVisual::Getdistance(const CVisual* other) const
{
    const float dx = float(other->x - x);
    const float dy = float(other->y - y) * Playfield.verticalDistance;
    return int32_t(std::sqrt(dx * dx + dy * dy));
}

int32_t CVisual::Getdistance(uint32_t otherId) const
{
    const CVisual* other = find_visual(this, otherId);
    if (!other) {
        log_msg("Getdistance from entity, entity doesn't exist.");
        return -1;
    }
    return Getdistance(other);
}

float CVisual::get_angle_to_handle(uint32_t otherId) const
{
    const CVisual* other = find_visual(this, otherId);
    if (!other) {
        log_msg("get_angle_to_handle entity doesn't exist!");
        return 0.0f;
    }
    return angle_of(float(other->x - x), float(other->y - y));
}

void CVisual::set_scale_percent(int32_t percent)
{
    scalePercent = percent;
    update_scaled_size();
}

void CVisual::apply_depth_scale()
{
    const float far = float(Playfield.height - Playfield.fieldStart);
    const float near = float(Playfield.height - Playfield.fieldEnd);
    float percent;
    if (near != far) {
        percent = 100.0f + (100.0f * (float(y) - far) / (near - far) - 100.0f) * Playfield.scaleMod;
    } else {
        // An empty band: everything at or below the line is near, everything above it far.
        percent = float(y) >= near ? 100.0f : 100.0f - 100.0f * Playfield.scaleMod;
    }
    // Clamped before truncating, so a wild modifier never overflows the integer.
    if (!(percent >= 1.0f)) percent = 1.0f;
    if (percent > 100.0f) percent = 100.0f;
    set_scale_percent(int32_t(percent));
    set_sort_key(y);
}

bool CVisual::is_on_screen(int32_t margin) const
{
    const Rect* field = Playfield.get_playfield_rect();
    if (field && y >= field->bottom) return false;
    const int32_t left = int32_t(Playfield.viewX) - margin;
    const int32_t right = int32_t(Playfield.viewX) + AppState.screenWidth + margin;
    if (x >= left && x <= right) return true;
    // Near the wrap seam the start of the playfield is shown right of the playfield's end.
    const int32_t wrapped = x + Playfield.width;
    return wrapped >= left && wrapped <= right;
}
