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

static std::vector<LevelPlan> build()
{
    std::vector<LevelPlan> v;
    LevelPlan p;

    // 1: the meadow where it begins; slow zombies only.
    p = {};
    p.number = 1;
    p.name = "Meadowbrook";
    p.setting = Setting::Meadow;
    p.background = "graphics\\backgrounds\\meadow.jpg";
    p.width = 640;
    p.horizon = 112;
    p.rect_left = -8, p.rect_top = 160, p.rect_right = 648, p.rect_bottom = 302;
    p.scale_mod = 0.55f;
    p.kills = 6, p.spawn = 9, p.max_on_screen = 3, p.delay_min = 2600, p.delay_max = 5000, p.initial_delay = 2500;
    p.main_enemy = 101;
    p.has_start = true, p.start_x = 120, p.start_y = 262;
    p.ambient1 = "sounds\\amb_birds.wav", p.ambient2 = "sounds\\amb_breeze.wav";
    p.ambient_min = 3500, p.ambient_max = 9000;
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
    p = {};
    p.number = 2;
    p.name = "Whisperwood";
    p.setting = Setting::Forest;
    p.background = "graphics\\backgrounds\\whisperwood.png";
    p.width = 720;
    p.horizon = 118;
    p.rect_left = -8, p.rect_top = 166, p.rect_right = 728, p.rect_bottom = 300;
    p.scale_mod = 0.55f;
    p.kills = 9, p.spawn = 14, p.max_on_screen = 4, p.delay_min = 2400, p.delay_max = 4600, p.initial_delay = 2500;
    p.main_enemy = 100, p.secondary_enemy = 101;
    p.dragon_flies = 1.0f, p.dfly_min = 9000, p.dfly_max = 16000;
    p.has_start = true, p.start_x = 80, p.start_y = 250;
    p.ambient1 = "sounds\\amb_owl.wav", p.ambient2 = "sounds\\amb_wind.wav";
    p.ambient_min = 5000, p.ambient_max = 11000;
    p.intro_text = "Whisperwood. Wolves hunt between the trees, and dragon flies drop fire from above.";
    p.boxes = {{196, 190, 236, 204, 0}, {548, 232, 600, 252, 0}, {380, 274, 412, 290, 0}};
    v.push_back(p);

    // 3: the graveyard at night; vampires join the dead. Default start position.
    p = {};
    p.number = 3;
    p.name = "Hollow Graves";
    p.setting = Setting::Graveyard;
    p.background = "graphics\\backgrounds\\graveyard.tga";
    p.width = 640;
    p.horizon = 116;
    p.rect_left = 12, p.rect_top = 164, p.rect_right = 628, p.rect_bottom = 300;
    p.scale_mod = 0.55f;
    p.kills = 11, p.spawn = 16, p.max_on_screen = 4, p.delay_min = 2200, p.delay_max = 4200, p.initial_delay = 2000;
    p.main_enemy = 105, p.secondary_enemy = 101;
    p.ambient1 = "sounds\\amb_crow.wav", p.ambient2 = "sounds\\amb_bell.wav";
    p.ambient_min = 6000, p.ambient_max = 12000;
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
    p = {};
    p.number = 4;
    p.name = "Mirefen";
    p.setting = Setting::Swamp;
    p.background = "graphics\\backgrounds\\mirefen.jpg";
    p.width = 800;
    p.horizon = 112;
    p.rect_left = -8, p.rect_top = 166, p.rect_right = 808, p.rect_bottom = 300;
    p.scale_mod = 0.55f;
    p.kills = 12, p.spawn = 18, p.max_on_screen = 4, p.delay_min = 2200, p.delay_max = 4000, p.initial_delay = 2000;
    p.main_enemy = 110, p.secondary_enemy = 101, p.boss = 109;
    p.boss_wave = "sounds\\boss_frog.wav";
    p.dragon_flies = 1.0f, p.dfly_min = 8000, p.dfly_max = 14000;
    p.has_start = true, p.start_x = 400, p.start_y = 256;
    p.ambient1 = "sounds\\amb_frogs.wav", p.ambient2 = "sounds\\amb_drip.wav";
    p.ambient_min = 3000, p.ambient_max = 7000;
    p.intro_text = "Mirefen. Keep to dry ground. Something large sleeps under the water.";
    p.boxes = {{140, 194, 272, 236, 0}, {196, 190, 220, 240, 1}, {520, 244, 616, 280, 0}, {680, 182, 732, 198, 0}};
    v.push_back(p);

    // 5: the desert of another age; giant ants and wolves.
    p = {};
    p.number = 5;
    p.name = "Sunscar Dunes";
    p.setting = Setting::Desert;
    p.background = "graphics\\backgrounds\\sunscar.png";
    p.width = 800;
    p.horizon = 114;
    p.rect_left = -8, p.rect_top = 160, p.rect_right = 808, p.rect_bottom = 302;
    p.scale_mod = 0.55f;
    p.kills = 14, p.spawn = 20, p.max_on_screen = 5, p.delay_min = 2000, p.delay_max = 3800, p.initial_delay = 2000;
    p.main_enemy = 102, p.secondary_enemy = 100;
    p.has_start = true, p.start_x = 100, p.start_y = 244;
    p.ambient1 = "sounds\\amb_sandwind.wav", p.ambient2 = "sounds\\amb_hawk.wav";
    p.ambient_min = 5000, p.ambient_max = 10000;
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
    p = {};
    p.number = 6;
    p.name = "Frostveil";
    p.setting = Setting::Snow;
    p.background = "graphics\\backgrounds\\frostveil.png";
    p.width = 800, p.height = 360;
    p.horizon = 140;
    p.rect_left = -8, p.rect_top = 200, p.rect_right = 808, p.rect_bottom = 342;
    p.scale_mod = 0.55f;
    p.kills = 15, p.spawn = 22, p.max_on_screen = 5, p.delay_min = 2000, p.delay_max = 3600, p.initial_delay = 2000;
    p.main_enemy = 104, p.secondary_enemy = 100, p.boss = 112;
    p.boss_wave = "sounds\\boss_wolf.wav";
    p.has_start = true, p.start_x = 200, p.start_y = 300;
    p.ambient1 = "sounds\\amb_blizzard.wav", p.ambient2 = "sounds\\amb_howl.wav";
    p.ambient_min = 4000, p.ambient_max = 9000;
    p.intro_text = "Frostveil. The pack answers to something bigger. Stay off the thin ice.";
    p.boxes = {{430, 240, 560, 278, 0}, {150, 224, 190, 238, 0}, {660, 300, 706, 318, 0}};
    v.push_back(p);

    // 7: the walls of Ravenhold; vampires, goblin casters and two cannons.
    p = {};
    p.number = 7;
    p.name = "Ravenhold Walls";
    p.setting = Setting::CastleWalls;
    p.background = "graphics\\backgrounds\\ravenhold.jpg";
    p.width = 720;
    p.horizon = 100;
    p.rect_left = -8, p.rect_top = 172, p.rect_right = 728, p.rect_bottom = 300;
    p.scale_mod = 0.5f;
    p.kills = 16, p.spawn = 24, p.max_on_screen = 5, p.delay_min = 1900, p.delay_max = 3400, p.initial_delay = 2000;
    p.main_enemy = 105, p.secondary_enemy = 106;
    p.has_start = true, p.start_x = 100, p.start_y = 262;
    p.ambient1 = "sounds\\amb_bell.wav", p.ambient2 = "sounds\\amb_crow.wav";
    p.ambient_min = 7000, p.ambient_max = 13000;
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
    p = {};
    p.number = 8;
    p.name = "Thornmaw Garden";
    p.setting = Setting::ThornGarden;
    p.background = "graphics\\backgrounds\\thornmaw.png";
    p.width = 800;
    p.horizon = 110;
    p.rect_left = 12, p.rect_top = 164, p.rect_right = 788, p.rect_bottom = 300;
    p.scale_mod = 0.55f;
    p.kills = 16, p.spawn = 24, p.max_on_screen = 5, p.delay_min = 1800, p.delay_max = 3200, p.initial_delay = 2000;
    p.main_enemy = 110, p.secondary_enemy = 102, p.boss = 111;
    p.boss_wave = "sounds\\boss_thorn.wav";
    p.dragon_flies = 1.0f, p.dfly_min = 8000, p.dfly_max = 13000;
    p.ambient1 = "sounds\\amb_insects.wav", p.ambient2 = "sounds\\amb_frogs.wav";
    p.ambient_min = 4000, p.ambient_max = 9000;
    p.intro_text = "Thornmaw Garden. The hedges are alive, and they are hungry.";
    p.boxes = {{200, 188, 250, 202, 0}, {430, 230, 482, 248, 0}, {620, 196, 670, 210, 0}, {300, 268, 340, 284, 0}};
    v.push_back(p);

    // 9: the age of fire; goblin casters and ants under falling ash.
    p = {};
    p.number = 9;
    p.name = "Emberfall";
    p.setting = Setting::Volcanic;
    p.background = "graphics\\backgrounds\\emberfall.jpg";
    p.width = 720;
    p.horizon = 108;
    p.rect_left = -8, p.rect_top = 166, p.rect_right = 728, p.rect_bottom = 300;
    p.scale_mod = 0.55f;
    p.kills = 18, p.spawn = 26, p.max_on_screen = 6, p.delay_min = 1700, p.delay_max = 3000, p.initial_delay = 1800;
    p.main_enemy = 106, p.secondary_enemy = 102;
    p.dragon_flies = 1.0f, p.dfly_min = 7000, p.dfly_max = 12000;
    p.has_start = true, p.start_x = 360, p.start_y = 280;
    p.ambient1 = "sounds\\amb_rumble.wav", p.ambient2 = "sounds\\amb_wind.wav";
    p.ambient_min = 5000, p.ambient_max = 10000;
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
    p = {};
    p.number = 10;
    p.name = "Starfall Crater";
    p.setting = Setting::Crater;
    p.background = "graphics\\backgrounds\\starfall.png";
    p.width = 720;
    p.horizon = 112;
    p.rect_left = -8, p.rect_top = 164, p.rect_right = 728, p.rect_bottom = 300;
    p.scale_mod = 0.55f;
    p.kills = 18, p.spawn = 26, p.max_on_screen = 6, p.delay_min = 1700, p.delay_max = 3000, p.initial_delay = 1800;
    p.main_enemy = 104, p.secondary_enemy = 105, p.boss = 108;
    p.boss_wave = "sounds\\boss_star.wav";
    p.has_start = true, p.start_x = 560, p.start_y = 270;
    p.ambient1 = "sounds\\amb_crickets.wav", p.ambient2 = "sounds\\amb_howl.wav";
    p.ambient_min = 4000, p.ambient_max = 9000;
    p.intro_text = "Starfall Crater. Whatever fell here was not sand from the Hourglass.";
    p.boxes = {{286, 200, 330, 214, 0}, {96, 240, 140, 256, 0}, {420, 262, 452, 276, 0}};
    p.sprites = {still(SCENERY_CRYSTAL, 308, 207), still(SCENERY_CRYSTAL, 118, 249), still(SCENERY_DEAD_TREE, 640, 190)};
    p.boxes.push_back({632, 182, 650, 194, 0});
    v.push_back(p);

    // 11: the long causeway to the spire; casters and vampires, cannons on the towers, dragon flies.
    p = {};
    p.number = 11;
    p.name = "The Black Causeway";
    p.setting = Setting::Causeway;
    p.background = "graphics\\backgrounds\\causeway.jpg";
    p.width = 960;
    p.horizon = 104;
    p.rect_left = -8, p.rect_top = 178, p.rect_right = 968, p.rect_bottom = 296;
    p.scale_mod = 0.5f;
    p.kills = 20, p.spawn = 30, p.max_on_screen = 6, p.delay_min = 1600, p.delay_max = 2800, p.initial_delay = 1500;
    p.main_enemy = 106, p.secondary_enemy = 105;
    p.dragon_flies = 1.0f, p.dfly_min = 6000, p.dfly_max = 11000;
    p.has_start = true, p.start_x = 80, p.start_y = 240;
    p.ambient1 = "sounds\\amb_wind.wav", p.ambient2 = "sounds\\amb_bell.wav";
    p.ambient_min = 5000, p.ambient_max = 10000;
    p.intro_text = "The Black Causeway. The spire is close now. So is every cannon she owns.";
    p.boxes = {{330, 200, 370, 214, 0}, {760, 250, 806, 266, 0}};
    p.sprites = {cannon(240, 160, 720, 160), animated(SCENERY_TORCH, 90, 480, 166), animated(SCENERY_TORCH, 100, 0, 166)};
    v.push_back(p);

    // 12: the top of the spire, taller than the screen; Torvessa herself. The ending follows.
    p = {};
    p.number = 12;
    p.name = "The Obsidian Spire";
    p.setting = Setting::Spire;
    p.background = "graphics\\backgrounds\\spire.jpg";
    p.width = 640, p.height = 400;
    p.horizon = 170;
    p.rect_left = 24, p.rect_top = 232, p.rect_right = 616, p.rect_bottom = 378;
    p.scale_mod = 0.5f;
    p.kills = 20, p.spawn = 30, p.max_on_screen = 6, p.delay_min = 1500, p.delay_max = 2600, p.initial_delay = 1500;
    p.main_enemy = 106, p.secondary_enemy = 104, p.boss = 113;
    p.boss_wave = "sounds\\boss_torvessa.wav";
    p.has_start = true, p.start_x = 320, p.start_y = 340;
    p.ambient1 = "sounds\\amb_thunder.wav", p.ambient2 = "sounds\\amb_wind.wav";
    p.ambient_min = 6000, p.ambient_max = 12000;
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
