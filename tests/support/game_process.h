// Test helper: the real game binary running in the background while a test acts on its files.
#pragma once
#include <string>
#include <vector>
#include "support/temp_folder.h"

class GameProcess {
public:
    // Starts the binary with these arguments; its standard output and error go to outputPath. sigintIgnored
    // starts it as a shell starts a background job: with SIGINT ignored.
    GameProcess(const std::vector<std::string>& args, const std::string& outputPath, bool sigintIgnored = false);
    // Kills it (SIGKILL) if it still runs, so no copy outlives a failed test.
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // Ends the process and waits for it; its exit code, or 128 + the signal.
    int stop();
    bool send(int signal) const;
    // Waits up to seconds for the end; true when it ended, with its exit code (128 + signal when killed).
    bool wait(double seconds, int* exitCode);

private:
    TempFolder home_;  // the game's home when the test has not pointed one into a temporary folder
    int pid_ = -1;
};

// Waits until the file holds a line containing text, up to timeoutSeconds; true when it came.
bool wait_for_line(const std::string& path, const std::string& text, double timeoutSeconds = 60.0);
// The lines of the file that contain text, in order.
std::vector<std::string> lines_with(const std::string& path, const std::string& text);
