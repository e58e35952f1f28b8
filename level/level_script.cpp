// Resetting the level script record and the settings scanner.
#include "level/level_script.h"

#include "level/level_file.h"
#include "level/script_keywords.h"
#include "level/text_parse.h"

void reset_level_script(LevelScript& s)
{
    s.backgroundName[0] = '\0';
    s.levelName[0] = '\0';
    s.levelNumber = 0;
    s.mainEnemy = -1;
    s.secondaryEnemy = -1;
    s.nextLevel = 0;
    s.hasStartPosition = 0;
    s.bossReleased = 0;
    s.bossKind = 0;
    s.bossIntroSound[0] = '\0';
    s.dragonFlies = 0.0f;
    s.dragonFlyMin = 0;
    s.dragonFlyMax = 0;
    s.ambientSound1[0] = '\0';
    s.ambientSound2[0] = '\0';
    s.ambientMin = 0;
    s.ambientMax = 0;
    s.ambientOn = 0;
    s.introText[0] = '\0';
    s.storyText[0] = '\0';
    s.storyBackground[0] = '\0';
    s.hasStory = 0;
}

namespace {

enum SettingsKeyword {
    K_BACKGROUND,
    K_STORY_BACKGROUND,
    K_STORY_TEXT,
    K_LEVEL_NAME,
    K_FIELD_START,
    K_FIELD_END,
    K_SCALE_MOD,
    K_RECT_PLAYFIELD,
    K_KILLS_REQUIRED,
    K_CREATURES_TO_SPAWN,
    K_MAX_CREATURES,
    K_SPAWN_DELAY_MIN,
    K_SPAWN_DELAY_MAX,
    K_INITIAL_DELAY,
    K_MAIN_ENEMY,
    K_SECONDARY_ENEMY,
    K_NEXT_LEVEL,
    K_BOSS,
    K_DRAGON_FLIES,
    K_START_POSITION,
    K_COUNT
};

static_assert(K_COUNT == kSettingsKeywordCount, "one table entry per settings keyword");

void apply_setting(LevelScript& s, CTextParse& p, int keyword)
{
    const char* name = kSettingsKeywords[keyword].name;
    switch (keyword) {
    case K_BACKGROUND: store_text(s.backgroundName, p.word(2), name); break;
    case K_STORY_BACKGROUND: store_text(s.storyBackground, p.word(2), name); break;
    case K_STORY_TEXT:
        store_text(s.storyText, p.word(2), name);
        s.hasStory = 1;
        break;
    case K_LEVEL_NAME: store_text(s.levelName, p.word(2), name); break;
    case K_FIELD_START: s.fieldStart = coordinate_word(p, 2, name); break;
    case K_FIELD_END: s.fieldEnd = coordinate_word(p, 2, name); break;
    case K_SCALE_MOD: s.scaleMod = p.float_word(2); break;
    case K_RECT_PLAYFIELD:
        s.playfieldRect.left = coordinate_word(p, 2, name);
        s.playfieldRect.top = coordinate_word(p, 3, name);
        s.playfieldRect.right = coordinate_word(p, 4, name);
        s.playfieldRect.bottom = coordinate_word(p, 5, name);
        break;
    case K_KILLS_REQUIRED: s.killsRequired = p.int_word(2); break;
    case K_CREATURES_TO_SPAWN: s.creaturesToSpawn = p.int_word(2); break;
    case K_MAX_CREATURES: s.maxCreatures = p.int_word(2); break;
    case K_SPAWN_DELAY_MIN: s.spawnDelayMin = p.int_word(2); break;
    case K_SPAWN_DELAY_MAX: s.spawnDelayMax = p.int_word(2); break;
    case K_INITIAL_DELAY: s.initialDelay = p.int_word(2); break;
    case K_MAIN_ENEMY: s.mainEnemy = p.int_word(2); break;
    case K_SECONDARY_ENEMY: s.secondaryEnemy = p.int_word(2); break;
    case K_NEXT_LEVEL: s.nextLevel = p.int_word(2); break;
    case K_BOSS: s.bossKind = p.int_word(2); break;
    case K_DRAGON_FLIES:
        s.dragonFlies = p.float_word(2);
        s.dragonFlyMin = p.int_word(3);
        s.dragonFlyMax = p.int_word(4);
        break;
    case K_START_POSITION:
        s.startX = coordinate_word(p, 2, name);
        s.startY = coordinate_word(p, 3, name);
        s.hasStartPosition = 1;
        break;
    default: break;
    }
}

} // namespace

bool load_level_settings(LevelScript& script, int levelNumber)
{
    script.levelNumber = levelNumber;
    return scan_level_file(levelNumber, kSettingsKeywords, K_COUNT,
                           [&script](CTextParse& p, int keyword) { apply_setting(script, p, keyword); });
}
