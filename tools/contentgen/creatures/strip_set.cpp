// Groups of rendered animation strips: laid out on a common ground line, quantised to one palette, written as frames.
#include "creatures/strip_set.h"
#include "creatures/palette.h"
#include "creatures/tiny_font.h"
#include "formats/file_out.h"
#include "formats/png_writer.h"
#include <algorithm>
#include <climits>
#include <filesystem>
#include <system_error>

std::string frame_file_name(const std::string& base, int n)
{
    return base + (n < 10 ? "0" : "") + std::to_string(n) + ".tga";
}

namespace {

struct Bounds {
    int x0 = INT_MAX, x1 = INT_MIN, y0 = INT_MAX, y1 = INT_MIN;
    bool empty() const { return x0 > x1; }
};

Bounds solid_bounds(const RenderedStrip& s)
{
    Bounds b;
    for (const RgbFrame& f : s.frames)
        for (int j = 0; j < f.h; j++)
            for (int i = 0; i < f.w; i++)
                if (f.solid[size_t(j) * size_t(f.w) + size_t(i)]) {
                    b.x0 = std::min(b.x0, f.x0 + i);
                    b.x1 = std::max(b.x1, f.x0 + i);
                    b.y0 = std::min(b.y0, f.y0 + j);
                    b.y1 = std::max(b.y1, f.y0 + j);
                }
    if (b.empty()) b = {0, 0, 0, 0};
    return b;
}

}  // namespace

void pack_group(StripGroup& group, bool anchor_bottom, int colours)
{
    std::vector<Bounds> bounds;
    int bottom = INT_MIN;
    for (const RenderedStrip& s : group.strips) {
        bounds.push_back(solid_bounds(s));
        bottom = std::max(bottom, bounds.back().y1);
    }
    ColourHistogram hist;
    for (const RenderedStrip& s : group.strips)
        for (const RgbFrame& f : s.frames) hist.add_pixels(f.rgb, f.solid);
    group.palette = hist.build_palette(colours);
    PaletteMapper mapper(group.palette, hist);

    group.packed.clear();
    for (size_t k = 0; k < group.strips.size(); k++) {
        const RenderedStrip& s = group.strips[k];
        const Bounds& b = bounds[k];
        IndexedStrip out;
        out.base = s.base;
        out.label = s.label;
        out.single = s.single;
        // Odd sizes put the ground point on a pixel centre, so mirrored frames keep their feet in place.
        // One transparent pixel all round keeps both colour-key pixels (top-left, start of row two) clear.
        int half_w = std::max(-b.x0, b.x1);
        out.w = 2 * half_w + 1 + 2;
        int cx = out.w / 2;
        int top, cy;
        if (anchor_bottom) {
            top = b.y0 - 1;
            out.h = bottom + 1 + 1 - top;
            cy = -top;
        } else {
            int half_h = std::max(-b.y0, b.y1);
            out.h = 2 * half_h + 1 + 2;
            cy = out.h / 2;
        }
        for (const RgbFrame& f : s.frames) {
            std::vector<uint8_t> idx(size_t(out.w) * size_t(out.h), 0);
            for (int j = 0; j < f.h; j++)
                for (int i = 0; i < f.w; i++) {
                    size_t p = size_t(j) * size_t(f.w) + size_t(i);
                    if (!f.solid[p]) continue;
                    int x = f.x0 + i + cx, y = f.y0 + j + cy;
                    if (x < 1 || y < 1 || x >= out.w - 1 || y >= out.h - 1) continue;
                    idx[size_t(y) * size_t(out.w) + size_t(x)] = mapper.map(f.rgb[p * 3], f.rgb[p * 3 + 1], f.rgb[p * 3 + 2]);
                }
            out.frames.push_back(std::move(idx));
        }
        group.packed.push_back(std::move(out));
    }
}

bool write_group(const StripGroup& group, const std::string& root)
{
    bool ok = true;
    for (const IndexedStrip& s : group.packed) {
        if (s.single) {
            ok = !s.frames.empty() && write_tga8(data_path(root, s.base), s.w, s.h, s.frames[0], group.palette) && ok;
            continue;
        }
        for (size_t n = 0; n < s.frames.size(); n++)
            ok = write_tga8(data_path(root, frame_file_name(s.base, int(n) + 1)), s.w, s.h, s.frames[n], group.palette) && ok;
        // Frames left over from a longer strip of an earlier run would be counted by the game: remove them.
        for (int n = int(s.frames.size()) + 1; n <= 99; n++) {
            std::error_code ec;
            std::filesystem::remove(data_path(root, frame_file_name(s.base, n)), ec);
        }
    }
    return ok;
}

