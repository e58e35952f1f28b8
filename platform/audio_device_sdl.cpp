// The wave-output device over an SDL audio device: plays the mixer's ring and reports each consumed buffer.
#include <SDL.h>
#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>
#include "platform/audio_device.h"
#include "platform/audio_monitor.h"
#include "platform/debug_output.h"

namespace {

// SDL's own buffer: 128 frames (5.8 ms), or two ring buffers when those are shorter. Every sound waits for
// it on top of the ring, so it stays small.
constexpr uint32_t kMaxDeviceFrames = 128;
constexpr uint32_t kMinDeviceFrames = 16;

// Where a browser has no threads to spare, the main loop reports finished buffers (sys_audio_poll).
bool g_reports_from_main_loop = false;
class CSdlWaveOut;
CSdlWaveOut* g_polled_device = nullptr;

// A browser's audio node takes powers of two from 256 frames up; with 512-frame ring buffers there, 256 frames
// is still below two buffers.
constexpr uint32_t kMainLoopDeviceFrames = 256;

uint32_t device_frames_for(uint32_t bufferBytes, int channels)
{
    if (g_reports_from_main_loop) return kMainLoopDeviceFrames;
    const uint32_t buffer_frames = bufferBytes / uint32_t(channels);
    uint32_t frames = kMaxDeviceFrames;
    while (frames > kMinDeviceFrames && frames > 2 * buffer_frames) frames /= 2;
    return frames;
}

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
    CSdlWaveOut(bool audio_ready, uint32_t volume, uint32_t buffer_bytes)
        : audio_ready_(audio_ready), buffer_bytes_(buffer_bytes), volume_(volume)
    {
    }

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
        want.samples = Uint16(device_frames_for(buffer_bytes(channels), channels));
        want.callback = &CSdlWaveOut::feed_thunk;
        want.userdata = this;
        channels_ = channels;
        done_ = done;
        {
            std::lock_guard<std::mutex> guard(queue_mutex_);
            head_ = count_ = 0;
            started_ = false;
            unreported_count_ = 0;
        }
        // No format changes allowed: SDL converts to whatever the hardware wants. The device opens paused.
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
        if (g_reports_from_main_loop) g_polled_device = this;
        audio_monitor_opened(want.samples, buffer_bytes(channels), channels);
        note("Sound output: %u-byte buffers, device buffer %u frames (%s driver).", unsigned(buffer_bytes(channels)),
             unsigned(want.samples), SDL_GetCurrentAudioDriver() ? SDL_GetCurrentAudioDriver() : "no");
        return true;
    }

    uint32_t buffer_bytes(int channels) const override
    {
        if (buffer_bytes_) return buffer_bytes_;
        return (g_reports_from_main_loop ? kMainLoopBufferFrames : kDefaultBufferFrames) * uint32_t(channels);
    }

    void close() override
    {
        if (!device_) return;
        // Waits for a callback in progress; none runs after this.
        SDL_CloseAudioDevice(device_);
        device_ = 0;
        if (g_polled_device == this) g_polled_device = nullptr;
        std::lock_guard<std::mutex> guard(queue_mutex_);
        head_ = count_ = 0;
        unreported_count_ = 0;
    }

    // The main loop's turn to report what the device consumed since the last frame (a browser's page, where
    // the callback runs between frames). The main loop may wait for the mixer.
    void report_polled()
    {
        int finished[kRingBuffers];
        int n = 0;
        {
            std::lock_guard<std::mutex> guard(queue_mutex_);
            n = unreported_count_;
            for (int i = 0; i < n; i++) finished[i] = unreported_[i];
            unreported_count_ = 0;
        }
        for (int i = 0; i < n; i++) done_(finished[i], true);
    }

    bool write(int index, const uint8_t* data, uint32_t size) override
    {
        bool start = false;
        {
            std::lock_guard<std::mutex> guard(queue_mutex_);
            if (!device_ || count_ == kRingBuffers) return false;
            queue_[(head_ + count_) % kRingBuffers] = Queued{index, data, size, 0};
            count_++;
            // Start once the primed ring is all queued, so the first requests find it full.
            start = !started_ && count_ == kRingBuffers;
            if (start) started_ = true;
        }
        // SDL's device lock is taken here under the mixer lock; that cannot deadlock, as the callback holding
        // the device lock only ever tries the mixer lock.
        if (start) SDL_PauseAudioDevice(device_, 0);
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

    // SDL's audio thread is the device's completion thread, as a wave-out driver's callback was: it copies
    // from the queued buffers and reports each one it finishes, and the report refills and queues the buffer
    // before it at once, so the refill never waits for another thread to be scheduled. It never waits for
    // the mixer either: a report the busy mixer refuses is made again at the next request, and the queue runs
    // short only when the mixer stays busy for longer than the queued buffers last.
    void feed(Uint8* stream, int len)
    {
        int pos = 0;
        for (;;) {
            {
                std::lock_guard<std::mutex> guard(queue_mutex_);
                while (pos < len && count_ > 0) {
                    Queued& q = queue_[head_];
                    const uint32_t take = std::min(uint32_t(len - pos), q.size - q.offset);
                    std::memcpy(stream + pos, q.data + q.offset, take);
                    q.offset += take;
                    pos += int(take);
                    if (q.offset == q.size) {
                        if (unreported_count_ < kRingBuffers) unreported_[unreported_count_++] = q.index;
                        head_ = (head_ + 1) % kRingBuffers;
                        count_--;
                    }
                }
            }
            // In a browser the main loop reports (report_polled).
            if (g_reports_from_main_loop) break;
            // Reporting refills and writes, which takes the queue lock again: report without holding it.
            int reported = 0;
            while (reported < unreported_count_ && done_(unreported_[reported], false)) reported++;
            for (int i = reported; i < unreported_count_; i++) unreported_[i - reported] = unreported_[i];
            unreported_count_ -= reported;
            // A request longer than what was queued goes on with what the reports just queued.
            if (pos == len || reported == 0) break;
        }
        audio_monitor_fed(stream, pos, len);
        if (pos < len) std::memset(stream + pos, 128, size_t(len - pos));
        sys_audio_apply_volume(stream, len, channels_, volume_.load());
    }

    const bool audio_ready_;
    const uint32_t buffer_bytes_;  // 0: the default length
    SDL_AudioDeviceID device_ = 0;
    int channels_ = 0;
    WaveOutDoneFn done_ = nullptr;
    std::mutex queue_mutex_;
    Queued queue_[kRingBuffers] = {};
    int head_ = 0;
    int count_ = 0;
    bool started_ = false;  // unpaused: the device plays from the queue
    // Consumed buffers the mixer has not taken the report of yet, oldest first; only the device thread
    // touches them while the device is open.
    int unreported_[kRingBuffers] = {};
    int unreported_count_ = 0;
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

std::unique_ptr<CWaveOut> sys_audio_create_device(const std::string& driver, const std::string& file,
                                                  uint32_t buffer_bytes, bool* audio_ready)
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
    return std::make_unique<CSdlWaveOut>(ready, volume, buffer_bytes);
}
