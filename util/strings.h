// Narrow/wide text conversion, the carrier string, and small text routines.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

using wchar16 = char16_t;

// Narrow (UTF-8) to UTF-16 and back; 0 on success, a failure code otherwise. Null in gives null out.
int to_wide(const char* text, wchar16** out);
int to_narrow(const wchar16* text, char** out);
size_t wide_length(const wchar16* text);

// Carries a text across the border to calls that want UTF-16.
class CUniStr {
public:
    CUniStr() = default;
    explicit CUniStr(const char* text);
    explicit CUniStr(int capacity);
    ~CUniStr();
    CUniStr(const CUniStr&) = delete;
    CUniStr& operator=(const CUniStr&) = delete;

    void set(const char* text);
    void set_wide(const wchar16* text);
    char* get_narrow();

    wchar16* wide = nullptr;
    char* narrow = nullptr;
};

// Fills buf (size characters) with the executable's folder, ending in a backslash.
void module_folder(wchar16* buf, int size);
bool file_exists(const char* path);

// The buffer replace_all works on: a text of up to 2000 characters (a level's story) and its terminator.
constexpr size_t kReplaceTextSize = 2001;
// Replaces every case-insensitive occurrence of search (up to 199 characters) in text, whose buffer
// holds kReplaceTextSize bytes; a result longer than that is cut.
void replace_all(const char* search, const char* replacement, char* text);
// Like replace_all, for a text in a buffer of text_size bytes.
void replace_all_n(const char* search, const char* replacement, char* text, size_t text_size);
// Writes field n (from 1) of text into out; 1 when a separator follows it, else 0.
int get_field(const char* text, int n, char separator, char* out);
// Like get_field, but never writes more than out_size - 1 characters (the rest is cut).
int get_field_n(const char* text, int n, char separator, char* out, size_t out_size);
// Index after the last occurrence of c, or 0 when c is absent or only at index 0.
int find_last(const char* text, char c);

// Copies src into dst of dst_size bytes, cutting what does not fit; always terminates.
void copy_text(char* dst, size_t dst_size, const char* src);

// The text without the blanks (spaces, tabs, a CR left from a CR LF line end) at either end.
std::string trim_blanks(const std::string& text);
// The text in lower case (ASCII letters only: names and keywords, never a player's words).
std::string lower_case(std::string text);
// True when a and b are the same but for the case of their ASCII letters.
bool same_ignoring_case(const char* a, const char* b);
