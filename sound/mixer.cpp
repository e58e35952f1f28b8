// The software mixer: the channel table, the ring of output buffers and the device's completion report.
#include "sound/mixer.h"
#include <cstring>
#include <new>
#include "sound/mix_chunk.h"

namespace {

struct MixerState {
    MixChannel* channels = nullptr;
    uint32_t channelCount = 0;
    CWaveOut* device = nullptr;  // set while the device is open
    uint32_t stereo = 0;
    // Six buffers of bufferBytes each, one block; sized when the device opens, never in the callback path.
    uint8_t* ring = nullptr;
    uint32_t bufferBytes = 0;
    // Written to the device and not yet reported done: such a buffer is neither rewritten nor re-queued.
    bool held[kRingBuffers] = {};
};

MixerState g;

struct Chunk {
    const uint8_t* start = nullptr;
    uint32_t size = 0;
};

}  // namespace

std::recursive_mutex& mixer_lock()
{
    // Never destroyed: the callback thread and static destructors may still need it at exit.
    static std::recursive_mutex* lock = new std::recursive_mutex;
    return *lock;
}

static void mixer_end_channel(MixChannel& ch)
{
    if (ch.playCount && *ch.playCount > 0) (*ch.playCount)--;
    ch = MixChannel{};
}

static Chunk mixer_next_chunk(MixChannel& ch, uint32_t room, bool may_end)
{
    const uint32_t s = ch.stereo ? 2 : 1;
    const uint32_t d = g.stereo ? 2 : 1;
    if (ch.position >= ch.length) {
        if (may_end) mixer_end_channel(ch);
        return {};
    }
    uint32_t frames = (ch.length - ch.position) / s;
    if (room / d < frames) frames = room / d;
    // Stereo data with a single byte left yields nothing and waits to be stopped.
    if (frames == 0) return {};
    Chunk c{ch.data + ch.position, frames * s};
    ch.position += c.size;
    if (ch.position >= ch.length) ch.position = ch.loop ? 0 : ch.length;
    return c;
}

static void mixer_fill_buffer(int index, bool priming)
{
    std::lock_guard<std::recursive_mutex> guard(mixer_lock());
    const uint32_t size = g.bufferBytes;
    uint8_t* buf = g.ring + size_t(index) * size;
    std::memset(buf, kSilence, size);
    const uint32_t d = g.stereo ? 2 : 1;
    // k counts the channels that have written into this buffer, whatever part of it they covered.
    uint32_t k = 0;
    for (uint32_t i = 0; i < g.channelCount; i++) {
        MixChannel& ch = g.channels[i];
        if (!ch.data) continue;
        uint32_t filled = 0;
        for (;;) {
            Chunk c = mixer_next_chunk(ch, size - filled, filled == 0 && !priming);
            if (c.size == 0) break;
            const uint32_t frames = c.size / (ch.stereo ? 2 : 1);
            filled += mixer_mix_chunk(buf + filled, k, c.start, frames, ch.stereo != 0, d == 2);
            if (filled >= size) break;
        }
        if (filled) k++;
    }
    if (g.device) {
        g.held[index] = true;
        if (!g.device->write(index, buf, size)) g.held[index] = false;
    }
}

// Sizes the ring for the device's buffer length with this many channels; false when there is no memory.
static bool mixer_size_ring(const CWaveOut& device, int channels)
{
    // A length that is no whole number of frames would swap the channels of a stereo stream at every buffer.
    const uint32_t frame = uint32_t(channels);
    uint32_t size = device.buffer_bytes(channels) / frame * frame;
    if (size == 0) size = kHandheldBufferBytes;
    if (size == g.bufferBytes) return true;
    uint8_t* ring = new (std::nothrow) uint8_t[size_t(size) * kRingBuffers];
    if (!ring) return false;
    delete[] g.ring;
    g.ring = ring;
    g.bufferBytes = size;
    return true;
}

static bool mixer_open_device()
{
    CWaveOut* device = wave_out_device();
    if (!device) return false;
    if (mixer_size_ring(*device, 2) && device->open(2, mixer_on_buffer_done)) {
        g.stereo = 1;
    } else if (mixer_size_ring(*device, 1) && device->open(1, mixer_on_buffer_done)) {
        g.stereo = 0;
    } else {
        return false;
    }
    g.device = device;
    for (bool& h : g.held) h = false;
    return true;
}

