// CMeter: places its pictures and cuts the bar's visible part to the (smoothed) fraction of the range.
#include "game/meter.h"
#include <initializer_list>
#include "app/app_state.h"
#include "game/scene_sprite.h"
#include "game/thing_list.h"
#include "util/log.h"

namespace {

uint32_t add_picture(CThingList* list, const char* file, int px, int py, int32_t key)
{
    auto* sprite = new CSceneSprite;
    sprite->anchorMode = ANCHOR_TOP_LEFT;
    sprite->set_sort_key(key);
    sprite->show_picture(px, py, file);
    if (!sprite->picture) {
        delete sprite;
        return 0;
    }
    return list->adopt(sprite);
}

}  // namespace

bool CMeter::create(CThingList* into, const char* backFile, const char* barFile, int px, int py)
{
    if (!into) return false;
    list = into;
    if (backFile && backFile[0]) backId = add_picture(list, backFile, px, py, 999);
    barId = add_picture(list, barFile, px, py, 1000);
    if (!barId) {
        log_error("Error loading a meter graphic, out of memory or file missing?");
        return false;
    }
    return true;
}

CSceneSprite* CMeter::picture_of(uint32_t thingId) const
{
    if (!thingId || !list) return nullptr;
    return dynamic_cast<CSceneSprite*>(list->find_thing(thingId));
}

void CMeter::set_tint(float r, float g, float b)
{
    for (CSceneSprite* p : {picture_of(backId), picture_of(barId)})
        if (p) p->set_tint(r, g, b);
}

void CMeter::set_enabled(uint8_t flag)
{
    for (CSceneSprite* p : {picture_of(backId), picture_of(barId)})
        if (p) p->pixelTest = flag;
}

void CMeter::set_value(float v)
{
    current = v;
    CSceneSprite* bar = picture_of(barId);
    if (!bar || !bar->picture) {
        log_msg("Error, p_pic_front is invalid.");
        return;
    }
    float fraction = maximum > minimum ? (v - minimum) / (maximum - minimum) : 0.0f;
    if (fraction < 0.0f) fraction = 0.0f;
    if (fraction > 1.0f) fraction = 1.0f;
    if (rate != 0.0f) {
        float share = rate * float(AppState.frameScale);
        if (share > 1.0f) share = 1.0f;  // a long frame closes the gap, never overshoots it
        displayed += (fraction - displayed) * share;
    } else {
        displayed = fraction;
    }
    bar->sourceRect = Rect{0, 0, int(float(bar->width) * displayed), bar->height};
    bar->useSourceRect = 1;
}
