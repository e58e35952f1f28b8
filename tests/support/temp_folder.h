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
    // Points HOME and the XDG folders of this process (and the games it starts) inside this folder.
    void make_home() const;
    // A file in the player's folder (XDG_DATA_HOME/vorlaine) and in the settings folder, after make_home.
    std::string player_file(const std::string& relative) const { return path_ + "home/.local/share/vorlaine/" + relative; }
    std::string config_file(const std::string& relative) const { return path_ + "home/.config/vorlaine/" + relative; }

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

struct RunResult {
    int exitCode = -1;
    std::string output;  // standard output and error together
};
// Starts the real game binary with these arguments, its standard output and error going to outputPath, and
// a limit of timeoutSeconds on its life; the process id. Where HOME or an XDG folder does not lie in a
// temporary folder, the game gets one below throwawayHome (when given) instead of the real one.
// sigintIgnored starts it as a shell starts a background job: with SIGINT ignored.
int spawn_game(const std::vector<std::string>& args, const std::string& outputPath, int timeoutSeconds,
               const std::string& throwawayHome = {}, bool sigintIgnored = false);
// The same for a copy of the binary elsewhere (an installed layout).
int spawn_binary(const std::string& binary, const std::vector<std::string>& args, const std::string& outputPath,
                 int timeoutSeconds, const std::string& throwawayHome = {}, bool sigintIgnored = false);
// Runs the real game binary with these arguments and waits for it. Where the caller has not pointed HOME
// and the XDG folders into a temporary folder, the game gets a throwaway home, so no test ever writes into
// the real one.
RunResult run_game(const std::vector<std::string>& args, int timeout_seconds = 300);
// The same for a copy of the binary elsewhere (an installed layout).
RunResult run_binary(const std::string& binary, const std::vector<std::string>& args, int timeout_seconds = 300);
// A snapshot of every file under a folder (name, size, time and content hash), to prove nothing changed.
std::string folder_fingerprint(const std::string& folder);
