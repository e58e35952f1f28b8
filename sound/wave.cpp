// CWave: a sound file read into memory and converted once to the mixer's format.
#include "sound/wave.h"
#include <cstdio>
#include <cstdlib>
#include "platform/files.h"
#include "sound/mixer.h"
#include "sound/wave_convert.h"
#include "sound/wave_file.h"
#include "util/log.h"

// Larger files are not sound effects or music of this game; refuse before allocating for them.
constexpr long kMaxWaveFileBytes = 256L * 1024 * 1024;

CWave::CWave(const char* path)
{
    if (read_and_load(path) == ReadResult::BadFormat) log_msg("Error reading wave file format?");
}

CWave::~CWave() { unload(); }

CWave::ReadResult CWave::read_and_load(const char* path)
{
    FILE* f = path ? sys_fopen(path, "rb") : nullptr;
    if (!f) return ReadResult::Missing;
    long size = -1;
    if (std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
    if (size == 0) {
        std::fclose(f);
        return ReadResult::Missing;
    }
    if (size < 0 || size > kMaxWaveFileBytes || std::fseek(f, 0, SEEK_SET) != 0) {
        std::fclose(f);
        return ReadResult::ReadFailed;
    }
    uint8_t* bytes = static_cast<uint8_t*>(std::malloc(size_t(size)));
    if (!bytes) {
        std::fclose(f);
        return ReadResult::Missing;
    }
    const bool read_ok = std::fread(bytes, 1, size_t(size), f) == size_t(size);
    std::fclose(f);
    ReadResult result = ReadResult::ReadFailed;
    if (read_ok) result = load_memory(bytes, size_t(size)) ? ReadResult::Ok : ReadResult::BadFormat;
    std::free(bytes);
    return result;
}

bool CWave::load_file(const char* path)
{
    unload();
    switch (read_and_load(path)) {
    case ReadResult::Ok:
        return true;
    case ReadResult::ReadFailed:
        log_msg("Error reading wave file format?");
        log_msg("Can't find wave file %s", path);
        return false;
    case ReadResult::Missing:
        log_msg("Can't find wave file %s", path ? path : "");
        return false;
    case ReadResult::BadFormat:
        log_msg("Error reading wave file format?");
        return false;
    }
    return false;
}

bool CWave::load_memory(const uint8_t* bytes, size_t size)
{
    unload();
    WaveFileParts parts;
    if (!wave_parse(bytes, size, &parts)) return false;
    WaveFormat converted = parts.format;
    uint8_t* out = nullptr;
    uint32_t out_length = 0;
    if (!wave_set_data(&converted, parts.data, parts.length, &out, &out_length)) return false;
    format = converted;
    data = out;
    length = out_length;
    return true;
}

void CWave::play(bool loop_it)
{
    if (!data) return;
    std::lock_guard<std::recursive_mutex> guard(mixer_lock());
    loop = loop_it ? 1 : 0;
    playCount++;
    PlayRequest request;
    request.format = format;
    request.data = data;
    request.length = length;
    request.loop = loop;
    request.playCount = &playCount;
    // A dropped request (no device) must not leave the sound counted as playing for ever.
    if (!mixer_add_channel(request)) playCount--;
}

void CWave::stop()
{
    std::lock_guard<std::recursive_mutex> guard(mixer_lock());
    if (playCount == 0) return;
    mixer_stop_data(data);
    playCount = 0;
    loop = 0;
}

void CWave::unload()
{
    {
        // End the channels under the lock, so the callback thread cannot be mixing these samples when
        // they are freed below.
        std::lock_guard<std::recursive_mutex> guard(mixer_lock());
        mixer_stop_data(data);
        playCount = 0;
        loop = 0;
    }
    std::free(data);
    data = nullptr;
    length = 0;
    format = WaveFormat{};
}

bool CWave::is_playing() const
{
    std::lock_guard<std::recursive_mutex> guard(mixer_lock());
    return playCount != 0;
}
