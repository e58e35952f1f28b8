// Checksums of the presented frames, every Nth frame into a file, for the replay regression checks.
#pragma once
#include <cstdio>
#include <string>

class FrameSums {
public:
    FrameSums() = default;
    ~FrameSums() { close(); }
    FrameSums(const FrameSums&) = delete;
    FrameSums& operator=(const FrameSums&) = delete;

    // Starts writing "FRAME CHECKSUM" lines for every frame whose number is a multiple of every; false when
    // the file cannot be made.
    bool open(const std::string& path, long every);
    // Called once a frame has been presented; writes its line when the frame is one of the listed.
    void after_frame(long frame);
    void close();

private:
    std::FILE* file_ = nullptr;
    long every_ = 0;
};
