// The level script keywords of the three scanners, each with the arguments its line carries.
#pragma once
#include <cstddef>

enum class ScriptScanner { Settings, Sprites, HardBoxes };

// One keyword: its name, the scanner that acts on it and its argument fields (from field 2 on).
struct ScriptKeyword {
    const char* name;
    ScriptScanner scanner;
    // One letter per argument field: 'i' integer (atoi), 'd' decimal (atof), 't' text, 'w' a word from a
    // fixed choice. Missing fields read as 0 or empty text.
    const char* args;
    // For a 't' argument: the capacity of the record field it is copied into, terminator included.
    size_t textSize;
};

// In each scanner's order of comparison.
constexpr int kSettingsKeywordCount = 20;
constexpr int kSpriteKeywordCount = 14;
constexpr int kHardBoxKeywordCount = 1;
extern const ScriptKeyword kSettingsKeywords[kSettingsKeywordCount];
extern const ScriptKeyword kSpriteKeywords[kSpriteKeywordCount];
extern const ScriptKeyword kHardBoxKeywords[kHardBoxKeywordCount];

// The keyword of that exact name in any scanner, or null.
const ScriptKeyword* find_script_keyword(const char* name);
// Every keyword of the three scanners, settings first.
int script_keyword_count();
const ScriptKeyword& script_keyword(int index);
