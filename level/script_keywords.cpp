// The keyword tables of the settings, sprite and hard box scanners.
#include "level/script_keywords.h"

#include <cstring>

#include "level/level_script.h"

namespace {
constexpr ScriptScanner S = ScriptScanner::Settings;
constexpr ScriptScanner P = ScriptScanner::Sprites;
constexpr ScriptScanner H = ScriptScanner::HardBoxes;
}  // namespace

// The text capacities are those of the record fields the scanners copy into.
const ScriptKeyword kSettingsKeywords[kSettingsKeywordCount] = {
    {"background_graphic", S, "t", sizeof LevelScript::backgroundName},
    {"set_intro_scroller_background", S, "t", sizeof LevelScript::storyBackground},
    {"set_intro_scroller_text", S, "t", sizeof LevelScript::storyText},
    {"level_name", S, "t", sizeof LevelScript::levelName},
    {"set_field_start", S, "i", 0},
    {"set_field_end", S, "i", 0},
    {"set_scale_mod", S, "d", 0},
    {"rect_playfield", S, "iiii", 0},
    {"kills_required_to_continue", S, "i", 0},
    {"creatures_to_spawn", S, "i", 0},
    {"max_creatures_on_screen_at_once", S, "i", 0},
    {"spawn_delay_min", S, "i", 0},
    {"spawn_delay_max", S, "i", 0},
    {"initial_delay", S, "i", 0},
    {"main_enemy", S, "i", 0},
    {"secondary_enemy", S, "i", 0},
    {"next_level", S, "i", 0},
    {"set_boss", S, "i", 0},
    {"set_dragon_flys", S, "dii", 0},
    {"set_start_position", S, "ii", 0},
};

const ScriptKeyword kSpriteKeywords[kSpriteKeywordCount] = {
    {"sprite_clear", P, "", 0},
    {"filename", P, "t", sizeof SpriteTemplate::pictureName},
    {"animation_active", P, "i", 0},
    {"cordinates", P, "ii", 0},
    {"scale", P, "i", 0},
    {"set_sort", P, "i", 0},
    {"orientation", P, "w", 0},
    {"set_cannon", P, "tii", sizeof SpriteTemplate::cannonName},
    {"sprite_create", P, "", 0},
    {"ambient_sound_activate", P, "ii", 0},
    {"set_ambient_sound1", P, "t", sizeof LevelScript::ambientSound1},
    {"set_ambient_sound2", P, "t", sizeof LevelScript::ambientSound2},
    {"set_boss_intro_wave", P, "t", sizeof LevelScript::bossIntroSound},
    {"set_intro_text", P, "t", sizeof LevelScript::introText},
};

const ScriptKeyword kHardBoxKeywords[kHardBoxKeywordCount] = {
    {"add_hardbox", H, "iiiii", 0},
};

int script_keyword_count() { return kSettingsKeywordCount + kSpriteKeywordCount + kHardBoxKeywordCount; }

const ScriptKeyword& script_keyword(int index)
{
    if (index < kSettingsKeywordCount) return kSettingsKeywords[index];
    index -= kSettingsKeywordCount;
    if (index < kSpriteKeywordCount) return kSpriteKeywords[index];
    return kHardBoxKeywords[index - kSpriteKeywordCount];
}

const ScriptKeyword* find_script_keyword(const char* name)
{
    for (int i = 0; i < script_keyword_count(); i++)
        if (std::strcmp(script_keyword(i).name, name) == 0) return &script_keyword(i);
    return nullptr;
}
