// The command line: every option the game takes, parsed into one record.
#include "app/command_line.h"
#include <cerrno>
#include <cstdlib>
#include <cstring>

const char* command_line_help()
{
    return "Usage: vorlaine [options]\n"
           "\n"
           "  --help                 show this text and exit\n"
           "  --version              show the version and exit\n"
           "  --data DIR             folder with the game's data (default: the installed data, else the executable's folder)\n"
           "  --headless             no window; frames stay in memory, sound goes to SDL's dummy driver\n"
           "  --fixed-step MS        virtual clock: every frame lasts exactly MS milliseconds (2 to 1000)\n"
           "  --seed N               seed the random numbers with N instead of the clock\n"
           "  --frames N             quit after N frames\n"
           "  --input FILE           play the scripted events in FILE (see README)\n"
           "  --screenshot F:FILE    write frame F as a PNG to FILE (repeatable)\n"
           "  --frame-sums N:FILE    write a checksum of every Nth frame's picture to FILE\n"
           "  --log FILE             write the debug log to FILE instead of standard error\n"
           "  --scale N              window scale factor 1 to 8 (default: as the last run left it, else the\n"
           "                         largest up to 3 that fits)\n"
           "  --fullscreen yes|no    start fullscreen or in a window (default: as the last run left it)\n"
           "  --uncapped             no vsync or sleep; only the 500 frames a second cap\n"
           "  --answer yes|no        how headless message boxes are answered (default no)\n"
           "  --display rgb565|grey2 16-bit colour, or the 2-bit grey panel's four levels\n"
           "  --audio-buffer BYTES   length of each of the six sound buffers, 64 to 65536, even (default: 128\n"
           "                         frames, 256 bytes in stereo; 1600 is the handheld's timing)\n"
           "  --level N              start level N (1 to 12) directly, without its story\n"
           "  --autoplay             a built-in player steers through menus and levels\n"
           "  --watch                restart the running level when its script is saved; a script with\n"
           "                         errors shows its first error and the level plays on\n"
           "  --check-data [DIR]     check every level script and every file the game names in DIR (default:\n"
           "                         the --data folder), print FILE:LINE: error|warning: lines, exit 1 on errors\n"
           "  --write-controls       write the default controls, commented, to controls.conf in the settings\n"
           "                         folder (an existing file is kept as controls.conf.old) and exit\n"
           "  --record FILE          record the run (seed, career, every input event and every frame's clock\n"
           "                         reading) to FILE\n"
           "  --replay FILE          play a recorded run back frame for frame on its recorded clock (with\n"
           "                         --headless as fast as it goes)\n";
}

// 64 bits wide everywhere: a seed reaches 4294967295, beyond a 32-bit long (as in a browser's wasm32).
static bool parse_long(const char* text, long long lo, long long hi, long long* out)
{
    if (!text || !*text) return false;
    errno = 0;
    char* end = nullptr;
    long long v = std::strtoll(text, &end, 10);
    if (errno != 0 || *end != '\0' || v < lo || v > hi) return false;
    *out = v;
    return true;
}

// "N:FILE" with N a frame number (or count) from 1 and a non-empty file name.
static bool parse_number_and_path(const char* text, long long* number, std::string* path)
{
    const char* colon = std::strchr(text, ':');
    if (!colon || colon[1] == '\0') return false;
    std::string digits(text, size_t(colon - text));
    if (!parse_long(digits.c_str(), 1, 1000000000L, number)) return false;
    *path = colon + 1;
    return true;
}

