// What an edit of a level script changed, told keyword by keyword.
#pragma once
#include <map>
#include <string>
#include <vector>

using ScriptStatements = std::map<std::string, std::vector<std::string>>;

// "kills_required_to_continue 6 -> 8; add_hardbox 2 -> 3 lines; set_boss added"; "no statement changed"
// when only remarks or spacing did.
std::string describe_script_changes(const ScriptStatements& before, const ScriptStatements& after);
