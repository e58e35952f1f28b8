// The level file's name and the scan loop the three level scanners share.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

class CTextParse;
struct ScriptKeyword;

// "\logic\levels\level<n>.txt", relative to the program folder.
void level_file_name(int levelNumber, char* out, size_t outSize);

// Opens level n under the program folder and, for every line whose first field is one of keywords,
// calls act(parser, index into keywords). False when the file cannot be opened.
bool scan_level_file(int levelNumber, const ScriptKeyword* keywords, int keywordCount,
                     const std::function<void(CTextParse&, int)>& act);

// The farthest a position in a level file may lie from 0 either way: no playfield comes near it, and
// positions that pass through floats stay exact.
constexpr int32_t kScriptCoordinateLimit = 1000000;
// Field n of the current line as a position, clamped to +-kScriptCoordinateLimit with a log line.
int32_t coordinate_word(CTextParse& parser, int n, const char* keyword);

// Copies a text argument into a fixed field, cutting (with a log line) what does not fit.
void store_text(char* field, size_t fieldSize, const char* text, const char* keyword);
template <size_t N>
void store_text(char (&field)[N], const char* text, const char* keyword)
{
    store_text(field, N, text, keyword);
}
