// What every part of the content generator shares: where to write, and the parts it runs.
#pragma once
#include <string>

struct ContentContext {
    std::string out;     // the program folder: every data file the game names goes here
    std::string sheets;  // contact sheets for review, outside the program folder
    std::string icons;   // the desktop icons, outside the program folder (none when empty)
};

// Pre-rendered creatures and effects: hero, monsters, projectiles, explosions, dragon fly, pickups.
bool generate_creatures(const ContentContext& ctx);

// Menus, HUD pictures, banners, the ending pictures and the level scenery.
bool generate_interface(const ContentContext& ctx);
// Playfield backgrounds of the twelve levels and the story pictures.
bool generate_backgrounds(const ContentContext& ctx);
// Every sound effect, cry, ambience, boss intro and the two pieces of music.
bool generate_sounds(const ContentContext& ctx);
// The twelve level scripts.
bool generate_level_scripts(const ContentContext& ctx);
// Packs the creature folders, the per-file and the per-frame archives; runs last.
bool pack_archives(const ContentContext& ctx);
// The list of every data file in the program folder, so a game can tell a complete data folder.
bool write_manifest(const ContentContext& ctx);
// The desktop icon: the sorceress on a round badge, as PNGs of every size a desktop asks for.
bool generate_icons(const ContentContext& ctx);
