// Catches the game's debug lines in a file for the length of a test.
#pragma once
#include <string>

class LogCapture {
public:
    LogCapture();                                // a temporary file, removed at the end
    explicit LogCapture(const std::string& path);  // a file the test names (kept)
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::string text() const;
    // Whether some whole line equals line.
    bool contains(const std::string& line) const;
    // How many whole lines equal line.
    int count(const std::string& line) const;
    // Lines that begin with prefix.
    int count_starting(const std::string& prefix) const;

private:
    // Lines that equal text, whole, or begin with it.
    int matching(const std::string& text, bool whole) const;
    std::string path_;
    bool remove_ = false;
};
