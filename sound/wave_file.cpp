// Reading the RIFF WAVE layout: the "fmt " chunk and the "data" chunk of a file held in memory.
#include "sound/wave_file.h"
#include <cstring>

static uint16_t read_u16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }

static uint32_t read_u32(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

static WaveFormat read_format(const uint8_t* body, uint32_t size)
{
    WaveFormat f;
    if (size != 16 && size < 18) return f;
    f.formatTag = read_u16(body);
    f.channels = read_u16(body + 2);
    f.samplesPerSec = read_u32(body + 4);
    f.avgBytesPerSec = read_u32(body + 8);
    f.blockAlign = read_u16(body + 12);
    f.bitsPerSample = read_u16(body + 14);
    f.extraSize = size >= 18 ? read_u16(body + 16) : 0;
    return f;
}

bool wave_parse(const uint8_t* bytes, size_t size, WaveFileParts* out)
{
    *out = WaveFileParts{};
    if (!bytes || size < 12) return false;
    if (std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) return false;
    size_t pos = 12;
    while (size - pos > 8) {
        const uint8_t* id = bytes + pos;
        const uint32_t body_size = read_u32(bytes + pos + 4);
        const uint8_t* body = bytes + pos + 8;
        // A body that runs past the file ends the scan; compared by subtraction so no sum can wrap.
        if (body_size > size - pos - 8) break;
        if (std::memcmp(id, "fmt ", 4) == 0) {
            out->hasFormat = true;
            out->format = read_format(body, body_size);
        } else if (std::memcmp(id, "data", 4) == 0) {
            out->data = body;
            out->length = body_size;
            break;  // "fmt " must come first: nothing after "data" is read
        }
        // No pad byte after an odd-sized body: the next header follows directly.
        pos += 8 + size_t(body_size);
    }
    return out->hasFormat && out->data != nullptr;
}
