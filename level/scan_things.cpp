// sprite_create and scan_hard_boxes: the level file's scenery and hard boxes become things and playfield boxes.
#include "level/scan_things.h"
#include <vector>
#include "game/cannon.h"
#include "game/scene_sprite.h"
#include "game/thing_list.h"
#include "graphics/playfield.h"
#include "level/level_scan.h"

bool scan_hard_boxes(const LevelScript& script)
{
    std::vector<HardBoxLine> boxes;
    if (!read_hard_boxes(script, boxes)) return false;
    for (const HardBoxLine& box : boxes) Playfield.add_hard_box(box.rect, box.value);
    return true;
}

int32_t sprite_create(const SpriteTemplate& t, CThingList& list)
{
    if (t.isCannon) return create_cannon(t, list);
    auto* sprite = new CSceneSprite;
    if (t.animationInterval == -1) {
        sprite->show_picture(t.x, t.y, t.pictureName);
    } else {
        // Any other interval animates; a negative one as fast as the frames come.
        sprite->animate(t.x, t.y, t.pictureName, uint32_t(t.animationInterval < 0 ? 0 : t.animationInterval));
    }
    const uint32_t id = list.adopt(sprite);
    if (!id) return -1;
    sprite->anchorMode = t.orientation >= ANCHOR_TOP_LEFT && t.orientation <= ANCHOR_FEET ? t.orientation : ANCHOR_TOP_LEFT;
    sprite->screenSpace = 0;  // scrolls with the playfield
    sprite->set_sort_key(sprite_sort_key(t, sprite->height));
    return int32_t(id);
}
