// The twelve levels as data: geometry, spawning, bosses, sounds, story and scenery, shared by the
// script writer, the background painter and the contact sheets.
#pragma once
#include <string>
#include <vector>

enum class Setting { Meadow, Forest, Graveyard, Swamp, Desert, Snow, CastleWalls, ThornGarden, Volcanic, Crater, Causeway, Spire };

struct HardBox {
    int left, top, right, bottom, value;  // value 0 blocks, 1 opens a walkable patch
};

struct ScenerySprite {
    std::string file;        // picture or strip name
    int anim = -1;           // frame delay in ms, -1 for a still picture
    int x = 0, y = 0;
    int sort = -1;
    std::string orientation = "down_middle";
    bool cannon = false;
    std::string cannon_name;  // second emplacement's firing strip (empty for one)
    int cannon_x = 0, cannon_y = 0;
};

struct LevelPlan {
    int number = 0;
    std::string name;
    Setting setting = Setting::Meadow;
    std::string background;  // data name of the playfield picture
    int width = 640, height = 320;
    int horizon = 110;       // painted horizon line
    int rect_left = 0, rect_top = 0, rect_right = 0, rect_bottom = 0;
    float scale_mod = 0.55f;
    int kills = 0, spawn = 0, max_on_screen = 0, delay_min = 0, delay_max = 0, initial_delay = 0;
    int main_enemy = -1, secondary_enemy = -1, boss = 0;
    std::string boss_wave;
    float dragon_flies = 0;
    int dfly_min = 0, dfly_max = 0;
    bool has_start = false;
    int start_x = 0, start_y = 0;
    std::string ambient1, ambient2;
    int ambient_min = 0, ambient_max = 0;
    std::string intro_text;
    std::string story_text;        // backslash-n marks line breaks
    std::string story_background;
    int next_level = 0;
    std::vector<HardBox> boxes;
    std::vector<ScenerySprite> sprites;

    int field_start() const { return height - rect_top; }
    int field_end() const { return height - rect_bottom; }
    // The sprite scale the game gives a walker at this y (percent / 100, before its own factor).
    float depth_scale(float y) const;
    bool walkable(int x, int y) const;
};

const std::vector<LevelPlan>& level_plans();

// Strip base names of the scenery the levels place (painted by interface/scenery).
extern const char* const SCENERY_CAMPFIRE;  // frames only inside per-frame archives
extern const char* const SCENERY_TORCH;
extern const char* const SCENERY_FLAME;
extern const char* const SCENERY_DEAD_TREE;
extern const char* const SCENERY_CRYSTAL;
extern const char* const SCENERY_SIGNPOST;
// Firing strip of the cannon emplacements (drawn with the creatures).
extern const char* const CANNON_STRIP;
