// The problems a data check finds, kept in order and printed the way compilers print theirs.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

enum class Severity { Warning, Error };

struct Problem {
    std::string file;  // the path as shown to the reader
    int line = 0;      // 1-based; 0 when the problem is the file as a whole
    Severity severity = Severity::Error;
    std::string message;
};

class CheckReport {
public:
    void error(const std::string& file, int line, const char* fmt, ...) __attribute__((format(printf, 4, 5)));
    void warning(const std::string& file, int line, const char* fmt, ...) __attribute__((format(printf, 4, 5)));
    void add(Problem problem);

    const std::vector<Problem>& problems() const { return problems_; }
    int errors() const;
    int warnings() const;
    // The first error, or null.
    const Problem* first_error() const;

    // Problems of one file together, by line, files in the order they were first reported; the same
    // problem reported twice (a picture two lines of one script name) is kept once.
    void sort();
    // Each problem as one line, then the count line, after what (when given) and a colon.
    void print(FILE* out, const std::string& what = {}) const;

private:
    std::vector<Problem> problems_;
};

// "FILE:LINE: error: message" (":LINE" left out for line 0).
std::string format_problem(const Problem& problem);
// "2 errors, 1 warning" and the like.
std::string count_text(int errors, int warnings);
