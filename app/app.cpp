// The application frame: start-up, the main loop, the window procedure, suspend, resume and shutdown.
#include "app/app.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include "app/app_state.h"
#include "app/frame_sums.h"
#include "app/input.h"
#include "app/input_script.h"
#include "app/main_window.h"
#include "app/recorded_run.h"
#include "check/data_check.h"
#include "game/autoplayer.h"
#include "game/autoplayer_menus.h"
#include "game/hero.h"
#include "game/hud_files.h"
#include "game/projectile.h"
#include "graphics/display.h"
#include "level/loader.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/debug_output.h"
#include "platform/debug_output_file.h"
#include "platform/files.h"
#include "platform/instance.h"
#include "platform/keys.h"
#include "platform/main_loop.h"
#include "platform/message_box.h"
#include "platform/video.h"
#include "resources/game_folders.h"
#include "screens/decompress.h"
#include "screens/game_screen.h"
#include "screens/level_watch.h"
#include "screens/screens.h"
#include "sound/sound_startup.h"
#include "sound/volume.h"
#include "util/log.h"
#include "util/numeric.h"

static LaunchOptions g_options;
static InputScript g_script;
static FrameSums g_frameSums;

const LaunchOptions& launch_options() { return g_options; }

void compute_program_folder()
{
    std::string folder = find_data_folder(g_options.dataDir);
    copy_text(AppState.programDir, sizeof AppState.programDir, folder.c_str());
    wchar16* wide = nullptr;
    if (to_wide(AppState.programDir, &wide) == 0 && wide) {
        size_t n = wide_length(wide);
        if (n > 255) n = 255;
        std::memcpy(AppState.programDirWide, wide, n * sizeof(wchar16));
        AppState.programDirWide[n] = 0;
        std::free(wide);
    }
}

static void loading_step()
{
    // Runs once. A --level start whose script is missing leaves the state at loading while its quit message
    // waits behind the queued ones; those frames must not load, ask and report all over again.
    static bool done = false;
    if (done) return;
    done = true;
    seed_random(g_options.seedGiven ? g_options.seed : sys_tick_count());
    compute_program_folder();
    name_hero_strips();
    name_projectile_strips();
    Loader.initialise(100, 100, kLoadingStrip);
    // --level N plays that level at once, its script loaded as the level select would.
    if (g_options.level > 0) {
        // The title is skipped, so the first start's unpacking happens here.
        decompress_graphics();
        start_level_directly(g_options.level);
    } else {
        enter_title();
    }
}

void run_frame()
{
    AppState.frameTime = sys_tick_count();
    switch (AppState.screenState) {
    case STATE_LOADING: loading_step(); break;
    case STATE_GAME: game_frame(); break;
    case STATE_TITLE: title_frame(); break;
    case STATE_STORY: story_frame(); break;
    case STATE_LEVEL_SELECT: level_select_frame(); break;
    case STATE_OPTIONS: options_frame(); break;
    case STATE_ENDING: ending_frame(); break;
    default: break;
    }
}

void suspend_game()
{
    AppState.active = 0;
    video_suspend();
}

void resume_game()
{
    AppState.active = 1;
    video_resume();
}

void window_proc(const Message& msg)
{
    switch (msg.type) {
    case MSG_KEYDOWN: g_input.on_key_down(msg.wParam); break;
    case MSG_KEYUP: g_input.on_key_up(msg.wParam); break;
    case MSG_MOUSEMOVE: g_input.on_stylus_move(msg.lParam); break;
    case MSG_LBUTTONDOWN: g_input.on_stylus_down(msg.lParam); break;
    case MSG_LBUTTONUP: g_input.on_stylus_up(); break;
    case MSG_ACTIVATE: {
        uint32_t state = msg.wParam & 0xFFFF;
        if (state == 1) {
            resume_game();
            log_msg("Activated.");
        } else if (state == 2) {
            log_msg("Activated. (Mouse click)");
            resume_game();
        } else {
            log_msg("deactivated.");
            suspend_game();
        }
        if (msg.wParam >> 16) {
            log_msg("Minimized.");
            suspend_game();
        }
        break;
    }
    case MSG_SETFOCUS:
        log_msg("Got focus.");
        resume_game();
        break;
    case MSG_KILLFOCUS:
        suspend_game();
        log_msg("Lost focus.");
        break;
    case MSG_PAINT: break;
    case MSG_DESTROY:
        log_msg("WM_DESTROY called.");
        post_quit_message(0);
        break;
    default: break;
    }
}

void shutdown()
{
    if (!close_display()) sys_message_box("Error closing GAPI.", "Error", MB_OK_ONLY);
    set_main_window_exists(false);
    free_buffers();
    sys_debug_output("Killed everything\n");
    // A desktop has no task bar to give back.
    log_msg("Shell restored.");
}

static void take_screenshots(long frame)
{
    for (const auto& s : g_options.screenshots)
        if (s.frame == frame && !video_save_screenshot(s.path.c_str()))
            log_msg("Couldn't write screenshot %s.", s.path.c_str());
}

