// Where the game's data is found and where the player's files go: the data folder search, the player's
// folder overlaid on it, portable folders, and a career left behind in an old build folder.
#include "resources/game_folders.h"
#include <cstdio>
#include <cstring>
#include <vector>
#include "level/career.h"
#include "platform/file_paths.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/user_folders.h"
#include "util/log.h"

using namespace files;

#ifndef VORLAINE_DATA_RELATIVE
#define VORLAINE_DATA_RELATIVE "../share/games/vorlaine"
#endif

namespace {

struct Folders {
    std::vector<std::string> looked;  // where data was looked for, in order
    std::string data, write, player;
    bool noData = false;
    int listed = 0, missing = 0;
    std::string firstMissing;
    bool portable = false;
    std::string portableTrouble, playerTrouble;
    std::string tookOver;
};
Folders g_folders;

// A stand-in for a player's folder that cannot be written lives for one run only.
struct ScratchFolder {
    std::string path;
    ~ScratchFolder()
    {
        if (!path.empty()) sys_remove_tree(path);
    }
};
ScratchFolder g_scratch;

std::string with_slash(std::string p)
{
    if (!p.empty() && p.back() != '/') p += '/';
    return p;
}

// "/usr/bin/../share/vorlaine/" -> "/usr/share/vorlaine/", so messages and logs name the folder plainly.
std::string normal_folder(const std::string& path)
{
    std::vector<std::string> parts;
    size_t pos = 0;
    while (pos < path.size()) {
        size_t slash = path.find('/', pos);
        if (slash == std::string::npos) slash = path.size();
        std::string part = path.substr(pos, slash - pos);
        if (part == "..") {
            if (!parts.empty() && parts.back() != "..") parts.pop_back();
            else if (path[0] != '/') parts.push_back(part);
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        pos = slash + 1;
    }
    std::string out = path[0] == '/' ? "/" : "";
    for (const std::string& part : parts) out += part + "/";
    return out.empty() ? "./" : out;
}

// Every file the manifest lists must be there, except archives: the first start of a portable
// folder consumes the creature archives.
void check_data(const std::string& data)
{
    FILE* f = sys_fopen((data + kDataManifest).c_str(), "r");
    if (!f) {
        g_folders.noData = true;
        return;
    }
    char line[512];
    while (std::fgets(line, sizeof line, f)) {
        size_t n = std::strcspn(line, "\r\n");
        line[n] = '\0';
        if (n == 0 || line[0] == '#') continue;
        if (n > 4 && std::strcmp(line + n - 4, ".zip") == 0) continue;
        g_folders.listed++;
        if (!sys_file_exists((data + line).c_str())) {
            if (g_folders.missing++ == 0) g_folders.firstMissing = line;
        }
    }
    std::fclose(f);
}

// A career file in the data folder comes from a build folder that kept it there: the player's folder
// takes it over once. Where the player's folder cannot be written, this run starts from the career kept
// there.
void take_over_career(const std::string& scratch)
{
    const std::string mine = g_folders.write + kCareerFileName;
    if (sys_file_exists(mine.c_str())) return;
    const std::string kept = g_folders.player + kCareerFileName;
    if (!scratch.empty() && !g_folders.player.empty() && is_regular_file(kept)) {
        if (copy_file(kept, mine)) g_folders.tookOver = kept;
        return;
    }
    const std::string old = g_folders.data + kCareerFileName;
    if (sys_files_take_over(old.c_str())) g_folders.tookOver = old;
}

void tell(const std::string& text, bool box)
{
    // The log takes one line at a time.
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        log_msg("%s", text.substr(pos, end - pos).c_str());
        pos = end + 1;
    }
    if (box) sys_message_box(text.c_str(), "Vorlaine", MB_OK_ONLY);
}

}  // namespace

std::string find_data_folder(const std::string& named)
{
    g_folders.looked.clear();
    if (!named.empty()) {
        g_folders.looked.push_back(with_slash(named) + " (named by --data)");
        return with_slash(named);
    }
    const std::string exe = sys_executable_folder();
    const std::string installed = normal_folder(exe + VORLAINE_DATA_RELATIVE + "/");
    g_folders.looked.push_back(installed + " (the installed data)");
    g_folders.looked.push_back(exe + " (the executable's folder)");
    return sys_file_exists((installed + kDataManifest).c_str()) ? installed : exe;
}

std::string open_game_folders(const std::string& dataFolder)
{
    g_folders.data = with_slash(dataFolder);
    check_data(g_folders.data);
    g_folders.player = sys_user_data_folder();
    std::string why;
    if (sys_file_exists((g_folders.data + kPortableMarker).c_str())) {
        if (sys_prepare_folder(g_folders.data, &why)) g_folders.portable = true;
        else g_folders.portableTrouble = why;
    }
    std::string scratch;
    if (g_folders.portable) {
        g_folders.write = g_folders.data;
    } else if (sys_prepare_folder(g_folders.player, &why)) {
        g_folders.write = g_folders.player;
        g_folders.portable = sys_same_folder(g_folders.player, g_folders.data);
    } else {
        // The game still needs somewhere to unpack its frames; the career then lasts this run only.
        g_folders.playerTrouble = why;
        scratch = g_scratch.path = sys_make_temp_folder();
        g_folders.write = scratch.empty() ? g_folders.player : scratch;
    }
    sys_files_overlay(g_folders.data, g_folders.portable ? std::string() : g_folders.write);
    if (!g_folders.portable) take_over_career(scratch);
    return g_folders.write;
}

bool report_game_folders()
{
    const Folders& f = g_folders;
    if (f.noData) {
        std::string text = "Vorlaine cannot find its game data (no " + std::string(kDataManifest) + ").\nLooked in:";
        for (const std::string& place : f.looked) text += "\n  " + place;
        text += "\nStart it with --data DIR, naming the folder that holds the game's data (" +
                std::string(kDataManifest) + ", graphics, logic, sounds); in a build folder that is build/game.";
        tell(text, true);
        return false;
    }
    log_msg("Data folder %s; the player's files go to %s.", f.data.c_str(), f.write.c_str());
    if (f.missing > 0) {
        char counts[160];
        std::snprintf(counts, sizeof counts, "%d of its %d files are missing", f.missing, f.listed);
        tell("Vorlaine's data in " + f.data + " is incomplete: " + counts + ", " + f.firstMissing +
                 " among them.\nReinstall the game, or start it with --data DIR naming a complete data folder.",
             true);
    }
    if (!f.portableTrouble.empty())
        tell("The data folder " + f.data + " asks to keep the player's files (it holds \"" + kPortableMarker +
                 "\"), but it cannot be written (" + f.portableTrouble + "); they go to " + f.write + " instead.",
             false);
    if (!f.playerTrouble.empty())
        tell("Vorlaine cannot write to the player's folder " + (f.player.empty() ? "(none)" : f.player) + ": " +
                 f.playerTrouble +
                 ".\nThe game plays on, but the career cannot be saved: progress lasts until you quit. "
                 "The career already kept there stays as it is.",
             true);
    if (!f.tookOver.empty() && f.playerTrouble.empty())
        tell("Took over the career in " + f.tookOver + "; it is kept in " + f.write + " now.", false);
    else if (!f.tookOver.empty())
        tell("This run starts from the career in " + f.tookOver + ".", false);
    return true;
}
