// The hard box and sprite scanners: level file lines into hard box records and sprite templates.
#include "level/level_scan.h"

#include <cstring>

#include "level/level_file.h"
#include "level/script_keywords.h"
#include "level/text_parse.h"
#include "util/log.h"

namespace {

bool level_known(const LevelScript& script)
{
    if (script.levelNumber != 0)
        return true;
    log_msg("Error, can't scan sprites no file open");
    return false;
}

enum SpriteKeyword {
    K_SPRITE_CLEAR,
    K_FILENAME,
    K_ANIMATION_ACTIVE,
    K_CORDINATES,
    K_SCALE,
    K_SET_SORT,
    K_ORIENTATION,
    K_SET_CANNON,
    K_SPRITE_CREATE,
    K_AMBIENT_ACTIVATE,
    K_AMBIENT_SOUND1,
    K_AMBIENT_SOUND2,
    K_BOSS_INTRO_WAVE,
    K_INTRO_TEXT,
    K_COUNT
};

static_assert(K_COUNT == kSpriteKeywordCount, "one table entry per sprite keyword");

void clear_template(SpriteTemplate& t)
{
    t.pictureName[0] = '\0';
    t.animationInterval = -1;
    t.sortKey = -1;
    t.x = 120;
    t.y = 160;
    t.scale = -1;
    t.orientation = 0;
    t.cannonName[0] = '\0';
    t.isCannon = 0;
}

void apply_sprite_line(LevelScript& s, std::vector<SpriteTemplate>& created, CTextParse& p, int keyword)
{
    SpriteTemplate& t = s.sprite;
    const char* name = kSpriteKeywords[keyword].name;
    switch (keyword) {
    case K_SPRITE_CLEAR: clear_template(t); break;
    case K_FILENAME: store_text(t.pictureName, p.word(2), name); break;
    case K_ANIMATION_ACTIVE: t.animationInterval = p.int_word(2); break;
    case K_CORDINATES:
        t.x = coordinate_word(p, 2, name);
        t.y = coordinate_word(p, 3, name);
        break;
    case K_SCALE: t.scale = p.int_word(2); break;
    case K_SET_SORT: t.sortKey = p.int_word(2); break;
    case K_ORIENTATION: t.orientation = orientation_from_word(p.word(2), t.orientation); break;
    case K_SET_CANNON:
        store_text(t.cannonName, p.word(2), name);
        t.cannonValue1 = coordinate_word(p, 3, name);  // the second emplacement's position
        t.cannonValue2 = coordinate_word(p, 4, name);
        t.isCannon = 1;
        break;
    case K_SPRITE_CREATE: created.push_back(t); break;
    case K_AMBIENT_ACTIVATE:
        s.ambientMin = p.int_word(2);
        s.ambientMax = p.int_word(3);
        s.ambientOn = 1;
        break;
    case K_AMBIENT_SOUND1: store_text(s.ambientSound1, p.word(2), name); break;
    case K_AMBIENT_SOUND2: store_text(s.ambientSound2, p.word(2), name); break;
    case K_BOSS_INTRO_WAVE: store_text(s.bossIntroSound, p.word(2), name); break;
    case K_INTRO_TEXT: store_text(s.introText, p.word(2), name); break;
    default: break;
    }
}

} // namespace

bool read_hard_boxes(const LevelScript& script, std::vector<HardBoxLine>& boxes)
{
    if (!level_known(script))
        return false;
    return scan_level_file(script.levelNumber, kHardBoxKeywords, kHardBoxKeywordCount, [&boxes](CTextParse& p, int) {
        HardBoxLine box;
        box.rect.left = coordinate_word(p, 2, kHardBoxKeywords[0].name);
        box.rect.top = coordinate_word(p, 3, kHardBoxKeywords[0].name);
        box.rect.right = coordinate_word(p, 4, kHardBoxKeywords[0].name);
        box.rect.bottom = coordinate_word(p, 5, kHardBoxKeywords[0].name);
        box.value = p.int_word(6);
        boxes.push_back(box);
    });
}

bool read_sprites(LevelScript& script, std::vector<SpriteTemplate>& created)
{
    if (!level_known(script))
        return false;
    return scan_level_file(script.levelNumber, kSpriteKeywords, K_COUNT, [&](CTextParse& p, int keyword) {
        apply_sprite_line(script, created, p, keyword);
    });
}

int32_t orientation_from_word(const char* word, int32_t current)
{
    if (strcmp(word, "up_left") == 0)
        return 0;
    if (strcmp(word, "centered") == 0)
        return 1;
    if (strcmp(word, "down_middle") == 0)
        return 2;
    return current;
}

int32_t sprite_sort_key(const SpriteTemplate& sprite, int32_t pictureHeight)
{
    if (sprite.sortKey != -1)
        return sprite.sortKey;
    int64_t key = static_cast<int64_t>(sprite.y) + pictureHeight;
    return static_cast<int32_t>(key > INT32_MAX ? INT32_MAX : key < INT32_MIN ? INT32_MIN : key);
}
