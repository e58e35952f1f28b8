// Test helpers: temporary program folders, whole files, and runs of the real game binary.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // The folder with a trailing '/'.
    const std::string& path() const { return path_; }
    std::string file(const std::string& relative) const { return path_ + relative; }
    // Makes this folder the game's program folder (AppState.programDir).
    void make_program_folder() const;

private:
    std::string path_;
};

// Points HOME and the XDG folders into folder, so nothing the test runs touches the real home.
void isolate_home(const TempFolder& folder);

bool write_bytes(const std::string& path, const std::vector<uint8_t>& bytes);
bool write_text(const std::string& path, const std::string& text);
std::vector<uint8_t> read_bytes(const std::string& path);
std::string read_text(const std::string& path);
bool path_exists(const std::string& path);
// Copies the built program folder (build/game) into dst.
bool copy_game_folder(const std::string& dst);

struct RunResult {
    int exitCode = -1;
    std::string output;  // standard output and error together
};
// Runs the real game binary with these arguments and waits for it.
RunResult run_game(const std::vector<std::string>& args, int timeout_seconds = 300);

// A copy of the real game binary running beside the test, its standard output and error into outputPath.
// Killed (SIGKILL) when the test leaves it running, so no copy outlives a failed test.
class GameProcess {
public:
    // sigintIgnored starts it as a shell starts a background job: with SIGINT ignored.
    GameProcess(const std::vector<std::string>& args, const std::string& outputPath, bool sigintIgnored = false);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    bool send(int signal) const;
    // Waits up to seconds for the end; true when it ended, with its exit code (128 + signal when killed).
    bool wait(double seconds, int* exitCode);

private:
    int pid_ = -1;
};

// Waits up to seconds for text to show in the file; true when it did.
bool wait_for_text(const std::string& path, const std::string& text, double seconds);
