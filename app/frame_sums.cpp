// Checksums of the presented frames, every Nth frame into a file, for the replay regression checks.
#include "app/frame_sums.h"
#include <cinttypes>
#include "platform/video.h"

bool FrameSums::open(const std::string& path, long every)
{
    close();
    if (every < 1) return false;
    file_ = std::fopen(path.c_str(), "w");
    every_ = every;
    return file_ != nullptr;
}

void FrameSums::after_frame(long frame)
{
    if (!file_ || frame % every_ != 0) return;
    std::fprintf(file_, "%ld %016" PRIx64 "\n", frame, video_frame_checksum());
    // A run that dies still leaves the frames it got through.
    std::fflush(file_);
}

void FrameSums::close()
{
    if (file_) std::fclose(file_);
    file_ = nullptr;
}