static MixChannel* mixer_free_slot()
{
    for (uint32_t i = 0; i < g.channelCount; i++)
        if (!g.channels[i].data) return &g.channels[i];
    // Grow by one slot; only here, on the playing thread, never in the completion path.
    MixChannel* grown = new (std::nothrow) MixChannel[g.channelCount + 1];
    if (!grown) return nullptr;
    for (uint32_t i = 0; i < g.channelCount; i++) grown[i] = g.channels[i];
    delete[] g.channels;
    g.channels = grown;
    return &g.channels[g.channelCount++];
}

bool mixer_add_channel(const PlayRequest& request)
{
    std::lock_guard<std::recursive_mutex> guard(mixer_lock());
    const WaveFormat& f = request.format;
    if (f.formatTag != kWaveFormatPcm || f.bitsPerSample != kMixBits || f.samplesPerSec != kMixRate) return false;
    if (!request.data) return false;
    bool just_opened = false;
    if (!g.device) {
        if (!mixer_open_device()) return false;
        just_opened = true;
    }
    MixChannel* slot = mixer_free_slot();
    if (slot) {
        slot->stereo = f.channels == 2 ? 1 : 0;
        slot->data = request.data;
        slot->length = request.length;
        slot->position = 0;
        slot->loop = request.loop;
        slot->playCount = request.playCount;
    }
    // A device that was just opened gets its ring even when the channel was dropped; else it would stay
    // silent with nothing queued, and no later play would prime it.
    if (just_opened)
        for (int i = 0; i < kRingBuffers; i++) mixer_fill_buffer(i, true);
    return slot != nullptr;
}

void mixer_stop_data(const uint8_t* data)
{
    if (!data) return;
    std::lock_guard<std::recursive_mutex> guard(mixer_lock());
    for (uint32_t i = 0; i < g.channelCount; i++)
        if (g.channels[i].data == data) mixer_end_channel(g.channels[i]);
}

bool mixer_on_buffer_done(int index, bool may_wait)
{
    if (index < 0 || index >= kRingBuffers) return true;
    std::unique_lock<std::recursive_mutex> guard(mixer_lock(), std::defer_lock);
    if (may_wait) guard.lock();
    else if (!guard.try_lock()) return false;
    if (!g.device) return true;
    g.held[index] = false;
    // Refill the buffer before this one, which finished one step earlier, so five stay queued. Right after
    // priming that buffer is still at the device: skip it; it is refilled when its successor comes back.
    const int refill = (index + kRingBuffers - 1) % kRingBuffers;
    if (!g.held[refill]) mixer_fill_buffer(refill, false);
    return true;
}

void mixer_shutdown()
{
    CWaveOut* device = nullptr;
    {
        std::lock_guard<std::recursive_mutex> guard(mixer_lock());
        for (uint32_t i = 0; i < g.channelCount; i++)
            if (g.channels[i].data) mixer_end_channel(g.channels[i]);
        delete[] g.channels;
        g.channels = nullptr;
        g.channelCount = 0;
        device = g.device;
        g.device = nullptr;
        for (bool& h : g.held) h = false;
    }
    // Outside the lock: closing waits for a completion in flight, which may be waiting for the lock.
    if (device) device->close();
    // The device read the ring until it closed; free it only now (unless a play has opened it again).
    std::lock_guard<std::recursive_mutex> guard(mixer_lock());
    if (g.device) return;
    delete[] g.ring;
    g.ring = nullptr;
    g.bufferBytes = 0;
}

bool mixer_device_open()
{
    std::lock_guard<std::recursive_mutex> guard(mixer_lock());
    return g.device != nullptr;
}

bool mixer_device_stereo()
{
    std::lock_guard<std::recursive_mutex> guard(mixer_lock());
    return g.stereo != 0;
}

int mixer_playing_channels()
{
    std::lock_guard<std::recursive_mutex> guard(mixer_lock());
    int n = 0;
    for (uint32_t i = 0; i < g.channelCount; i++)
        if (g.channels[i].data) n++;
    return n;
}
