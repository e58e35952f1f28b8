// The wave-output device over an SDL audio device: plays the mixer's ring and reports each consumed buffer.
#include <SDL.h>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>
#include "platform/audio_device.h"
#include "platform/debug_output.h"

namespace {

// SDL's own buffer: 256 frames (about 12 ms), small beside the ring so latency stays near the ring's own.
constexpr Uint16 kDeviceFrames = 256;

// Where a browser has no threads to spare, the main loop reports finished buffers (sys_audio_poll).
bool g_reports_from_main_loop = false;
class CSdlWaveOut;
CSdlWaveOut* g_polled_device = nullptr;

void note(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
void note(const char* fmt, ...)
{
    char line[400];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(line, sizeof line - 2, fmt, args);
    va_end(args);
    std::strcat(line, "\n");
    sys_debug_output(line);
}

class CSdlWaveOut final : public CWaveOut {
public:
    CSdlWaveOut(bool audio_ready, uint32_t volume) : audio_ready_(audio_ready), volume_(volume) {}

    ~CSdlWaveOut() override
    {
        close();
        if (audio_ready_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    bool open(int channels, WaveOutDoneFn done) override
    {
        if (!audio_ready_ || device_) return false;
        SDL_AudioSpec want{}, have{};
        want.freq = int(kMixRate);
        want.format = AUDIO_U8;
        want.channels = Uint8(channels);
        want.samples = kDeviceFrames;
        want.callback = &CSdlWaveOut::feed_thunk;
        want.userdata = this;
        channels_ = channels;
        done_ = done;
        {
            std::lock_guard<std::mutex> guard(queue_mutex_);
            head_ = count_ = finished_count_ = 0;
            stopping_ = false;
        }
        // No format changes allowed: SDL converts to whatever the hardware wants.
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (!device_) {
            note("Audio device refused %d channel(s): %s", channels, SDL_GetError());
            // A driver that starts but has no device behind it (no sound card) would refuse every
            // later play too: mix into the dummy driver instead, once, so the game runs on quietly.
            const char* current = SDL_GetCurrentAudioDriver();
            if (current && SDL_strcasecmp(current, "dummy") != 0 && SDL_AudioInit("dummy") == 0) {
                note("Sound goes to the dummy audio driver.");
                device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
            }
            if (!device_) return false;
        }
        if (g_reports_from_main_loop)
            g_polled_device = this;
        else
            completer_ = std::thread([this] { report_finished(); });
        SDL_PauseAudioDevice(device_, 0);
        return true;
    }

    void close() override
    {
        if (!device_) return;
        // Waits for a callback in progress; none runs after this.
        SDL_CloseAudioDevice(device_);
        device_ = 0;
        if (g_polled_device == this) g_polled_device = nullptr;
        {
            std::lock_guard<std::mutex> guard(queue_mutex_);
            stopping_ = true;
        }
        finished_ready_.notify_one();
        // A report in progress finishes first; it finds the mixer closed (the caller closed it before).
        if (completer_.joinable()) completer_.join();
        std::lock_guard<std::mutex> guard(queue_mutex_);
        head_ = count_ = finished_count_ = 0;
    }

    bool write(int index, const uint8_t* data, uint32_t size) override
    {
        std::lock_guard<std::mutex> guard(queue_mutex_);
        if (!device_ || stopping_ || count_ == kRingBuffers) return false;
        queue_[(head_ + count_) % kRingBuffers] = Queued{index, data, size, 0};
        count_++;
        return true;
    }

    uint32_t get_volume(uint32_t* volume) override
    {
        *volume = volume_.load();
        return WAVE_OK;
    }

    uint32_t set_volume(uint32_t volume) override
    {
        volume_.store(volume);
        // The level is in force either way; only keeping it for the next start failed.
        if (!sys_audio_volume_save(volume)) note("Can't store the volume in %s", sys_audio_volume_path().c_str());
        return WAVE_OK;
    }

    // The main loop's turn to report what the device consumed since the last frame.
    void report_polled()
    {
        int finished[kRingBuffers];
        const int n = take_finished(finished);
        for (int i = 0; i < n; i++) done_(finished[i]);
    }

private:
    struct Queued {
        int index;
        const uint8_t* data;
        uint32_t size;
        uint32_t offset;
    };

    static void SDLCALL feed_thunk(void* self, Uint8* stream, int len)
    {
        static_cast<CSdlWaveOut*>(self)->feed(stream, len);
    }

    // SDL's audio thread: copy from the queued buffers, pad with silence, and hand the finished ones to the
    // reporting thread. SDL holds its device lock around this, so the mixer lock must never be taken here:
    // the playing thread takes the two the other way round when it opens and starts the device.
    void feed(Uint8* stream, int len)
    {
        bool any_finished = false;
        int pos = 0;
        {
            std::lock_guard<std::mutex> guard(queue_mutex_);
            while (pos < len && count_ > 0) {
                Queued& q = queue_[head_];
                const uint32_t n = std::min(uint32_t(len - pos), q.size - q.offset);
                std::memcpy(stream + pos, q.data + q.offset, n);
                q.offset += n;
                pos += int(n);
                if (q.offset == q.size) {
                    if (finished_count_ < kRingBuffers) finished_[finished_count_++] = q.index;
                    any_finished = true;
                    head_ = (head_ + 1) % kRingBuffers;
                    count_--;
                }
            }
        }
        if (pos < len) std::memset(stream + pos, 128, size_t(len - pos));
        sys_audio_apply_volume(stream, len, channels_, volume_.load());
        if (any_finished) finished_ready_.notify_one();
    }

    // The device's completion thread, as a wave-out driver has one: reports each consumed buffer in order.
    void report_finished()
    {
        std::unique_lock<std::mutex> lock(queue_mutex_);
        for (;;) {
            finished_ready_.wait(lock, [this] { return stopping_ || finished_count_ > 0; });
            if (stopping_) return;
            int finished[kRingBuffers];
            const int n = take_finished_locked(finished);
            lock.unlock();
            // Refilling writes buffers, which takes the queue lock again: report without holding it.
            for (int i = 0; i < n; i++) done_(finished[i]);
            lock.lock();
        }
    }

    int take_finished_locked(int* out)
    {
        const int n = finished_count_;
        for (int i = 0; i < n; i++) out[i] = finished_[i];
        finished_count_ = 0;
        return n;
    }

    int take_finished(int* out)
    {
        std::lock_guard<std::mutex> guard(queue_mutex_);
        return take_finished_locked(out);
    }

    const bool audio_ready_;
    SDL_AudioDeviceID device_ = 0;
    int channels_ = 0;
    WaveOutDoneFn done_ = nullptr;
    std::mutex queue_mutex_;
    Queued queue_[kRingBuffers] = {};
    int head_ = 0;
    int count_ = 0;
    int finished_[kRingBuffers] = {};  // consumed, not yet reported
    int finished_count_ = 0;
    bool stopping_ = false;
    std::condition_variable finished_ready_;
    std::thread completer_;
    std::atomic<uint32_t> volume_;
};

bool start_audio(const char* driver)
{
    if (driver && driver[0]) SDL_SetHint(SDL_HINT_AUDIODRIVER, driver);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    // Someone may have started audio earlier with another driver: switch to the one asked for.
    const char* current = SDL_GetCurrentAudioDriver();
    if (driver && driver[0] && (!current || SDL_strcasecmp(current, driver) != 0)) {
        if (SDL_AudioInit(driver) != 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
    }
    return true;
}

}  // namespace

void sys_audio_report_from_main_loop(bool on) { g_reports_from_main_loop = on; }

void sys_audio_poll()
{
    if (g_polled_device) g_polled_device->report_polled();
}

std::unique_ptr<CWaveOut> sys_audio_create_device(const std::string& driver, const std::string& file, bool* audio_ready)
{
    if (!file.empty()) SDL_setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    bool ready = start_audio(driver.c_str());
    if (!ready) note("No audio output through \"%s\": %s", driver.empty() ? "default" : driver.c_str(), SDL_GetError());
    if (!ready && driver.empty()) {
        // A desktop without a sound server still runs the mixer, into the dummy driver.
        ready = start_audio("dummy");
        if (ready) note("Sound goes to the dummy audio driver.");
    }
    // Like a handheld's system volume, the level set in an earlier run is the device's current one.
    uint32_t volume = 0xFFFFFFFFu;
    sys_audio_volume_load(&volume);
    if (audio_ready) *audio_ready = ready;
    return std::make_unique<CSdlWaveOut>(ready, volume);
}
