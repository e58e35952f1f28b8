// describe_script_changes: the keywords whose statements differ between two readings of a script.
#include "check/script_diff.h"

#include <set>

namespace {

std::string shown(const std::vector<std::string>& lines)
{
    if (lines.size() == 1) return lines[0].empty() ? "(empty)" : lines[0];
    return std::to_string(lines.size()) + " lines";
}

}  // namespace

std::string describe_script_changes(const ScriptStatements& before, const ScriptStatements& after)
{
    std::set<std::string> keywords;
    for (const auto& [k, unused] : before) keywords.insert(k);
    for (const auto& [k, unused] : after) keywords.insert(k);
    std::string text;
    for (const std::string& k : keywords) {
        const auto b = before.find(k), a = after.find(k);
        std::string change;
        if (b == before.end())
            change = k + " added (" + shown(a->second) + ")";
        else if (a == after.end())
            change = k + " removed";
        else if (b->second != a->second)
            change = k + " " + shown(b->second) + " -> " + shown(a->second);
        if (!change.empty()) text += (text.empty() ? "" : "; ") + change;
    }
    return text.empty() ? "no statement changed" : text;
}