bool write_contact_sheet(const StripGroup& group, const std::string& path, int zoom)
{
    const int label_w = 120, gap = 6, pad = 6;
    int width = 0, height = pad;
    for (const IndexedStrip& s : group.packed) {
        width = std::max(width, label_w + int(s.frames.size()) * (s.w * zoom + gap) + pad);
        height += std::max(s.h * zoom, 16) + gap;
    }
    height += pad + 20;
    width = std::max(width, 200);
    std::vector<uint8_t> rgb(size_t(width) * size_t(height) * 3, 40);
    draw_tiny_text(rgb, width, height, pad, pad, group.name.c_str(), 2, 255, 230, 150);
    int y = pad + 20;
    for (const IndexedStrip& s : group.packed) {
        draw_tiny_text(rgb, width, height, pad, y + 2, s.label.c_str(), 2, 230, 230, 230);
        for (size_t n = 0; n < s.frames.size(); n++) {
            int x0 = label_w + int(n) * (s.w * zoom + gap);
            for (int j = 0; j < s.h * zoom; j++)
                for (int i = 0; i < s.w * zoom; i++) {
                    uint8_t v = s.frames[n][size_t(j / zoom) * size_t(s.w) + size_t(i / zoom)];
                    size_t p = (size_t(y + j) * size_t(width) + size_t(x0 + i)) * 3;
                    if (v == 0) {
                        uint8_t c = (((i / 8) + (j / 8)) & 1) ? 96 : 120;  // checker shows the key
                        rgb[p] = c;
                        rgb[p + 1] = uint8_t(c + 8);
                        rgb[p + 2] = c;
                    } else {
                        const Rgb& c = group.palette[v];
                        rgb[p] = c.r;
                        rgb[p + 1] = c.g;
                        rgb[p + 2] = c.b;
                    }
                }
        }
        y += std::max(s.h * zoom, 16) + gap;
    }
    return write_png24(path, width, height, rgb);
}

bool write_lineup_sheet(const std::vector<LineupEntry>& entries, const std::string& path, int zoom)
{
    const int pad = 8, label_h = 12;
    int width = pad, height = 0;
    for (const LineupEntry& e : entries) {
        const IndexedStrip& s = e.group->packed[e.strip];
        int w = std::max(int(float(s.w) * e.scale), tiny_text_width(e.label.c_str(), 1)) * zoom;
        width += w + pad;
        height = std::max(height, int(float(s.h) * e.scale) * zoom);
    }
    height += 2 * pad + label_h * zoom;
    std::vector<uint8_t> rgb(size_t(width) * size_t(height) * 3);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            size_t p = (size_t(y) * size_t(width) + size_t(x)) * 3;
            rgb[p] = 92;  // a grassy field, like most playfields
            rgb[p + 1] = uint8_t(120 + (y * 40) / height);
            rgb[p + 2] = 70;
        }
    int x0 = pad, ground = height - pad - label_h * zoom;
    for (const LineupEntry& e : entries) {
        const IndexedStrip& s = e.group->packed[e.strip];
        int sw = int(float(s.w) * e.scale), sh = int(float(s.h) * e.scale);
        for (int j = 0; j < sh * zoom; j++)
            for (int i = 0; i < sw * zoom; i++) {
                // Nearest-neighbour, as the game scales.
                int sx = std::min(s.w - 1, int(float(i / zoom) / e.scale)), sy = std::min(s.h - 1, int(float(j / zoom) / e.scale));
                uint8_t v = s.frames[0][size_t(sy) * size_t(s.w) + size_t(sx)];
                if (!v) continue;
                int x = x0 + i, y = ground - sh * zoom + j;
                size_t p = (size_t(y) * size_t(width) + size_t(x)) * 3;
                const Rgb& c = e.group->palette[v];
                rgb[p] = c.r;
                rgb[p + 1] = c.g;
                rgb[p + 2] = c.b;
            }
        draw_tiny_text(rgb, width, height, x0, ground + 4, e.label.c_str(), zoom, 255, 255, 255);
        x0 += std::max(sw, tiny_text_width(e.label.c_str(), 1)) * zoom + pad;
    }
    return write_png24(path, width, height, rgb);
}
