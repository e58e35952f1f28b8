// The level file's name, the shared scan loop, positions kept in reach and the cut-to-fit copy of text arguments.
#include "level/level_file.h"

#include <cstdio>
#include <cstring>

#include "app/app_state.h"
#include "level/script_keywords.h"
#include "level/text_parse.h"
#include "util/log.h"
#include "util/strings.h"

void level_file_name(int levelNumber, char* out, size_t outSize)
{
    snprintf(out, outSize, "\\logic\\levels\\level%d.txt", levelNumber);
}

bool scan_level_file(int levelNumber, const ScriptKeyword* keywords, int keywordCount,
                     const std::function<void(CTextParse&, int)>& act)
{
    char name[64];
    level_file_name(levelNumber, name, sizeof name);
    CTextParse parser;
    parser.set_base_folder(AppState.programDir);
    if (!parser.open(name))
        return false;
    while (parser.next_line()) {
        // Keywords match exactly; the word buffer holds the whole field, so a long first field can
        // never be cut down into a keyword.
        const char* keyword = parser.word(1);
        for (int i = 0; i < keywordCount; ++i) {
            if (strcmp(keyword, keywords[i].name) == 0) {
                act(parser, i);
                break;
            }
        }
    }
    return true;
}

int32_t coordinate_word(CTextParse& parser, int n, const char* keyword)
{
    const int32_t value = parser.int_word(n);
    if (value >= -kScriptCoordinateLimit && value <= kScriptCoordinateLimit)
        return value;
    const int32_t clamped = value < 0 ? -kScriptCoordinateLimit : kScriptCoordinateLimit;
    log_msg("%s: position %d is out of reach, using %d.", keyword, static_cast<int>(value), static_cast<int>(clamped));
    return clamped;
}

void store_text(char* field, size_t fieldSize, const char* text, const char* keyword)
{
    size_t length = strlen(text);
    if (length >= fieldSize)
        log_msg("%s: text of %d characters cut to %d.", keyword, static_cast<int>(length),
                static_cast<int>(fieldSize - 1));
    copy_text(field, fieldSize, text);
}
