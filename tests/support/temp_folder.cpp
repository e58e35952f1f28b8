// Test helpers: temporary program folders, whole files, and runs of the real game binary.
#include "support/temp_folder.h"
#include <sys/stat.h>
#include <sys/wait.h>
#include <csignal>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <algorithm>
#include "app/app_state.h"
#include "util/strings.h"

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    std::string tmpl = (fs::temp_directory_path() / "vorlaine-test-XXXXXX").string();
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    const char* made = ::mkdtemp(buf.data());
    path_ = made ? std::string(made) + "/" : std::string("/tmp/");
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    if (path_ != "/tmp/") fs::remove_all(path_, ec);
}

void TempFolder::make_program_folder() const
{
    copy_text(AppState.programDir, sizeof AppState.programDir, path_.c_str());
}

void TempFolder::make_home() const
{
    ::setenv("HOME", (path_ + "home").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (path_ + "home/.local/share").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (path_ + "home/.config").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (path_ + "home/.cache").c_str(), 1);
    ::setenv("XDG_STATE_HOME", (path_ + "home/.local/state").c_str(), 1);
    // Screenshots then go where this home's user-dirs.dirs says, else to its Pictures.
    ::unsetenv("XDG_PICTURES_DIR");
}

bool write_bytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    // An empty file has no data pointer to hand over.
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

bool write_text(const std::string& path, const std::string& text)
{
    return write_bytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::vector<uint8_t> read_bytes(const std::string& path)
{
    std::vector<uint8_t> out;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return out;
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + n);
    std::fclose(f);
    return out;
}

std::string read_text(const std::string& path)
{
    auto b = read_bytes(path);
    return std::string(b.begin(), b.end());
}

bool path_exists(const std::string& path)
{
    std::error_code ec;
    return fs::exists(path, ec);
}

bool copy_game_folder(const std::string& dst)
{
    std::error_code ec;
    fs::copy(VORLAINE_GAME_DIR, dst, fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
    return !ec;
}

namespace {
// A player's folder that does not already lie in a temporary folder would be the real one.
bool outside_temp(const char* name)
{
    static const std::string temp = fs::temp_directory_path().string();
    const char* v = std::getenv(name);
    return !v || std::string(v).compare(0, temp.size(), temp) != 0;
}
}  // namespace

int spawn_binary(const std::string& binary, const std::vector<std::string>& args, const std::string& outputPath,
                 int timeoutSeconds, const std::string& throwawayHome, bool sigintIgnored)
{
    pid_t pid = ::fork();
    if (pid == 0) {
        FILE* out = std::fopen(outputPath.c_str(), "w");
        if (out) {
            ::dup2(fileno(out), 1);
            ::dup2(fileno(out), 2);
        }
        std::vector<char*> argv;
        std::string bin = binary;
        argv.push_back(bin.data());
        std::vector<std::string> copy = args;
        for (auto& a : copy) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (sigintIgnored) ::signal(SIGINT, SIG_IGN);
        if (!throwawayHome.empty()) {
            if (outside_temp("XDG_DATA_HOME")) ::setenv("XDG_DATA_HOME", (throwawayHome + "data").c_str(), 1);
            if (outside_temp("XDG_CONFIG_HOME")) ::setenv("XDG_CONFIG_HOME", (throwawayHome + "config").c_str(), 1);
            if (outside_temp("HOME")) ::setenv("HOME", (throwawayHome + "home").c_str(), 1);
            if (outside_temp("XDG_PICTURES_DIR")) ::unsetenv("XDG_PICTURES_DIR");
        }
        ::alarm(unsigned(timeoutSeconds));
        ::execv(bin.c_str(), argv.data());
        std::_Exit(127);
    }
    return int(pid);
}

int spawn_game(const std::vector<std::string>& args, const std::string& outputPath, int timeoutSeconds,
               const std::string& throwawayHome, bool sigintIgnored)
{
    return spawn_binary(VORLAINE_BINARY, args, outputPath, timeoutSeconds, throwawayHome, sigintIgnored);
}

RunResult run_binary(const std::string& binary, const std::vector<std::string>& args, int timeout_seconds)
{
    RunResult r;
    TempFolder throwaway;
    const std::string out_path = throwaway.file("output.txt");
    const pid_t pid = spawn_binary(binary, args, out_path, timeout_seconds, throwaway.path());
    int status = 0;
    ::waitpid(pid, &status, 0);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    r.output = read_text(out_path);
    return r;
}

RunResult run_game(const std::vector<std::string>& args, int timeout_seconds)
{
    return run_binary(VORLAINE_BINARY, args, timeout_seconds);
}

std::string folder_fingerprint(const std::string& folder)
{
    std::vector<std::string> lines;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        std::string line = fs::relative(it->path(), folder).generic_string();
        struct stat st;
        if (::lstat(it->path().c_str(), &st) == 0) {
            line += " " + std::to_string(st.st_mode) + " " + std::to_string(st.st_size) + " " +
                    std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
            if (S_ISREG(st.st_mode)) {
                uint64_t h = 1469598103934665603ull;
                for (uint8_t b : read_bytes(it->path().string())) h = (h ^ b) * 1099511628211ull;
                line += " " + std::to_string(h);
            }
        }
        lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
    std::string out;
    for (const std::string& l : lines) out += l + "\n";
    return out;
}
