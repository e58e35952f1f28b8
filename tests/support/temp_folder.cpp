// Test helpers: temporary program folders, whole files, and runs of the real game binary.
#include "support/temp_folder.h"
#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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

RunResult run_game(const std::vector<std::string>& args, int timeout_seconds)
{
    RunResult r;
    std::string out_path = (fs::temp_directory_path() / ("vorlaine-run-" + std::to_string(::getpid()) + ".txt")).string();
    pid_t pid = ::fork();
    if (pid == 0) {
        FILE* out = std::fopen(out_path.c_str(), "w");
        if (out) {
            ::dup2(fileno(out), 1);
            ::dup2(fileno(out), 2);
        }
        std::vector<char*> argv;
        std::string bin = VORLAINE_BINARY;
        argv.push_back(bin.data());
        std::vector<std::string> copy = args;
        for (auto& a : copy) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::alarm(unsigned(timeout_seconds));
        ::execv(bin.c_str(), argv.data());
        std::_Exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    r.output = read_text(out_path);
    std::remove(out_path.c_str());
    return r;
}
