// Test helper: the real game binary running in the background while a test acts on its files.
#pragma once
#include <string>
#include <vector>
#include "support/temp_folder.h"

class GameProcess {
public:
    // Starts the binary with these arguments; its standard output and error go to outputPath.
    GameProcess(const std::vector<std::string>& args, const std::string& outputPath);
    // Stops it (by its own process id) if it still runs.
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    bool running() const { return pid_ > 0; }
    // Ends the process and waits for it; its exit code, or 128 + the signal.
    int stop();

private:
    TempFolder home_;  // the game's home when the test has not pointed one into a temporary folder
    int pid_ = -1;
};

// Waits until the file holds a line containing text, up to timeoutSeconds; true when it came.
bool wait_for_line(const std::string& path, const std::string& text, double timeoutSeconds = 60.0);
// The lines of the file that contain text, in order.
std::vector<std::string> lines_with(const std::string& path, const std::string& text);
