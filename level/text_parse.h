// CTextParse: reads a data file line by line and hands out its "|"-separated fields.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

class CTextParse {
public:
    static constexpr size_t kBufferSize = 2024;   // a line or field holds at most 2023 characters
    static constexpr size_t kBaseSize = 256;

    CTextParse();
    ~CTextParse();
    CTextParse(const CTextParse&) = delete;
    CTextParse& operator=(const CTextParse&) = delete;

    // Copied in front of every name given to open (cut to 255 characters).
    void set_base_folder(const char* folder);
    // Opens base folder + name for reading; false (and a log line) when it cannot be opened.
    bool open(const char* name);
    // Reads the next line without its line feed (and without a carriage return before it). A line longer
    // than 2023 characters is cut there; the rest of it is skipped. False at end of file or with no file.
    bool next_line(char** out = nullptr);
    // Field n (from 1) of the current line; empty when there is no such field or no file is open.
    // The buffer is overwritten by the next call.
    char* word(int n);
    // Field n as a number the way atoi/atof read it (leading blanks skipped, stops at the first stray
    // character, 0 when there is no number), but saturated instead of overflowing, and never NaN or infinite.
    int32_t int_word(int n);
    float float_word(int n);
    void close();

    const char* line() const { return lineBuffer; }
    // The number of the current line, counting from 1 since open (0 before the first line).
    int line_number() const { return lineNumber; }
    // The current line was longer than a line buffer holds and lost its end.
    bool line_was_cut() const { return lineCut; }

private:
    FILE* file = nullptr;
    int lineNumber = 0;
    bool lineCut = false;
    char baseFolder[kBaseSize] = {};
    char lineBuffer[kBufferSize] = {};
    char wordBuffer[kBufferSize] = {};
};

// The number conversions of int_word and float_word, for any text.
int32_t text_to_int(const char* text);
float text_to_float(const char* text);
