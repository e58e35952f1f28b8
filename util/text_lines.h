// Reading a player's text file line by line: the input script, the controls file and recorded runs.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

// Longer lines are nobody's input: they are not handed over, and count as bad.
constexpr size_t kMaxTextLine = 4096;

struct TextLine {
    std::string text;   // without its line end (LF, or CR LF)
    int number = 0;     // from 1
    bool ended = true;  // false for a last line without a line end: a file cut off while it was written
};

// Takes one line; false (with a reason) when the line is bad.
using TakeLine = std::function<bool(const TextLine& line, std::string* reason)>;

enum class TextRead { Done, NotOpened, Stopped };

// Hands every line of the file at path to take. A bad line is logged as "<what> <path> line <n> skipped:
// <reason>." and reading goes on; with stopAtBad reading ends there instead, nothing is logged, and the
// line's number and reason are given back.
TextRead read_text_lines(const std::string& path, const char* what, const TakeLine& take, bool stopAtBad = false,
                         int* badLine = nullptr, std::string* badReason = nullptr);
