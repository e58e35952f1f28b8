// The command line: every option the game takes, parsed into one record.
#pragma once
#include <string>
#include <vector>
#include "platform/platform.h"

struct ScreenshotRequest {
    long frame = 0;
    std::string path;
};

struct LaunchOptions {
    PlatformConfig platform;
    std::string dataDir;       // empty: the executable's folder
    std::string logFile;       // empty: standard error
    bool seedGiven = false;
    unsigned seed = 0;
    long frames = 0;           // 0: run until quit
    std::string inputFile;
    std::vector<ScreenshotRequest> screenshots;
    long frameSumsEvery = 0;   // 0: no frame checksums
    std::string frameSumsFile;
    int level = 0;             // 0: start at the title
    bool autoplay = false;
    bool watch = false;        // restart the running level when its script changes
    bool checkData = false;    // check the data folder and exit
    bool writeControls = false;  // write the default controls file and exit
    std::string recordFile;    // record the run here
    std::string replayFile;    // play this recorded run back
    std::string checkDir;      // the folder to check; empty: the --data folder or the executable's
    bool showHelp = false;
    bool showVersion = false;
};

// Parses argv; on a bad option or value writes a clear message to error and returns false.
bool parse_command_line(int argc, char** argv, LaunchOptions* out, std::string* error);
const char* command_line_help();
