// Writes 8-bit colour-mapped TGA files in the layout the game reads.
#include "formats/tga_writer.h"
#include "formats/file_out.h"

bool write_tga8(const std::string& path, int width, int height,
                const std::vector<uint8_t>& indices, const std::vector<Rgb>& palette)
{
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF) return false;
    if (indices.size() != size_t(width) * size_t(height)) return false;
    std::vector<uint8_t> out;
    out.reserve(18 + 768 + indices.size());
    const uint8_t header[18] = {
        0,             // no image id
        1,             // colour map present
        1,             // uncompressed colour-mapped
        0, 0, 0, 1,    // map starts at 0, 256 entries
        24,            // 24-bit map entries
        0, 0, 0, 0,    // origin
        uint8_t(width & 0xFF), uint8_t(width >> 8),
        uint8_t(height & 0xFF), uint8_t(height >> 8),
        8,             // bits per pixel
        0,             // bottom-left origin
    };
    out.insert(out.end(), header, header + 18);
    for (int i = 0; i < 256; i++) {
        Rgb c = i < int(palette.size()) ? palette[size_t(i)] : Rgb{};
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
    }
    for (int row = height - 1; row >= 0; row--) {
        const uint8_t* src = indices.data() + size_t(row) * size_t(width);
        out.insert(out.end(), src, src + width);
    }
    return write_file(path, out);
}
