// The twelve levels as data: geometry, spawning, bosses, sounds, story and scenery.
#include "levels/level_plan.h"
#include <algorithm>

const char* const SCENERY_CAMPFIRE = "graphics\\scenery\\campfire_";
const char* const SCENERY_TORCH = "graphics\\scenery\\torch_";
const char* const SCENERY_FLAME = "graphics\\scenery\\lava_flame_";
const char* const SCENERY_DEAD_TREE = "graphics\\scenery\\dead_tree.tga";
const char* const SCENERY_CRYSTAL = "graphics\\scenery\\star_crystal.png";
const char* const SCENERY_SIGNPOST = "graphics\\scenery\\signpost.tga";
const char* const CANNON_STRIP = "graphics\\cannon\\cannon_fire_00";

float LevelPlan::depth_scale(float y) const
{
    float far_line = float(rect_top), near_line = float(rect_bottom);
    float s = 1.0f + ((y - far_line) / (near_line - far_line) - 1.0f) * scale_mod;
    return std::clamp(s, 0.01f, 1.0f);
}

bool LevelPlan::walkable(int x, int y) const
{
    bool ok = rect_left < x && x < rect_right && rect_top < y && y < rect_bottom;
    for (const HardBox& b : boxes)
        if (b.left < x && x < b.right && b.top < y && y < b.bottom) ok = b.value != 0;
    return ok;
}

static ScenerySprite still(const char* file, int x, int y, int sort = -1)
{
    ScenerySprite s;
    s.file = file;
    s.x = x;
    s.y = y;
    s.sort = sort < 0 ? y : sort;
    return s;
}

static ScenerySprite animated(const char* file, int delay, int x, int y)
{
    ScenerySprite s = still(file, x, y);
    s.anim = delay;
    return s;
}

static ScenerySprite cannon(int x, int y, int x2, int y2)
{
    ScenerySprite s = still(CANNON_STRIP, x, y, y);
    s.anim = 90;
    s.cannon = true;
    s.cannon_name = CANNON_STRIP;
    s.cannon_x = x2;
    s.cannon_y = y2;
    return s;
}

// The level's name, look and playfield size.
static LevelPlan level(int number, const char* name, Setting setting, const char* background, int width, int height, int horizon)
{
    LevelPlan p;
    p.number = number;
    p.name = name;
    p.setting = setting;
    p.background = background;
    p.width = width, p.height = height;
    p.horizon = horizon;
    return p;
}

// The rectangle the walkers keep to, and how much smaller they get towards its far edge.
static void walk_area(LevelPlan& p, int left, int top, int right, int bottom, float scale_mod)
{
    p.rect_left = left, p.rect_top = top, p.rect_right = right, p.rect_bottom = bottom;
    p.scale_mod = scale_mod;
}

static void spawning(LevelPlan& p, int kills, int spawn, int max_on_screen, int delay_min, int delay_max, int initial_delay)
{
    p.kills = kills, p.spawn = spawn, p.max_on_screen = max_on_screen;
    p.delay_min = delay_min, p.delay_max = delay_max, p.initial_delay = initial_delay;
}

// Creature ids; -1 leaves a slot empty, boss 0 means none.
static void enemies(LevelPlan& p, int main_enemy, int secondary_enemy, int boss = 0, const char* boss_wave = "")
{
    p.main_enemy = main_enemy, p.secondary_enemy = secondary_enemy, p.boss = boss;
    p.boss_wave = boss_wave;
}

static void dragon_flies(LevelPlan& p, int min_ms, int max_ms)
{
    p.dragon_flies = 1.0f, p.dfly_min = min_ms, p.dfly_max = max_ms;
}

static void start_at(LevelPlan& p, int x, int y)
{
    p.has_start = true, p.start_x = x, p.start_y = y;
}

static void ambience(LevelPlan& p, const char* ambient1, const char* ambient2, int min_ms, int max_ms)
{
    p.ambient1 = ambient1, p.ambient2 = ambient2;
    p.ambient_min = min_ms, p.ambient_max = max_ms;
}

