// Narrow/wide text conversion, the carrier string, and small text routines.
#include "util/strings.h"
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>
#include "platform/files.h"
#include "util/log.h"

size_t wide_length(const wchar16* text)
{
    size_t n = 0;
    while (text[n]) n++;
    return n;
}

// The system code page here is UTF-8; invalid bytes fail the conversion.
int to_wide(const char* text, wchar16** out)
{
    *out = nullptr;
    if (!text) return 0;
    size_t len = std::strlen(text);
    auto* buf = static_cast<wchar16*>(std::malloc((len + 1) * sizeof(wchar16)));
    if (!buf) return 1;
    size_t o = 0;
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    for (size_t i = 0; i < len;) {
        uint32_t cp;
        int extra;
        unsigned char c = s[i];
        if (c < 0x80) { cp = c; extra = 0; }
        else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
        else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; extra = 3; }
        else { std::free(buf); return 2; }
        for (int k = 1; k <= extra; k++) {
            if (i + size_t(k) >= len || (s[i + size_t(k)] & 0xC0) != 0x80) { std::free(buf); return 2; }
            cp = (cp << 6) | (s[i + size_t(k)] & 0x3F);
        }
        i += size_t(extra) + 1;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            buf[o++] = wchar16(0xD800 + (cp >> 10));
            buf[o++] = wchar16(0xDC00 + (cp & 0x3FF));
        } else {
            buf[o++] = wchar16(cp);
        }
    }
    buf[o] = 0;
    *out = buf;
    return 0;
}

int to_narrow(const wchar16* text, char** out)
{
    *out = nullptr;
    if (!text) return 0;
    size_t len = wide_length(text);
    // Up to three bytes for each UTF-16 unit (a surrogate pair gives four bytes for two units).
    auto* buf = static_cast<char*>(std::malloc(3 * len + 1));
    if (!buf) return 1;
    size_t o = 0;
    for (size_t i = 0; i < len; i++) {
        uint32_t cp = text[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < len && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            i++;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            std::free(buf);
            return 2;
        }
        if (cp < 0x80) buf[o++] = char(cp);
        else if (cp < 0x800) { buf[o++] = char(0xC0 | (cp >> 6)); buf[o++] = char(0x80 | (cp & 0x3F)); }
        else if (cp < 0x10000) {
            buf[o++] = char(0xE0 | (cp >> 12));
            buf[o++] = char(0x80 | ((cp >> 6) & 0x3F));
            buf[o++] = char(0x80 | (cp & 0x3F));
        } else {
            buf[o++] = char(0xF0 | (cp >> 18));
            buf[o++] = char(0x80 | ((cp >> 12) & 0x3F));
            buf[o++] = char(0x80 | ((cp >> 6) & 0x3F));
            buf[o++] = char(0x80 | (cp & 0x3F));
        }
    }
    buf[o] = '\0';
    *out = buf;
    return 0;
}

CUniStr::CUniStr(const char* text) { set(text); }

CUniStr::CUniStr(int capacity)
{
    log_msg("Created string of %d bytes.", capacity);
    if (capacity > 0) wide = static_cast<wchar16*>(std::calloc(size_t(capacity), sizeof(wchar16)));
}

CUniStr::~CUniStr()
{
    std::free(wide);
    std::free(narrow);
}

void CUniStr::set(const char* text)
{
    std::free(wide);
    to_wide(text, &wide);
}

void CUniStr::set_wide(const wchar16* text)
{
    std::free(wide);
    wide = nullptr;
    if (text) {
        size_t n = wide_length(text) + 1;
        wide = static_cast<wchar16*>(std::malloc(n * sizeof(wchar16)));
        if (wide) std::memcpy(wide, text, n * sizeof(wchar16));
    }
    get_narrow();
}

char* CUniStr::get_narrow()
{
    std::free(narrow);
    narrow = nullptr;
    if (wide) to_narrow(wide, &narrow);
    return narrow;
}

void module_folder(wchar16* buf, int size)
{
    if (size <= 0) return;
    std::string folder = sys_executable_folder();
    wchar16* w = nullptr;
    buf[0] = 0;
    if (to_wide(folder.c_str(), &w) != 0 || !w) return;
    size_t n = wide_length(w);
    if (n + 1 > size_t(size)) n = size_t(size) - 1;
    std::memcpy(buf, w, n * sizeof(wchar16));
    buf[n] = 0;
    std::free(w);
}

bool file_exists(const char* path)
{
    FILE* f = sys_fopen(path, "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

static void upper_copy(char* dst, size_t size, const char* src)
{
    size_t i = 0;
    for (; src[i] && i + 1 < size; i++) dst[i] = char(std::toupper(static_cast<unsigned char>(src[i])));
    dst[i] = '\0';
}

void replace_all_n(const char* search, const char* replacement, char* text, size_t text_size)
{
    if (text_size == 0) return;
    char upper_search[200];
    upper_copy(upper_search, sizeof upper_search, search);
    const size_t slen = std::strlen(upper_search);
    if (slen == 0) return;
    std::string upper_text;
    for (;;) {
        // The whole text is searched, so an occurrence in its last characters is found too.
        upper_text.assign(text);
        for (char& c : upper_text) c = char(std::toupper(static_cast<unsigned char>(c)));
        const size_t at = upper_text.find(upper_search);
        if (at == std::string::npos) return;
        std::string built(text, at);
        built += replacement;
        built.append(text + at + slen);
        // A longer replacement may not grow the text past its buffer.
        copy_text(text, text_size, built.c_str());
    }
}

void replace_all(const char* search, const char* replacement, char* text)
{
    replace_all_n(search, replacement, text, kReplaceTextSize);
}

int get_field_n(const char* text, int n, char separator, char* out, size_t out_size)
{
    if (out_size == 0) return 0;
    out[0] = '\0';
    const char* p = text;
    for (int field = 1; field < n; field++) {
        const char* sep = std::strchr(p, separator);
        if (!sep) return 0;
        p = sep + 1;
    }
    const char* end = std::strchr(p, separator);
    size_t len = end ? size_t(end - p) : std::strlen(p);
    if (len > out_size - 1) len = out_size - 1;
    std::memcpy(out, p, len);
    out[len] = '\0';
    return end ? 1 : 0;
}

int get_field(const char* text, int n, char separator, char* out)
{
    return get_field_n(text, n, separator, out, size_t(-1) / 2);
}

int find_last(const char* text, char c)
{
    int len = int(std::strlen(text));
    for (int i = len - 1; i > 0; i--)
        if (text[i] == c) return i + 1;
    return 0;
}

void copy_text(char* dst, size_t dst_size, const char* src)
{
    if (dst_size == 0) return;
    size_t n = std::strlen(src);
    if (n > dst_size - 1) n = dst_size - 1;
    std::memcpy(dst, src, n);
    dst[n] = '\0';
}

std::string trim_blanks(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string lower_case(std::string text)
{
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool same_ignoring_case(const char* a, const char* b)
{
    for (; *a && *b; a++, b++)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b))) return false;
    return *a == *b;
}
