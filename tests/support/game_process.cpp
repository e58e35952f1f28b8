// GameProcess: fork and exec of the game binary, a stop by its process id, and waiting on its log.
#include "support/game_process.h"
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <thread>
#include "support/temp_folder.h"

namespace {
int exit_code_of(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); }
}  // namespace

GameProcess::GameProcess(const std::vector<std::string>& args, const std::string& outputPath, bool sigintIgnored)
{
    // Never outlives a hung test by long.
    pid_ = spawn_game(args, outputPath, 600, home_.path(), sigintIgnored);
}

GameProcess::~GameProcess() { stop(); }

int GameProcess::stop()
{
    if (pid_ <= 0) return -1;
    // SIGTERM would reach SDL as a quit request the headless loop may not act on for a while.
    ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return exit_code_of(status);
}

bool GameProcess::send(int signal) const { return pid_ > 0 && ::kill(pid_, signal) == 0; }

bool GameProcess::wait(double seconds, int* exitCode)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (pid_ > 0) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            *exitCode = exit_code_of(status);
            return true;
        }
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

std::vector<std::string> lines_with(const std::string& path, const std::string& text)
{
    std::vector<std::string> found;
    std::istringstream in(read_text(path));
    for (std::string line; std::getline(in, line);)
        if (line.find(text) != std::string::npos) found.push_back(line);
    return found;
}

bool wait_for_line(const std::string& path, const std::string& text, double timeoutSeconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    while (std::chrono::steady_clock::now() < end) {
        if (!lines_with(path, text).empty()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}
