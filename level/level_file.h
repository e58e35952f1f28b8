// The level file's name and the scan loop the three level scanners share.
#pragma once
#include <cstddef>
#include <functional>

class CTextParse;
struct ScriptKeyword;

// "\logic\levels\level<n>.txt", relative to the program folder.
void level_file_name(int levelNumber, char* out, size_t outSize);

// Opens level n under the program folder and, for every line whose first field is one of keywords,
// calls act(parser, index into keywords). False when the file cannot be opened.
bool scan_level_file(int levelNumber, const ScriptKeyword* keywords, int keywordCount,
                     const std::function<void(CTextParse&, int)>& act);

// Copies a text argument into a fixed field, cutting (with a log line) what does not fit.
void store_text(char* field, size_t fieldSize, const char* text, const char* keyword);
template <size_t N>
void store_text(char (&field)[N], const char* text, const char* keyword)
{
    store_text(field, N, text, keyword);
}
