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

bool write_bytes(const std::string& path, const std::vector<uint8_t>& bytes);
bool write_text(const std::string& path, const std::string& text);
std::vector<uint8_t> read_bytes(const std::string& path);
std::string read_text(const std::string& path);
bool path_exists(const std::string& path);
// Copies the built program folder (build/game) into dst.
bool copy_game_folder(const std::string& dst);
// Points HOME and the XDG data, config, cache and state folders into folder (for this process and the game
// runs it starts), so that nothing reaches the real home folder.
void use_home_in(const TempFolder& folder);

struct RunResult {
    int exitCode = -1;
    std::string output;  // standard output and error together
};
// Starts the real game binary with these arguments, its standard output and error going to outputPath, and
// a limit of timeoutSeconds on its life; the process id.
int spawn_game(const std::vector<std::string>& args, const std::string& outputPath, int timeoutSeconds);
// Runs the real game binary with these arguments and waits for it.
RunResult run_game(const std::vector<std::string>& args, int timeout_seconds = 300);
