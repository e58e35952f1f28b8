// Review sheets of the playfields with their walkable areas marked.
#pragma once
#include "levels/level_plan.h"
#include "paint/image.h"

Image level_sheet(const LevelPlan& p, const Image& bg);
