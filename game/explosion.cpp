// CExplosion plays the explosion strip once and removes itself; CShadow sits under a projectile.
#include "game/explosion.h"

#include "game/level_progress.h"
#include "game/scene_sprite.h"
#include "game/thing_list.h"
#include "graphics/graphic_strip.h"
#include "sound/sound_table.h"
#include "util/strings.h"

namespace {

constexpr uint32_t kExplosionFrameMs = 40;
constexpr float kExplosionPad = 1.5f;  // room for bursts drawn larger than their frames
constexpr float kShadowLift = 6.0f;

}  // namespace

CExplosion::CExplosion()
{
    anchorMode = ANCHOR_CENTRE;
    hitTestable = 0;
    pause = &LevelProgress.paused;
    show_frame();
    if (width > 0 && height > 0)
        alloc_scratch(int(float(width) * kExplosionPad), int(float(height) * kExplosionPad));
    set_scale_percent(100);
    set_sort_key(y + height / 2);
    frameTimer.set_interval(kExplosionFrameMs);
}

void CExplosion::show_frame()
{
    if (!show_strip_frame(*this, ExplosionStrip, frame)) picture = nullptr;
}

void CExplosion::think()
{
    if (pause && *pause) return;
    step_tint();
    if (!frameTimer.ready()) return;
    if (frame >= int32_t(ExplosionStrip.frame_count())) {
        removeFlag = 1;
        return;
    }
    frame++;
    show_frame();
}

void CExplosion::start(int32_t variant)
{
    if (variant == EXPLOSION_LIGHTNING) {
        set_tint(0.0f, 0.0f, 100.0f);
        play_sound("sounds\\lightning_hit.wav");
    } else {
        play_sound("sounds\\explosion.wav");
    }
}

CExplosion* spawn_explosion(CThingList* list, int32_t px, int32_t py, int32_t scalePercent, int32_t sortBelow,
                            int32_t variant)
{
    if (!list) return nullptr;
    auto* burst = new CExplosion;
    if (!list->adopt(burst)) return nullptr;
    burst->anchorMode = ANCHOR_FEET;
    burst->set_position(px, py);
    burst->set_scale_percent(scalePercent < 1 ? 1 : scalePercent);
    burst->set_sort_key(sortBelow + 1);
    burst->start(variant);
    return burst;
}

CShadow::CShadow(const char* file)
{
    anchorMode = ANCHOR_CENTRE;
    hitTestable = 0;
    heightAboveGround = kShadowLift;
    copy_text(fileName, sizeof fileName, file);
    if (load_picture() && width > 0 && height > 0) alloc_scratch(width, height);
}

void CShadow::follow(int32_t groundX, int32_t groundY, int32_t percent, int32_t aboveSortKey)
{
    set_position(groundX, groundY);
    set_scale_percent(percent);
    set_sort_key(aboveSortKey - 1);
}
