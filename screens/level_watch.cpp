// level_watch_frame: polls the running level's script, checks an edited one, and restarts the level with it.
#include "screens/level_watch.h"

#include <string>

#include "app/app_state.h"
#include "app/main_window.h"
#include "check/check_context.h"
#include "check/script_check.h"
#include "check/script_diff.h"
#include "game/game_services.h"
#include "game/level_progress.h"
#include "level/loader.h"
#include "platform/file_info.h"
#include "resources/resource_file.h"
#include "screens/game_screen.h"
#include "util/log.h"
#include "util/timer.h"

namespace {

constexpr uint32_t kPollMs = 500;
constexpr uint32_t kErrorShownMs = 6000;

struct Watch {
    int level = 0;  // the level whose file is watched; 0 before the first level runs
    FileStamp stamp;
    ScriptStatements statements;
    CTimer poll;
};
Watch g_watch;

std::string script_path(int level) { return std::string(AppState.programDir) + level_script_name(level); }

// Checks the level's script as it stands. The loaders the check runs report a broken picture with an error
// box as well; the check tells its problems itself, and a box would stop the level being played.
void check_script(int level, CheckContext& context, ScriptFacts& facts)
{
    const bool window = main_window_exists();
    set_main_window_exists(false);
    check_level_script(level, context, &facts);
    set_main_window_exists(window);
    context.report.sort();
}

// The file's statements as they stand, for telling later what an edit changed.
ScriptStatements read_statements(int level)
{
    CheckContext context;
    ScriptFacts facts;
    check_script(level, context, facts);
    return facts.statements;
}

void start_watching(int level)
{
    g_watch.level = level;
    sys_file_stamp(script_path(level).c_str(), &g_watch.stamp);
    g_watch.statements = read_statements(level);
    g_watch.poll.set_interval(kPollMs);
    log_msg("Watching %s for changes.", base_name_of(level_script_name(level).c_str()));
}

void restart_level(int level)
{
    leave_game();
    if (!load_level(level)) return;
    Loader.set_position(176, 297);
    start_level(level);
    const LevelProgressRecord& p = LevelProgress;
    log_msg("Level %d restarted: %d kills required, %d creatures to spawn, at most %d at once, spawn delay %d to %d ms, "
            "initial delay %d ms.",
            level, int(p.killsRequired), int(p.creaturesToSpawn), int(p.maxCreatures), int(p.spawnDelayMin),
            int(p.spawnDelayMax), int(p.initialDelay));
}

}  // namespace

void level_watch_frame()
{
    if (AppState.screenState != STATE_GAME || !AppState.active) return;
    const int level = LevelProgress.levelNumber;
    if (level != g_watch.level) {
        start_watching(level);
        return;
    }
    if (!g_watch.poll.ready()) return;
    FileStamp now;
    sys_file_stamp(script_path(level).c_str(), &now);
    if (now == g_watch.stamp) return;
    g_watch.stamp = now;

    const std::string name = level_script_name(level);
    const char* file = base_name_of(name.c_str());
    CheckContext context;
    ScriptFacts facts;
    check_script(level, context, facts);
    if (const Problem* first = context.report.first_error()) {
        log_msg("%s changed but has %d error(s); the level plays on as it was.", file, context.report.errors());
        for (const Problem& p : context.report.problems()) log_msg("%s", format_problem(p).c_str());
        Problem shown = *first;
        shown.file = file;
        show_message(format_problem(shown).c_str(), kErrorShownMs);
        return;
    }
    log_msg("%s changed: %s.", file, describe_script_changes(g_watch.statements, facts.statements).c_str());
    g_watch.statements = facts.statements;
    restart_level(level);
}
