// A wave-output device that holds written buffers until its owner completes them.
#include "sound/wave_out_manual.h"

bool CManualWaveOut::open(int channels, WaveOutDoneFn done)
{
    std::lock_guard<std::mutex> guard(mutex_);
    if (refuseAll || (refuseStereo && channels == 2) || channels_ != 0) return false;
    channels_ = channels;
    done_ = done;
    head_ = count_ = 0;
    return true;
}

void CManualWaveOut::close()
{
    std::lock_guard<std::mutex> guard(mutex_);
    channels_ = 0;
    head_ = count_ = 0;
}

bool CManualWaveOut::write(int index, const uint8_t* data, uint32_t size)
{
    std::lock_guard<std::mutex> guard(mutex_);
    if (channels_ == 0 || count_ == kRingBuffers) return false;
    for (int i = 0; i < count_; i++)
        if (queue_[(head_ + i) % kRingBuffers].index == index) heldRewrites++;
    queue_[(head_ + count_) % kRingBuffers] = Queued{index, data, size};
    count_++;
    if (record) writes_.push_back(index);
    return true;
}

uint32_t CManualWaveOut::get_volume(uint32_t* volume)
{
    std::lock_guard<std::mutex> guard(mutex_);
    if (volumeResult == WAVE_OK) *volume = volume_;
    return volumeResult;
}

uint32_t CManualWaveOut::set_volume(uint32_t volume)
{
    std::lock_guard<std::mutex> guard(mutex_);
    if (volumeResult == WAVE_OK) volume_ = volume;
    return volumeResult;
}

bool CManualWaveOut::complete_next()
{
    int index;
    WaveOutDoneFn done;
    {
        std::lock_guard<std::mutex> guard(mutex_);
        if (count_ == 0) return false;
        const Queued q = queue_[head_];
        head_ = (head_ + 1) % kRingBuffers;
        count_--;
        if (record) played_.insert(played_.end(), q.data, q.data + q.size);
        index = q.index;
        done = done_;
    }
    done(index, true);
    return true;
}

int CManualWaveOut::queued()
{
    std::lock_guard<std::mutex> guard(mutex_);
    return count_;
}

int CManualWaveOut::open_channels()
{
    std::lock_guard<std::mutex> guard(mutex_);
    return channels_;
}

std::vector<uint8_t> CManualWaveOut::take_played()
{
    std::lock_guard<std::mutex> guard(mutex_);
    std::vector<uint8_t> out;
    out.swap(played_);
    return out;
}

std::vector<int> CManualWaveOut::take_writes()
{
    std::lock_guard<std::mutex> guard(mutex_);
    std::vector<int> out;
    out.swap(writes_);
    return out;
}
