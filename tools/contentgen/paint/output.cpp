// Turns painted pictures into 24-bit PNG/JPEG and 8-bit colour-mapped TGA files.
#include "paint/output.h"
#include "formats/png_writer.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

static uint8_t to8(float v) { return uint8_t(std::lround(clamp01(v) * 255.0f)); }

// The game converts to 5-6-5 by the top bits: keep opaque colours off the key's 5-6-5 value.
static void avoid_key(uint8_t& r, uint8_t& g, uint8_t& b)
{
    if ((r >> 3) == (KEY_R >> 3) && (g >> 2) == (KEY_G >> 2) && (b >> 3) == (KEY_B >> 3)) g = 8;
}

std::vector<uint8_t> flatten_rgb(const Image& img, Rgba bd)
{
    std::vector<uint8_t> out(size_t(img.w) * size_t(img.h) * 3);
    for (size_t i = 0; i < img.px.size(); i++) {
        const Rgba& c = img.px[i];
        out[i * 3 + 0] = to8(c.r * c.a + bd.r * (1 - c.a));
        out[i * 3 + 1] = to8(c.g * c.a + bd.g * (1 - c.a));
        out[i * 3 + 2] = to8(c.b * c.a + bd.b * (1 - c.a));
    }
    return out;
}

static bool keyed_colour(const Rgba& c, Rgba matte, bool use_matte, uint8_t& r, uint8_t& g, uint8_t& b)
{
    if (c.a < 0.5f) return false;
    Rgba o = use_matte ? mix(matte, c, c.a) : c;
    r = to8(o.r);
    g = to8(o.g);
    b = to8(o.b);
    avoid_key(r, g, b);
    return true;
}

std::vector<uint8_t> keyed_rgb(const Image& img, Rgba matte, bool use_matte)
{
    std::vector<uint8_t> out(size_t(img.w) * size_t(img.h) * 3);
    for (size_t i = 0; i < img.px.size(); i++) {
        uint8_t r = KEY_R, g = KEY_G, b = KEY_B;
        keyed_colour(img.px[i], matte, use_matte, r, g, b);
        out[i * 3 + 0] = r;
        out[i * 3 + 1] = g;
        out[i * 3 + 2] = b;
    }
    return out;
}

bool save_png(const std::string& path, const Image& img, Rgba backdrop)
{
    return write_png24(path, img.w, img.h, flatten_rgb(img, backdrop));
}

bool save_jpg(const std::string& path, const Image& img, int quality)
{
    return write_jpeg24(path, img.w, img.h, flatten_rgb(img), quality);
}

bool save_png_keyed(const std::string& path, const Image& img, Rgba matte, bool use_matte)
{
    return write_png24(path, img.w, img.h, keyed_rgb(img, matte, use_matte));
}

