// One painter per setting; each paints a whole playfield for its level plan.
#pragma once
#include "backgrounds/backdrop.h"
#include "levels/level_plan.h"

Image paint_meadow(const LevelPlan& p);
Image paint_forest(const LevelPlan& p);
Image paint_graveyard(const LevelPlan& p);
Image paint_swamp(const LevelPlan& p);
Image paint_desert(const LevelPlan& p);
Image paint_snow(const LevelPlan& p);
Image paint_castle_walls(const LevelPlan& p);
Image paint_thorn_garden(const LevelPlan& p);
Image paint_volcanic(const LevelPlan& p);
Image paint_crater(const LevelPlan& p);
Image paint_causeway(const LevelPlan& p);
Image paint_spire(const LevelPlan& p);
Image paint_level(const LevelPlan& p);

// Shared ground dressing.
// A winding path band across the playfield (tiles at the width); returns 0..1 how much of the path covers (x, y).
float path_cover(const Backdrop& b, float x, float y, float centre, float amplitude, int waves, float width, uint32_t s);
Rgba grass_texture(const Backdrop& b, float x, float y, Rgba base, uint32_t s);
// Flagstones laid in rows that shrink toward the horizon; every row holds a whole number of stones.
Rgba flagstones(const Backdrop& b, float x, float y, float top, Rgba stone, Rgba joint, float stones_near, uint32_t s);
// Foreground fringe below the walkable band: tall grass, stones or snow lumps.
void near_fringe(Backdrop& b, Rgba dark, Rgba light, uint32_t s, bool grass);