bool parse_command_line(int argc, char** argv, LaunchOptions* out, std::string* error)
{
    LaunchOptions o;
    auto value_of = [&](int& i, const char* name) -> const char* {
        if (i + 1 >= argc) {
            *error = std::string("option ") + name + " needs a value";
            return nullptr;
        }
        return argv[++i];
    };
    auto bad_value = [&](const char* name, const char* v) {
        *error = std::string("bad value for ") + name + ": '" + (v ? v : "") + "'";
        return false;
    };
    for (int i = 1; i < argc; i++) {
        const char* a = argv[i];
        long long n = 0;
        const char* v = nullptr;
        if (!std::strcmp(a, "--help") || !std::strcmp(a, "-h")) {
            o.showHelp = true;
        } else if (!std::strcmp(a, "--version")) {
            o.showVersion = true;
        } else if (!std::strcmp(a, "--headless")) {
            o.platform.headless = true;
        } else if (!std::strcmp(a, "--uncapped")) {
            o.platform.uncapped = true;
        } else if (!std::strcmp(a, "--autoplay")) {
            o.autoplay = true;
        } else if (!std::strcmp(a, "--watch")) {
            o.watch = true;
        } else if (!std::strcmp(a, "--write-controls")) {
            o.writeControls = true;
        } else if (!std::strcmp(a, "--check-data")) {
            o.checkData = true;
            // The folder is optional: a following word that is no option names it.
            if (i + 1 < argc && std::strncmp(argv[i + 1], "--", 2) != 0) {
                if (!*argv[i + 1]) return bad_value(a, argv[i + 1]);
                o.checkDir = argv[++i];
            }
        } else if (!std::strcmp(a, "--data")) {
            if (!(v = value_of(i, a))) return false;
            if (!*v) return bad_value(a, v);
            o.dataDir = v;
        } else if (!std::strcmp(a, "--fixed-step")) {
            if (!(v = value_of(i, a))) return false;
            // Below 2 ms a frame would run faster than the 500 frames a second cap allows.
            if (!parse_long(v, 2, 1000, &n)) return bad_value(a, v);
            o.platform.fixedStepMs = int(n);
        } else if (!std::strcmp(a, "--seed")) {
            if (!(v = value_of(i, a))) return false;
            if (!parse_long(v, 0, 4294967295LL, &n)) return bad_value(a, v);
            o.seedGiven = true;
            o.seed = unsigned(n);
        } else if (!std::strcmp(a, "--frames")) {
            if (!(v = value_of(i, a))) return false;
            if (!parse_long(v, 1, 1000000000L, &n)) return bad_value(a, v);
            o.frames = long(n);
        } else if (!std::strcmp(a, "--input")) {
            if (!(v = value_of(i, a))) return false;
            o.inputFile = v;
        } else if (!std::strcmp(a, "--screenshot")) {
            if (!(v = value_of(i, a))) return false;
            std::string path;
            if (!parse_number_and_path(v, &n, &path)) return bad_value(a, v);
            o.screenshots.push_back({long(n), path});
        } else if (!std::strcmp(a, "--frame-sums")) {
            if (!(v = value_of(i, a))) return false;
            if (!parse_number_and_path(v, &n, &o.frameSumsFile)) return bad_value(a, v);
            o.frameSumsEvery = long(n);
        } else if (!std::strcmp(a, "--log")) {
            if (!(v = value_of(i, a))) return false;
            o.logFile = v;
        } else if (!std::strcmp(a, "--scale")) {
            if (!(v = value_of(i, a))) return false;
            if (!parse_long(v, 1, 8, &n)) return bad_value(a, v);
            o.platform.scale = int(n);
        } else if (!std::strcmp(a, "--fullscreen")) {
            if (!(v = value_of(i, a))) return false;
            if (!std::strcmp(v, "yes")) o.platform.fullscreen = 1;
            else if (!std::strcmp(v, "no")) o.platform.fullscreen = 0;
            else return bad_value(a, v);
        } else if (!std::strcmp(a, "--audio-buffer")) {
            if (!(v = value_of(i, a))) return false;
            // An odd length would swap left and right at every buffer of a stereo stream.
            if (!parse_long(v, 64, 65536, &n) || n % 2 != 0) return bad_value(a, v);
            o.platform.audioBufferBytes = uint32_t(n);
        } else if (!std::strcmp(a, "--record") || !std::strcmp(a, "--replay")) {
            if (!(v = value_of(i, a))) return false;
            if (!*v) return bad_value(a, v);
            (!std::strcmp(a, "--record") ? o.recordFile : o.replayFile) = v;
        } else if (!std::strcmp(a, "--answer")) {
            if (!(v = value_of(i, a))) return false;
            if (!std::strcmp(v, "yes")) o.platform.answerYes = true;
            else if (!std::strcmp(v, "no")) o.platform.answerYes = false;
            else return bad_value(a, v);
        } else if (!std::strcmp(a, "--display")) {
            if (!(v = value_of(i, a))) return false;
            if (!std::strcmp(v, "rgb565")) o.platform.display = DisplayMode::Rgb565;
            else if (!std::strcmp(v, "grey2")) o.platform.display = DisplayMode::Grey2;
            else return bad_value(a, v);
        } else if (!std::strcmp(a, "--level")) {
            if (!(v = value_of(i, a))) return false;
            if (!parse_long(v, 1, 12, &n)) return bad_value(a, v);
            o.level = int(n);
        } else {
            *error = std::string("unknown option '") + a + "'";
            return false;
        }
    }
    // A replay brings its own input, seed, level and clock.
    if (!o.replayFile.empty()) {
        const char* clash = !o.recordFile.empty()        ? "--record"
                            : !o.inputFile.empty()       ? "--input"
                            : o.autoplay                 ? "--autoplay"
                            : o.seedGiven                ? "--seed"
                            : o.level > 0                ? "--level"
                            : o.platform.fixedStepMs > 0 ? "--fixed-step"
                            : o.watch                    ? "--watch"
                                                         : nullptr;
        if (clash) {
            *error = std::string("--replay plays the recorded input, seed, level and clock; it does not go with ") + clash;
            return false;
        }
    }
    // Script edits are not part of a recording, so a run that reloads them cannot be replayed.
    if (!o.recordFile.empty() && o.watch) {
        *error = "--record does not go with --watch";
        return false;
    }
    *out = o;
    return true;
}
