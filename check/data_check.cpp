// The data check: every level script and where next_level leads, the files of the game's tables, the archives
// and the career file; and --check-data, which prints what it found.
#include "check/data_check.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <vector>

#include "app/app_state.h"
#include "check/career_check.h"
#include "check/check_context.h"
#include "check/game_files.h"
#include "check/script_check.h"
#include "level/career.h"
#include "platform/debug_output_file.h"
#include "platform/file_info.h"
#include "platform/files.h"
#include "platform/user_folders.h"
#include "resources/game_folders.h"
#include "resources/resource_file.h"
#include "util/strings.h"

namespace {

constexpr int kEnding = 500;
constexpr int kTitle = 1000;

// Level numbers of the files in the levels folder: those whose name is the one the game opens for it.
std::vector<int> level_files_present()
{
    const std::string first = level_script_name(1);
    const std::string folder = first.substr(0, first.find_last_of('\\'));
    std::vector<int> levels;
    for (const std::string& file : sys_list_folder((std::string(AppState.programDir) + folder).c_str())) {
        if (file.size() < 10) continue;
        const std::string lower = lower_case(file);
        const std::string digits = lower.substr(5, lower.size() - 9);
        if (lower.compare(0, 5, "level") != 0 || lower.compare(lower.size() - 4, 4, ".txt") != 0 || digits.empty() ||
            digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const int n = std::atoi(digits.c_str());  // six digits at most: no overflow
        if (n >= 1 && base_name_of(level_script_name(n).c_str()) == "level" + digits + ".txt") levels.push_back(n);
    }
    return levels;
}

bool level_file_exists(int n)
{
    return n >= 1 && file_exists((std::string(AppState.programDir) + level_script_name(n)).c_str());
}

// Where the game goes after level n.
int next_of(const ScriptFacts& f)
{
    return f.script.nextLevel != 0 ? f.script.nextLevel : f.levelNumber + 1;
}

int next_line(const ScriptFacts& f)
{
    auto it = f.lastLine.find("next_level");
    return it == f.lastLine.end() ? 0 : it->second;
}

// Every chain ends in the ending, the title, or a loop; a link to a level without a file ends the program.
void check_chains(const std::map<int, ScriptFacts>& levels, CheckReport& report)
{
    for (const auto& [n, f] : levels) {
        if (!f.opened) continue;
        const int next = next_of(f);
        if (next == kEnding || next == kTitle || level_file_exists(next)) continue;
        const std::string missing = level_script_name(next).substr(1);
        if (next_line(f))
            report.error(f.path, next_line(f),
                         "next_level %d leads nowhere: there is no %s, and the game stops with \"Unable to find the "
                         "information for this level\"",
                         next, missing.c_str());
        else
            report.error(f.path, 0,
                         "without \"next_level\" level %d follows, and there is no %s: the game stops with \"Unable "
                         "to find the information for this level\" (next_level 500 leads to the ending)",
                         next, missing.c_str());
    }
    // Each level has one successor, so a walk either ends or comes back to a level on its own path.
    std::set<int> settled;
    for (const auto& [start, unused] : levels) {
        std::vector<int> path;
        int n = start;
        while (!settled.count(n) && levels.count(n) && levels.at(n).opened) {
            const auto again = std::find(path.begin(), path.end(), n);
            if (again != path.end()) {
                std::string loop;
                for (auto it = again; it != path.end(); ++it) loop += std::to_string(*it) + " -> ";
                loop += std::to_string(n);
                const ScriptFacts& closing = levels.at(path.back());
                report.error(closing.path, next_line(closing),
                             "the next_level chain loops (%s): the game never reaches the ending", loop.c_str());
                break;
            }
            path.push_back(n);
            n = next_of(levels.at(n));
        }
        settled.insert(path.begin(), path.end());
    }
}

}  // namespace

std::string shown_path(const std::string& name) { return sys_resolve_path((AppState.programDir + name).c_str()); }

void check_data_folder(CheckContext& context)
{
    std::set<int> wanted;
    for (int n = 1; n <= kCareerLevels; n++) wanted.insert(n);
    for (int n : level_files_present()) wanted.insert(n);

    std::map<int, ScriptFacts> levels;
    while (!wanted.empty()) {
        const int n = *wanted.begin();
        wanted.erase(wanted.begin());
        if (levels.count(n)) continue;
        ScriptFacts& facts = levels[n];
        facts.levelNumber = n;
        facts.path = shown_path(level_script_name(n));
        if (!level_file_exists(n)) {
            context.report.error(facts.path, 0, "missing: the level select offers level %d", n);
            continue;
        }
        check_level_script(n, context, &facts);
        // A level only next_level reaches is part of the game too.
        const int next = next_of(facts);
        if (facts.opened && next != kEnding && next != kTitle && level_file_exists(next)) wanted.insert(next);
    }
    check_chains(levels, context.report);
    check_game_files(context);
    check_creature_archives(context);
    check_career_file(context);
    context.report.sort();
}

int check_data_main(const std::string& dir, FILE* out)
{
    std::string folder = dir.empty() ? sys_executable_folder() : dir;
    if (folder.back() != '/') folder += '/';
    copy_text(AppState.programDir, sizeof AppState.programDir, folder.c_str());
    if (!sys_folder_exists(folder.c_str())) {
        std::fprintf(out, "%s: error: no such data folder\n%s.\n", folder.c_str(), count_text(1, 0).c_str());
        return 1;
    }
    // The game sees the data through the player's folder (unpacked frames, the career); so does the check,
    // without making or writing anything there.
    const std::string player = sys_user_data_folder();
    if (!player.empty() && !sys_file_exists((folder + kPortableMarker).c_str()) && sys_folder_exists(player.c_str()))
        sys_files_overlay(folder, player);
    CheckContext context;
    check_data_folder(context);
    const PictureChecker& p = context.pictures;
    char what[200];
    std::snprintf(what, sizeof what, "checked %d level scripts, %d pictures, %d strips (%d frames) and %d sounds",
                  context.scriptsChecked, p.pictures_read(), p.strips_read(), p.frames_read(),
                  context.sounds.sounds_read());
    context.report.print(out, what);
    return context.report.errors() > 0 ? 1 : 0;
}

int check_data_command(const std::string& dir, const std::string& logFile)
{
    if (logFile.empty())
        debug_output_silence();
    else if (!debug_output_open(logFile))
        return 2;
    const int result = check_data_main(dir, stdout);
    debug_output_close();
    return result;
}
