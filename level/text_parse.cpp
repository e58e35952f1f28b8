// CTextParse: line reading, field extraction and the saturating number conversions.
#include "level/text_parse.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/files.h"
#include "util/log.h"
#include "util/strings.h"

CTextParse::CTextParse() = default;

CTextParse::~CTextParse()
{
    close();
}

void CTextParse::set_base_folder(const char* folder)
{
    copy_text(baseFolder, sizeof baseFolder, folder ? folder : "");
}

bool CTextParse::open(const char* name)
{
    close();
    lineBuffer[0] = '\0';
    lineNumber = 0;
    std::string path = std::string(baseFolder) + (name ? name : "");
    file = sys_fopen(path.c_str(), "r");
    if (!file) {
        log_msg("Couldn't open %s..", path.c_str());
        return false;
    }
    return true;
}

bool CTextParse::next_line(char** out)
{
    if (!file) {
        log_msg("Can't get next line, file is not open.");
        return false;
    }
    // Read by character so that an over-long line is cut instead of coming back as a second "line"
    // whose first words could pass for a keyword.
    size_t length = 0;
    size_t dropped = 0;
    int lastDropped = 0;
    bool gotAny = false;
    int c;
    while ((c = getc(file)) != EOF) {
        gotAny = true;
        if (c == '\n')
            break;
        if (length < kBufferSize - 1) {
            lineBuffer[length++] = static_cast<char>(c);
        } else {
            ++dropped;
            lastDropped = c;
        }
    }
    if (!gotAny) {
        lineBuffer[0] = '\0';
        return false;
    }
    // Scripts saved on another system end their lines in CR LF; the CR must not reach the last field.
    if (dropped == 0 && length > 0 && lineBuffer[length - 1] == '\r')
        --length;
    bool cut = dropped > 1 || (dropped == 1 && lastDropped != '\r');
    lineBuffer[length] = '\0';
    lineCut = cut;
    if (cut)
        log_msg("Line longer than %d characters, the rest is skipped: %.40s..", static_cast<int>(kBufferSize - 1),
                lineBuffer);
    if (out)
        *out = lineBuffer;
    ++lineNumber;
    return true;
}

char* CTextParse::word(int n)
{
    wordBuffer[0] = '\0';
    if (!file)
        return wordBuffer;
    get_field_n(lineBuffer, n, '|', wordBuffer, sizeof wordBuffer);
    return wordBuffer;
}

int32_t CTextParse::int_word(int n)
{
    return text_to_int(word(n));
}

float CTextParse::float_word(int n)
{
    return text_to_float(word(n));
}

void CTextParse::close()
{
    if (!file)
        return;
    if (fclose(file) != 0)
        log_msg("Error closing file.");
    file = nullptr;
}

int32_t text_to_int(const char* text)
{
    long long v = strtoll(text, nullptr, 10);
    if (v > INT32_MAX)
        return INT32_MAX;
    if (v < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(v);
}

float text_to_float(const char* text)
{
    double v = strtod(text, nullptr);
    // "nan" and "inf" parse, and a float cannot hold 1e300; none of them is a usable script value.
    if (!std::isfinite(v))
        return 0.0f;
    if (v > FLT_MAX)
        return FLT_MAX;
    if (v < -FLT_MAX)
        return -FLT_MAX;
    return static_cast<float>(v);
}
