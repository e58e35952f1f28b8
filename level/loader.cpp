// CLoader: owns the indicator's sprite and draws and presents it from inside strip loading.
#include "level/loader.h"
#include "app/app_state.h"
#include "game/scene_sprite.h"
#include "graphics/display.h"
#include "graphics/graphic_strip.h"
#include "util/log.h"

namespace {
void draw_loader() { Loader.draw(); }
}  // namespace

CLoader::CLoader()
{
    log_msg("initting CLoader");
    if (this == &Loader) set_strip_load_hook(&draw_loader);
}

CLoader::~CLoader()
{
    if (this == &Loader) set_strip_load_hook(nullptr);
    delete sprite;
    sprite = nullptr;
    log_msg("Killed CLoader");
}

void CLoader::initialise(int x, int y, const char* stripName)
{
    if (!sprite) sprite = new CSceneSprite;
    drawing = 1;  // loading the indicator's own first frame draws nothing
    sprite->animate(x, y, stripName, 0);
    drawing = 0;
}

void CLoader::set_position(int x, int y)
{
    if (sprite) sprite->place_at(x, y);
}

void CLoader::show(uint8_t flag)
{
    if (!sprite) {
        log_msg("ERROR:  loading graphic not initted, how are we gonna show it?");
        return;
    }
    visible = flag;
}

void CLoader::draw()
{
    if (!visible || !sprite || drawing || !AppState.backBuffer) return;
    drawing = 1;
    uint16_t* target = g_drawTarget;
    g_drawTarget = AppState.backBuffer;
    sprite->think();
    sprite->draw();
    g_drawTarget = target;
    present();
    drawing = 0;
}
