// Catches the game's debug lines in a file for the length of a test.
#include "support/log_capture.h"
#include <unistd.h>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include "platform/debug_output_file.h"
#include "support/temp_folder.h"

LogCapture::LogCapture() : remove_(true)
{
    static std::atomic<int> counter{0};
    path_ = (std::filesystem::temp_directory_path() /
             ("vorlaine-log-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".txt"))
                .string();
    debug_output_open(path_);
}

LogCapture::LogCapture(const std::string& path) : path_(path) { debug_output_open(path_); }

LogCapture::~LogCapture()
{
    debug_output_close();
    if (remove_) std::remove(path_.c_str());
}

std::string LogCapture::text() const { return read_text(path_); }

bool LogCapture::contains(const std::string& line) const { return count(line) > 0; }

int LogCapture::count(const std::string& line) const { return matching(line, true); }

int LogCapture::count_starting(const std::string& prefix) const { return matching(prefix, false); }

int LogCapture::matching(const std::string& text, bool whole) const
{
    std::istringstream in(this->text());
    int n = 0;
    for (std::string l; std::getline(in, l);)
        if (whole ? l == text : l.compare(0, text.size(), text) == 0) n++;
    return n;
}