// --write-controls: the default controls as a file the player can edit.
static int write_controls_command()
{
    std::string path, kept;
    if (!sys_controls_write_defaults(&path, &kept)) {
        std::fprintf(stderr, "vorlaine: cannot write the controls file %s\n", path.c_str());
        return 1;
    }
    if (!kept.empty()) std::printf("Kept the earlier controls as %s\n", kept.c_str());
    std::printf("Wrote the default controls to %s\n", path.c_str());
    return 0;
}

static long g_frame = 0;

// One pass of the main loop; false when the game ends.
static bool main_loop_step()
{
    const long frame = ++g_frame;
    if (!recorded_run_begin_frame(frame)) return false;
    g_script.post_for_frame(frame);
    // The menu half taps through the screens around the levels; the level half plays them.
    if (g_options.autoplay && !autoplay_menus_step()) autoplay_frame();
    if (g_options.watch) level_watch_frame();
    run_frame();
    take_screenshots(frame);
    g_frameSums.after_frame(frame);
    if (g_options.frames > 0 && frame >= g_options.frames) return false;
    if (instance_poll_raise()) {
        log_msg("Brought to the front by another start.");
        video_raise();
    }
    // While suspended, wait for the window system instead of spinning.
    if (!AppState.active) events_wait();
    if (events_peek()) {
        Message msg;
        if (!events_get(&msg)) return false;
        window_proc(msg);
    }
    return true;
}

static void end_run()
{
    g_frameSums.close();
    recorded_run_end();
    shutdown();
    sound_shutdown();
    platform_shutdown();
    instance_release();
}

int vorlaine_main(int argc, char** argv)
{
    std::string error;
    if (!parse_command_line(argc, argv, &g_options, &error)) {
        debug_output_open("");
        std::fprintf(stderr, "vorlaine: %s\nTry 'vorlaine --help'.\n", error.c_str());
        return 2;
    }
    if (g_options.showHelp || g_options.showVersion) {
        debug_output_open("");
        if (g_options.showHelp) std::fputs(command_line_help(), stdout);
        else std::printf("vorlaine %s\n", VORLAINE_VERSION);
        return 0;
    }
    // A data check reads the folder and reports: no window, no sound, no lock on the folder.
    if (g_options.checkData)
        return check_data_command(g_options.checkDir.empty() ? g_options.dataDir : g_options.checkDir,
                                  g_options.logFile);
    if (g_options.writeControls) return write_controls_command();
    if (!recorded_run_read(g_options, &error)) {
        std::fprintf(stderr, "vorlaine: cannot replay %s\n", error.c_str());
        return 2;
    }
    compute_program_folder();
    // The data folder may be read-only; everything the game writes goes to the player's folder.
    const std::string writeFolder = open_game_folders(AppState.programDir);
    // One copy per player's folder: a second start brings the first to the front.
    InstanceResult instance = instance_acquire(writeFolder.c_str());
    // From here every line goes to the chosen log, those of the static objects' construction first. A second
    // copy adds to the file rather than empty it: it may be the running copy's log.
    debug_output_open(g_options.logFile, instance != InstanceResult::OtherRunning);
    if (instance == InstanceResult::OtherRunning) {
        log_msg("Another copy runs in %s; asked it to come to the front.", writeFolder.c_str());
        return 0;
    }
    if (instance == InstanceResult::Error)
        std::fprintf(stderr, "vorlaine: cannot take the lock in %s; is it writable?\n", writeFolder.c_str());

    if (!platform_init(g_options.platform)) return 1;
    if (!report_game_folders()) {
        platform_shutdown();
        instance_release();
        return 1;
    }
    // Without a sound device the game still runs, silently.
    if (!sound_startup()) log_msg("No sound output; playing silently.");
    AppState.volume = int32_t(get_volume());
    if (!g_options.inputFile.empty() && !g_script.load(g_options.inputFile)) {
        std::fprintf(stderr, "vorlaine: cannot read input script %s\n", g_options.inputFile.c_str());
        sound_shutdown();
        platform_shutdown();
        return 2;
    }
    if (g_options.frameSumsEvery > 0 && !g_frameSums.open(g_options.frameSumsFile, g_options.frameSumsEvery)) {
        std::fprintf(stderr, "vorlaine: cannot write frame checksums to %s\n", g_options.frameSumsFile.c_str());
        sound_shutdown();
        platform_shutdown();
        return 2;
    }
    if (!recorded_run_start(g_options, &error)) {
        std::fprintf(stderr, "vorlaine: %s\n", error.c_str());
        sound_shutdown();
        platform_shutdown();
        return 2;
    }
    if (!open_display()) {
        sys_message_box("Couldn't init GAPI", "Error", MB_OK_ONLY);
        sound_shutdown();
        platform_shutdown();
        return 0;
    }
    set_main_window_exists(true);
    sys_debug_output("Initted graphic subsystem...\n");
    if (!create_buffers()) {
        sys_message_box("Error initalizing graphics subsystem.", "Error", MB_OK_ONLY);
        free_buffers();
        sound_shutdown();
        platform_shutdown();
        return 0;
    }
    g_input.keyList = sys_default_keys();

    // A browser calls the step once per display frame instead, and this returns at once.
    sys_run_main_loop(main_loop_step, end_run);
    return 0;
}