static std::vector<LevelPlan> build()
{
    std::vector<LevelPlan> v;
    LevelPlan p;

    // 1: the meadow where it begins; slow zombies only.
    p = level(1, "Meadowbrook", Setting::Meadow, "graphics\\backgrounds\\meadow.jpg", 640, 320, 112);
    walk_area(p, -8, 160, 648, 302, 0.55f);
    spawning(p, 6, 9, 3, 2600, 5000, 2500);
    enemies(p, 101, -1);
    start_at(p, 120, 262);
    ambience(p, "sounds\\amb_birds.wav", "sounds\\amb_breeze.wav", 3500, 9000);
    p.intro_text = "Meadowbrook. The dead are rising from the fields. Strike with B, cast with A.";
    p.story_text =
        "In the valley of Vorlaine the seasons kept their order, guarded by the Circle of Dawn.\\n\\n"
        "In their keep at Ravenhold stood the Hourglass of Ages, whose sand measured out the days.\\n\\n"
        "Then Torvessa, once the brightest of the Circle, shattered the Hourglass and scattered its sand across the "
        "land.\\n\\n"
        "Where the sand fell, time tore open. The dead rose from the meadows, and beasts of forgotten ages crept "
        "through the rifts.\\n\\n"
        "You were gathering herbs at Meadowbrook when the sky cracked. Now you are the last sorceress of the "
        "Circle.\\n\\n"
        "Close the rifts. Follow the time gates. Find Torvessa.";
    p.story_background = "graphics\\story\\story_prologue.jpg";
    p.boxes = {{400, 202, 478, 230, 0}, {240, 184, 262, 196, 0}};
    p.sprites = {animated(SCENERY_CAMPFIRE, 110, 251, 193), still(SCENERY_SIGNPOST, 560, 178)};
    p.boxes.push_back({554, 172, 567, 181, 0});
    v.push_back(p);

    // 2: wolves in the woods, the first dragon flies.
    p = level(2, "Whisperwood", Setting::Forest, "graphics\\backgrounds\\whisperwood.png", 720, 320, 118);
    walk_area(p, -8, 166, 728, 300, 0.55f);
    spawning(p, 9, 14, 4, 2400, 4600, 2500);
    enemies(p, 100, 101);
    dragon_flies(p, 9000, 16000);
    start_at(p, 80, 250);
    ambience(p, "sounds\\amb_owl.wav", "sounds\\amb_wind.wav", 5000, 11000);
    p.intro_text = "Whisperwood. Wolves hunt between the trees, and dragon flies drop fire from above.";
    p.boxes = {{196, 190, 236, 204, 0}, {548, 232, 600, 252, 0}, {380, 274, 412, 290, 0}};
    v.push_back(p);

    // 3: the graveyard at night; vampires join the dead. Default start position.
    p = level(3, "Hollow Graves", Setting::Graveyard, "graphics\\backgrounds\\graveyard.tga", 640, 320, 116);
    walk_area(p, 12, 164, 628, 300, 0.55f);
    spawning(p, 11, 16, 4, 2200, 4200, 2000);
    enemies(p, 105, 101);
    ambience(p, "sounds\\amb_crow.wav", "sounds\\amb_bell.wav", 6000, 12000);
    p.story_text =
        "The wolves of Whisperwood lie still, and the dragon flies have burned out among the branches.\\n\\n"
        "At the edge of the wood a time gate opened, a ring of gold crowned by an hourglass. You stepped through, and "
        "the day went out behind you.\\n\\n"
        "Now it is night, in a year you do not know. Beyond the old chapel the graves of Hollowmere stand open.\\n\\n"
        "The crows have gone quiet, and the chapel bell rings with no hand on its rope. Something walks among the "
        "stones that drinks the warmth from living things.\\n\\n"
        "Keep your fire close, sorceress. The dead here do not tire.";
    p.story_background = "graphics\\story\\story_graves.jpg";
    p.boxes = {{150, 184, 172, 194, 0}, {300, 196, 324, 207, 0}, {90, 236, 118, 250, 0},
               {520, 214, 546, 226, 0}, {452, 200, 480, 212, 0}, {250, 262, 282, 278, 0}};
    p.sprites = {still(SCENERY_DEAD_TREE, 466, 208)};
    v.push_back(p);

    // 4: the fen; walking plants and the giant frog. A boardwalk crosses the first pool.
    p = level(4, "Mirefen", Setting::Swamp, "graphics\\backgrounds\\mirefen.jpg", 800, 320, 112);
    walk_area(p, -8, 166, 808, 300, 0.55f);
    spawning(p, 12, 18, 4, 2200, 4000, 2000);
    enemies(p, 110, 101, 109, "sounds\\boss_frog.wav");
    dragon_flies(p, 8000, 14000);
    start_at(p, 400, 256);
    ambience(p, "sounds\\amb_frogs.wav", "sounds\\amb_drip.wav", 3000, 7000);
    p.intro_text = "Mirefen. Keep to dry ground. Something large sleeps under the water.";
    p.boxes = {{140, 194, 272, 236, 0}, {196, 190, 220, 240, 1}, {520, 244, 616, 280, 0}, {680, 182, 732, 198, 0}};
    v.push_back(p);

    // 5: the desert of another age; giant ants and wolves.
    p = level(5, "Sunscar Dunes", Setting::Desert, "graphics\\backgrounds\\sunscar.png", 800, 320, 114);
    walk_area(p, -8, 160, 808, 302, 0.55f);
    spawning(p, 14, 20, 5, 2000, 3800, 2000);
    enemies(p, 102, 100);
    start_at(p, 100, 244);
    ambience(p, "sounds\\amb_sandwind.wav", "sounds\\amb_hawk.wav", 5000, 10000);
    p.story_text =
        "The mire is silent. Its great warden sank beneath the black water of Mirefen and did not rise.\\n\\n"
        "In the reeds where it slept you found a grain of the Hourglass, still warm. You keep it close. It hums when "
        "a gate is near.\\n\\n"
        "The next gate throws you into a burning noon that is not your own: the Sunscar, a sea of dunes from an age "
        "when the valley was desert.\\n\\n"
        "No river runs here, and no meadow grows. Hawks circle overhead, and wolves run the ridges, thin from the "
        "heat.\\n\\n"
        "But the sand itself moves here, and it is not the wind that moves it.\\n\\n"
        "Listen for the clicking below, and do not stand still for long.";
    p.story_background = "graphics\\story\\story_dunes.jpg";
    p.boxes = {{296, 184, 352, 200, 0}, {640, 252, 704, 272, 0}, {470, 210, 500, 220, 0}};
    v.push_back(p);

    // 6: the snowfield, taller than the screen; snow beasts, wolves and their great alpha.
    p = level(6, "Frostveil", Setting::Snow, "graphics\\backgrounds\\frostveil.png", 800, 360, 140);
    walk_area(p, -8, 200, 808, 342, 0.55f);
    spawning(p, 15, 22, 5, 2000, 3600, 2000);
    enemies(p, 104, 100, 112, "sounds\\boss_wolf.wav");
    start_at(p, 200, 300);
    ambience(p, "sounds\\amb_blizzard.wav", "sounds\\amb_howl.wav", 4000, 9000);
    p.intro_text = "Frostveil. The pack answers to something bigger. Stay off the thin ice.";
    p.boxes = {{430, 240, 560, 278, 0}, {150, 224, 190, 238, 0}, {660, 300, 706, 318, 0}};
    v.push_back(p);

    // 7: the walls of Ravenhold; vampires, goblin casters and two cannons.
    p = level(7, "Ravenhold Walls", Setting::CastleWalls, "graphics\\backgrounds\\ravenhold.jpg", 720, 320, 100);
    walk_area(p, -8, 172, 728, 300, 0.5f);
    spawning(p, 16, 24, 5, 1900, 3400, 2000);
    enemies(p, 105, 106);
    start_at(p, 100, 262);
    ambience(p, "sounds\\amb_bell.wav", "sounds\\amb_crow.wav", 7000, 13000);
    p.story_text =
        "Frostveil lies behind you. The great wolf that led the pack is gone, and the snow has covered its "
        "tracks.\\n\\n"
        "From the snowfields you saw it on the horizon: Ravenhold, the keep where the Circle once met, where the "
        "Hourglass stood.\\n\\n"
        "You learned your first spell in its halls. Now Torvessa's servants hold its walls. Their cannons watch the "
        "road, and the goblin casters speak her name in their lightning.\\n\\n"
        "The grain of sand in your pocket burns as you climb the last hill. She has been here, and not long ago.\\n\\n"
        "Mind the whistle of falling shot. When you hear it, run, and keep running until the stones stop falling.";
    p.story_background = "graphics\\story\\story_keep.jpg";
    p.boxes = {{340, 214, 384, 232, 0}, {600, 248, 640, 262, 0}};
    p.sprites = {cannon(180, 150, 540, 150), animated(SCENERY_TORCH, 80, 360, 150), animated(SCENERY_TORCH, 90, 60, 150),
                 animated(SCENERY_TORCH, 100, 660, 150)};
    v.push_back(p);

    // 8: the overgrown garden; plants, ants and the thorn queen. Default start, walled at the sides.
    p = level(8, "Thornmaw Garden", Setting::ThornGarden, "graphics\\backgrounds\\thornmaw.png", 800, 320, 110);
    walk_area(p, 12, 164, 788, 300, 0.55f);
    spawning(p, 16, 24, 5, 1800, 3200, 2000);
    enemies(p, 110, 102, 111, "sounds\\boss_thorn.wav");
    dragon_flies(p, 8000, 13000);
    ambience(p, "sounds\\amb_insects.wav", "sounds\\amb_frogs.wav", 4000, 9000);
    p.intro_text = "Thornmaw Garden. The hedges are alive, and they are hungry.";
    p.boxes = {{200, 188, 250, 202, 0}, {430, 230, 482, 248, 0}, {620, 196, 670, 210, 0}, {300, 268, 340, 284, 0}};
    v.push_back(p);

    // 9: the age of fire; goblin casters and ants under falling ash.
    p = level(9, "Emberfall", Setting::Volcanic, "graphics\\backgrounds\\emberfall.jpg", 720, 320, 108);
    walk_area(p, -8, 166, 728, 300, 0.55f);
    spawning(p, 18, 26, 6, 1700, 3000, 1800);
    enemies(p, 106, 102);
    dragon_flies(p, 7000, 12000);
    start_at(p, 360, 280);
    ambience(p, "sounds\\amb_rumble.wav", "sounds\\amb_wind.wav", 5000, 10000);
    p.story_text =
        "Ravenhold is yours again. In the garden behind its walls the thorn queen fell, and the hedges of Thornmaw "
        "let go of the paths.\\n\\n"
        "In the keep's library you found Torvessa's notes. She means to turn the whole valley back to the age of "
        "fire, when nothing lived that she had not shaped.\\n\\n"
        "She has hidden the sand she stole there, where no one of the Circle could follow. Your grain has not stopped "
        "humming since.\\n\\n"
        "The gate opens onto that age: Emberfall. Ash falls like snow, and the ground shakes.\\n\\n"
        "Whatever you meet here, she has already made.";
    p.story_background = "graphics\\story\\story_fire.jpg";
    p.boxes = {{120, 196, 200, 222, 0}, {470, 236, 560, 262, 0}, {610, 184, 650, 196, 0}};
    p.sprites = {animated(SCENERY_FLAME, 70, 160, 212), animated(SCENERY_FLAME, 80, 515, 252)};
    v.push_back(p);

    // 10: the crater under the stars; snow beasts and vampires, and the star-born boss.
    p = level(10, "Starfall Crater", Setting::Crater, "graphics\\backgrounds\\starfall.png", 720, 320, 112);
    walk_area(p, -8, 164, 728, 300, 0.55f);
    spawning(p, 18, 26, 6, 1700, 3000, 1800);
    enemies(p, 104, 105, 108, "sounds\\boss_star.wav");
    start_at(p, 560, 270);
    ambience(p, "sounds\\amb_crickets.wav", "sounds\\amb_howl.wav", 4000, 9000);
    p.intro_text = "Starfall Crater. Whatever fell here was not sand from the Hourglass.";
    p.boxes = {{286, 200, 330, 214, 0}, {96, 240, 140, 256, 0}, {420, 262, 452, 276, 0}};
    p.sprites = {still(SCENERY_CRYSTAL, 308, 207), still(SCENERY_CRYSTAL, 118, 249), still(SCENERY_DEAD_TREE, 640, 190)};
    p.boxes.push_back({632, 182, 650, 194, 0});
    v.push_back(p);

    // 11: the long causeway to the spire; casters and vampires, cannons on the towers, dragon flies.
    p = level(11, "The Black Causeway", Setting::Causeway, "graphics\\backgrounds\\causeway.jpg", 960, 320, 104);
    walk_area(p, -8, 178, 968, 296, 0.5f);
    spawning(p, 20, 30, 6, 1600, 2800, 1500);
    enemies(p, 106, 105);
    dragon_flies(p, 6000, 11000);
    start_at(p, 80, 240);
    ambience(p, "sounds\\amb_wind.wav", "sounds\\amb_bell.wav", 5000, 10000);
    p.intro_text = "The Black Causeway. The spire is close now. So is every cannon she owns.";
    p.boxes = {{330, 200, 370, 214, 0}, {760, 250, 806, 266, 0}};
    p.sprites = {cannon(240, 160, 720, 160), animated(SCENERY_TORCH, 90, 480, 166), animated(SCENERY_TORCH, 100, 0, 166)};
    v.push_back(p);

    // 12: the top of the spire, taller than the screen; Torvessa herself. The ending follows.
    p = level(12, "The Obsidian Spire", Setting::Spire, "graphics\\backgrounds\\spire.jpg", 640, 400, 170);
    walk_area(p, 24, 232, 616, 378, 0.5f);
    spawning(p, 20, 30, 6, 1500, 2600, 1500);
    enemies(p, 106, 104, 113, "sounds\\boss_torvessa.wav");
    start_at(p, 320, 340);
    ambience(p, "sounds\\amb_thunder.wav", "sounds\\amb_wind.wav", 6000, 12000);
    p.story_text =
        "The star-born thing in the crater is dust, and the Black Causeway lies broken behind you, its cannons "
        "cold.\\n\\n"
        "The sand you took back in Emberfall sings in your hands, and every grain points up.\\n\\n"
        "The last gate stands at the top of the Obsidian Spire, above the clouds of every age at once.\\n\\n"
        "Torvessa waits there with the final shards of the Hourglass. She was your teacher once. She taught you every "
        "spell you carry.\\n\\n"
        "She did not teach you all of them.\\n\\n"
        "Take back the sand. Mend the Hourglass. Give the valley its seasons again.\\n\\n"
        "End it.";
    p.story_background = "graphics\\story\\story_spire.jpg";
    p.boxes = {{300, 262, 340, 276, 0}, {140, 300, 170, 312, 0}, {470, 300, 500, 312, 0}};
    p.sprites = {animated(SCENERY_TORCH, 90, 150, 236), animated(SCENERY_TORCH, 100, 490, 236)};
    p.next_level = 500;
    v.push_back(p);

    return v;
}

const std::vector<LevelPlan>& level_plans()
{
    static const std::vector<LevelPlan> plans = build();
    return plans;
}
