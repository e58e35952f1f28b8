// The banner shown when the hero reaches the time gate (a scene sprite, so it lives apart from the gate).
#include "game/scene_sprite.h"
#include "game/thing_list.h"
#include "game/time_gate_banner.h"

uint32_t add_gate_banner(CThingList* list)
{
    if (!list) return 0;
    auto* banner = new CSceneSprite;
    banner->set_sort_key(500);
    banner->show_picture(120, 160, "graphics\\interface\\gate.tga");
    return list->adopt(banner);
}
