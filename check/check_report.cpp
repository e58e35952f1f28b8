// CheckReport: collecting, ordering, counting and printing the problems of a data check.
#include "check/check_report.h"

#include <algorithm>
#include <cstdarg>
#include <map>

namespace {

std::string vformat(const char* fmt, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    if (n <= 0) return {};
    std::string text(size_t(n) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), fmt, args);
    text.resize(size_t(n));
    return text;
}

}  // namespace

void CheckReport::error(const std::string& file, int line, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    add({file, line, Severity::Error, vformat(fmt, args)});
    va_end(args);
}

void CheckReport::warning(const std::string& file, int line, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    add({file, line, Severity::Warning, vformat(fmt, args)});
    va_end(args);
}

void CheckReport::add(Problem problem) { problems_.push_back(std::move(problem)); }

int CheckReport::errors() const
{
    return int(std::count_if(problems_.begin(), problems_.end(),
                             [](const Problem& p) { return p.severity == Severity::Error; }));
}

int CheckReport::warnings() const { return int(problems_.size()) - errors(); }

const Problem* CheckReport::first_error() const
{
    for (const Problem& p : problems_)
        if (p.severity == Severity::Error) return &p;
    return nullptr;
}

void CheckReport::sort()
{
    std::map<std::string, size_t> fileOrder;
    for (const Problem& p : problems_) fileOrder.emplace(p.file, fileOrder.size());
    std::stable_sort(problems_.begin(), problems_.end(), [&](const Problem& a, const Problem& b) {
        const size_t fa = fileOrder[a.file], fb = fileOrder[b.file];
        return fa != fb ? fa < fb : a.line < b.line;
    });
    auto same = [](const Problem& a, const Problem& b) {
        return a.file == b.file && a.line == b.line && a.severity == b.severity && a.message == b.message;
    };
    problems_.erase(std::unique(problems_.begin(), problems_.end(), same), problems_.end());
}

void CheckReport::print(FILE* out, const std::string& what) const
{
    for (const Problem& p : problems_) std::fprintf(out, "%s\n", format_problem(p).c_str());
    std::fprintf(out, "%s%s%s.\n", what.c_str(), what.empty() ? "" : ": ", count_text(errors(), warnings()).c_str());
}

std::string format_problem(const Problem& p)
{
    std::string text = p.file;
    if (p.line > 0) text += ":" + std::to_string(p.line);
    text += p.severity == Severity::Error ? ": error: " : ": warning: ";
    return text + p.message;
}

std::string count_text(int errors, int warnings)
{
    auto count = [](int n, const char* word) { return std::to_string(n) + " " + word + (n == 1 ? "" : "s"); };
    return count(errors, "error") + ", " + count(warnings, "warning");
}
