// The game-over banner: a scene sprite that slides in from the left edge and stays.
#include "game/hero_banner.h"

#include "game/scene_sprite.h"
#include "game/thing_list.h"

uint32_t add_game_over_banner(CThingList* list)
{
    if (!list) return 0;
    auto* banner = new CSceneSprite;
    banner->anchorMode = ANCHOR_TOP_LEFT;
    banner->hitTestable = 0;
    banner->show_picture(-224, 100, "graphics\\interface\\GameOver.png");
    banner->set_speed(0.51f);
    banner->move_by(232.0f, 0.0f);
    banner->set_sort_key(500);
    const uint32_t id = list->add_thing(banner);
    if (id == kNoThing) {
        delete banner;
        return 0;
    }
    return id;
}