namespace {
struct Colour {
    std::array<float, 3> c;
    float weight;
};
struct Box {
    std::vector<Colour> items;
    float score() const
    {
        if (items.size() < 2) return 0;
        float lo[3] = {1e9f, 1e9f, 1e9f}, hi[3] = {-1e9f, -1e9f, -1e9f}, w = 0;
        for (const Colour& it : items) {
            for (int k = 0; k < 3; k++) {
                lo[k] = std::min(lo[k], it.c[size_t(k)]);
                hi[k] = std::max(hi[k], it.c[size_t(k)]);
            }
            w += it.weight;
        }
        float range = std::max({hi[0] - lo[0], hi[1] - lo[1], hi[2] - lo[2]});
        return range * std::sqrt(w);
    }
};

// Median cut over the opaque colours, weighted by how often each appears.
std::vector<Rgb> median_cut(const std::vector<std::array<uint8_t, 3>>& pixels, int count)
{
    std::unordered_map<uint32_t, float> hist;
    for (const auto& p : pixels) hist[(uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2]] += 1.0f;
    std::vector<uint32_t> keys;
    keys.reserve(hist.size());
    for (const auto& kv : hist) keys.push_back(kv.first);
    std::sort(keys.begin(), keys.end());  // map order is not repeatable; sorted keys are
    Box first;
    for (uint32_t k : keys)
        first.items.push_back({{float(k >> 16), float((k >> 8) & 255), float(k & 255)}, hist[k]});
    std::vector<Box> boxes;
    if (!first.items.empty()) boxes.push_back(std::move(first));
    while (int(boxes.size()) < count) {
        int best = -1;
        float best_score = 0;
        for (size_t i = 0; i < boxes.size(); i++) {
            float s = boxes[i].score();
            if (s > best_score) {
                best_score = s;
                best = int(i);
            }
        }
        if (best < 0) break;
        Box& b = boxes[size_t(best)];
        float lo[3] = {1e9f, 1e9f, 1e9f}, hi[3] = {-1e9f, -1e9f, -1e9f};
        for (const Colour& it : b.items)
            for (int k = 0; k < 3; k++) {
                lo[k] = std::min(lo[k], it.c[size_t(k)]);
                hi[k] = std::max(hi[k], it.c[size_t(k)]);
            }
        // Green counts most to the eye, blue least.
        float rg[3] = {(hi[0] - lo[0]) * 1.0f, (hi[1] - lo[1]) * 1.2f, (hi[2] - lo[2]) * 0.8f};
        size_t axis = size_t(std::max_element(rg, rg + 3) - rg);
        std::stable_sort(b.items.begin(), b.items.end(), [&](const Colour& x, const Colour& y) { return x.c[axis] < y.c[axis]; });
        float total = 0, run = 0;
        for (const Colour& it : b.items) total += it.weight;
        size_t cut = 1;
        for (size_t i = 0; i < b.items.size(); i++) {
            run += b.items[i].weight;
            if (run >= total / 2) {
                cut = std::clamp(i + 1, size_t(1), b.items.size() - 1);
                break;
            }
        }
        Box other;
        other.items.assign(b.items.begin() + long(cut), b.items.end());
        b.items.resize(cut);
        boxes.push_back(std::move(other));
    }
    std::vector<Rgb> pal;
    for (const Box& b : boxes) {
        double s[3] = {0, 0, 0}, w = 0;
        for (const Colour& it : b.items) {
            for (int k = 0; k < 3; k++) s[k] += double(it.c[size_t(k)]) * it.weight;
            w += it.weight;
        }
        if (w <= 0) continue;
        Rgb c{uint8_t(std::lround(s[0] / w)), uint8_t(std::lround(s[1] / w)), uint8_t(std::lround(s[2] / w))};
        avoid_key(c.r, c.g, c.b);
        pal.push_back(c);
    }
    return pal;
}

class Mapper {
public:
    Mapper(const std::vector<Rgb>& pal, int first) : pal_(pal), first_(first) {}
    int nearest(int r, int g, int b)
    {
        r = std::clamp(r, 0, 255);
        g = std::clamp(g, 0, 255);
        b = std::clamp(b, 0, 255);
        uint32_t key = (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
        auto it = cache_.find(key);
        if (it != cache_.end()) return it->second;
        int best = first_;
        long best_d = -1;
        for (size_t i = size_t(first_); i < pal_.size(); i++) {
            long dr = r - pal_[i].r, dg = g - pal_[i].g, db = b - pal_[i].b;
            long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
            if (best_d < 0 || d < best_d) {
                best_d = d;
                best = int(i);
            }
        }
        cache_[key] = best;
        return best;
    }

private:
    const std::vector<Rgb>& pal_;
    int first_;
    std::unordered_map<uint32_t, int> cache_;
};

void map_pixels(const Image& img, bool keyed, bool dither, Rgba matte, bool use_matte, Mapper& map, const std::vector<Rgb>& pal,
                Indexed& out)
{
    out.w = img.w;
    out.h = img.h;
    out.idx.assign(size_t(img.w) * size_t(img.h), 0);
    std::vector<float> err(size_t(img.w + 2) * 2 * 3, 0.0f);
    for (int y = 0; y < img.h; y++) {
        float* cur = err.data() + size_t(y & 1) * size_t(img.w + 2) * 3;
        float* nxt = err.data() + size_t((y + 1) & 1) * size_t(img.w + 2) * 3;
        std::fill(nxt, nxt + size_t(img.w + 2) * 3, 0.0f);
        bool rtl = (y & 1) != 0;  // serpentine scan keeps the error from streaking
        for (int i = 0; i < img.w; i++) {
            int x = rtl ? img.w - 1 - i : i;
            uint8_t r8, g8, b8;
            const Rgba& c = img.at(x, y);
            if (keyed) {
                if (!keyed_colour(c, matte, use_matte, r8, g8, b8)) continue;  // index 0
            } else {
                r8 = to8(c.r * c.a);
                g8 = to8(c.g * c.a);
                b8 = to8(c.b * c.a);
            }
            float* e = cur + size_t(x + 1) * 3;
            float r = float(r8) + (dither ? e[0] : 0), g = float(g8) + (dither ? e[1] : 0), b = float(b8) + (dither ? e[2] : 0);
            int k = map.nearest(int(std::lround(r)), int(std::lround(g)), int(std::lround(b)));
            out.idx[size_t(y) * size_t(img.w) + size_t(x)] = uint8_t(k);
            if (!dither) continue;
            float er = (r - float(pal[size_t(k)].r)) * 0.85f, eg = (g - float(pal[size_t(k)].g)) * 0.85f,
                  eb = (b - float(pal[size_t(k)].b)) * 0.85f;
            int dir = rtl ? -1 : 1;
            auto add = [&](float* row, int xx, float f) {
                if (xx < 0 || xx >= img.w) return;
                float* p = row + size_t(xx + 1) * 3;
                p[0] += er * f;
                p[1] += eg * f;
                p[2] += eb * f;
            };
            add(cur, x + dir, 7.0f / 16);
            add(nxt, x - dir, 3.0f / 16);
            add(nxt, x, 5.0f / 16);
            add(nxt, x + dir, 1.0f / 16);
        }
    }
}

void collect(const Image& img, bool keyed, Rgba matte, bool use_matte, std::vector<std::array<uint8_t, 3>>& pixels)
{
    for (const Rgba& c : img.px) {
        uint8_t r, g, b;
        if (keyed) {
            if (!keyed_colour(c, matte, use_matte, r, g, b)) continue;
        } else {
            r = to8(c.r * c.a);
            g = to8(c.g * c.a);
            b = to8(c.b * c.a);
        }
        pixels.push_back({r, g, b});
    }
}

std::vector<Rgb> build_palette(const std::vector<std::array<uint8_t, 3>>& pixels, bool keyed)
{
    std::vector<Rgb> pal;
    if (keyed) pal.push_back({KEY_R, KEY_G, KEY_B});
    std::vector<Rgb> cut = median_cut(pixels, keyed ? 255 : 256);
    pal.insert(pal.end(), cut.begin(), cut.end());
    if (pal.size() == (keyed ? 1u : 0u)) pal.push_back({0, 0, 0});
    return pal;
}
}  // namespace

Indexed quantise(const Image& img, bool keyed, bool dither, Rgba matte, bool use_matte)
{
    std::vector<std::array<uint8_t, 3>> pixels;
    collect(img, keyed, matte, use_matte, pixels);
    Indexed out;
    out.pal = build_palette(pixels, keyed);
    Mapper map(out.pal, keyed ? 1 : 0);
    map_pixels(img, keyed, dither, matte, use_matte, map, out.pal, out);
    out.pal.resize(256);
    return out;
}

std::vector<Indexed> quantise_shared(const std::vector<Image>& frames, bool keyed, bool dither)
{
    std::vector<std::array<uint8_t, 3>> pixels;
    for (const Image& f : frames) collect(f, keyed, {}, false, pixels);
    std::vector<Rgb> pal = build_palette(pixels, keyed);
    Mapper map(pal, keyed ? 1 : 0);
    std::vector<Indexed> out(frames.size());
    for (size_t i = 0; i < frames.size(); i++) {
        map_pixels(frames[i], keyed, dither, {}, false, map, pal, out[i]);
        out[i].pal = pal;
        out[i].pal.resize(256);
    }
    return out;
}

bool save_tga(const std::string& path, const Image& img, bool keyed, bool dither, Rgba matte, bool use_matte)
{
    Indexed q = quantise(img, keyed, dither, matte, use_matte);
    return write_tga8(path, q.w, q.h, q.idx, q.pal);
}
