// Builds 8-bit palettes by median cut over a colour histogram, with the key colour reserved at entry 0.
#include "creatures/palette.h"
#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr int kBins = 64 * 64 * 64;

int bin_of(uint8_t r, uint8_t g, uint8_t b) { return (r >> 2) << 12 | (g >> 2) << 6 | (b >> 2); }

struct Entry {
    float c[3];
    float w;
};

struct Box {
    std::vector<int> items;  // indices into the entry list
    double sse = 0;
    float mean[3] = {0, 0, 0};
};

void measure(Box& box, const std::vector<Entry>& e)
{
    double w = 0, s[3] = {0, 0, 0};
    for (int i : box.items) {
        w += e[size_t(i)].w;
        for (int k = 0; k < 3; k++) s[k] += double(e[size_t(i)].c[k]) * e[size_t(i)].w;
    }
    for (int k = 0; k < 3; k++) box.mean[k] = w > 0 ? float(s[k] / w) : 0.f;
    double sse = 0;
    for (int i : box.items)
        for (int k = 0; k < 3; k++) {
            double d = double(e[size_t(i)].c[k]) - box.mean[k];
            sse += d * d * e[size_t(i)].w;
        }
    box.sse = sse;
}

}  // namespace

Rgb avoid_key(Rgb c)
{
    uint16_t key565 = uint16_t((kKeyColour.r & 0xF8) << 8 | (kKeyColour.g & 0xFC) << 3 | kKeyColour.b >> 3);
    uint16_t c565 = uint16_t((c.r & 0xF8) << 8 | (c.g & 0xFC) << 3 | c.b >> 3);
    if (c565 == key565) c.g = 8;
    return c;
}

ColourHistogram::ColourHistogram() : count_(kBins, 0), sum_(size_t(kBins) * 3, 0) {}

void ColourHistogram::add(uint8_t r, uint8_t g, uint8_t b, uint32_t weight)
{
    int i = bin_of(r, g, b);
    count_[size_t(i)] += weight;
    sum_[size_t(i) * 3 + 0] += uint64_t(r) * weight;
    sum_[size_t(i) * 3 + 1] += uint64_t(g) * weight;
    sum_[size_t(i) * 3 + 2] += uint64_t(b) * weight;
}

void ColourHistogram::add_pixels(const std::vector<uint8_t>& rgb, const std::vector<uint8_t>& solid)
{
    for (size_t p = 0; p < solid.size(); p++)
        if (solid[p]) add(rgb[p * 3], rgb[p * 3 + 1], rgb[p * 3 + 2]);
}

std::vector<Rgb> ColourHistogram::build_palette(int max_visible) const
{
    std::vector<Entry> e;
    for (int i = 0; i < kBins; i++) {
        uint32_t n = count_[size_t(i)];
        if (!n) continue;
        Entry en;
        for (int k = 0; k < 3; k++) en.c[k] = float(double(sum_[size_t(i) * 3 + size_t(k)]) / n);
        // Damp the weight of huge flat areas so small details (eyes, gems) still get their colours.
        en.w = float(std::min<uint32_t>(n, 64)) + 0.25f * float(std::max<uint32_t>(n, 64) - 64);
        e.push_back(en);
    }
    std::vector<Rgb> pal;
    pal.push_back(kKeyColour);
    if (e.empty()) return pal;

    std::vector<Box> boxes(1);
    for (int i = 0; i < int(e.size()); i++) boxes[0].items.push_back(i);
    measure(boxes[0], e);
    while (int(boxes.size()) < max_visible) {
        // Split the box with the largest error along its widest channel, at the weighted median.
        int best = -1;
        for (int b = 0; b < int(boxes.size()); b++)
            if (boxes[size_t(b)].items.size() > 1 && (best < 0 || boxes[size_t(b)].sse > boxes[size_t(best)].sse)) best = b;
        if (best < 0 || boxes[size_t(best)].sse <= 0) break;
        Box& bx = boxes[size_t(best)];
        float lo[3] = {1e9f, 1e9f, 1e9f}, hi[3] = {-1e9f, -1e9f, -1e9f};
        for (int i : bx.items)
            for (int k = 0; k < 3; k++) {
                lo[k] = std::min(lo[k], e[size_t(i)].c[k]);
                hi[k] = std::max(hi[k], e[size_t(i)].c[k]);
            }
        int axis = 0;
        for (int k = 1; k < 3; k++)
            if (hi[k] - lo[k] > hi[axis] - lo[axis]) axis = k;
        std::stable_sort(bx.items.begin(), bx.items.end(),
                         [&](int a, int b) { return e[size_t(a)].c[axis] < e[size_t(b)].c[axis]; });
        double total = 0;
        for (int i : bx.items) total += e[size_t(i)].w;
        double acc = 0;
        size_t cut = 1;
        for (size_t k = 0; k + 1 < bx.items.size(); k++) {
            acc += e[size_t(bx.items[k])].w;
            cut = k + 1;
            if (acc >= total / 2) break;
        }
        Box other;
        other.items.assign(bx.items.begin() + long(cut), bx.items.end());
        bx.items.resize(cut);
        measure(bx, e);
        measure(other, e);
        boxes.push_back(std::move(other));
    }

    std::vector<std::array<float, 3>> centre;
    for (const Box& b : boxes) centre.push_back({b.mean[0], b.mean[1], b.mean[2]});
    // A few k-means passes pull the entries onto the colours actually used.
    for (int pass = 0; pass < 3; pass++) {
        std::vector<std::array<double, 4>> acc(centre.size(), {0, 0, 0, 0});
        for (const Entry& en : e) {
            size_t bi = 0;
            float bd = 1e30f;
            for (size_t c = 0; c < centre.size(); c++) {
                float d = 0;
                for (int k = 0; k < 3; k++) {
                    float t = en.c[k] - centre[c][size_t(k)];
                    d += t * t;
                }
                if (d < bd) {
                    bd = d;
                    bi = c;
                }
            }
            for (int k = 0; k < 3; k++) acc[bi][size_t(k)] += double(en.c[k]) * en.w;
            acc[bi][3] += en.w;
        }
        for (size_t c = 0; c < centre.size(); c++)
            if (acc[c][3] > 0)
                for (int k = 0; k < 3; k++) centre[c][size_t(k)] = float(acc[c][size_t(k)] / acc[c][3]);
    }
    for (const auto& c : centre) {
        Rgb rgb{uint8_t(std::clamp(int(c[0] + 0.5f), 0, 255)), uint8_t(std::clamp(int(c[1] + 0.5f), 0, 255)),
                uint8_t(std::clamp(int(c[2] + 0.5f), 0, 255))};
        pal.push_back(avoid_key(rgb));
    }
    return pal;
}

static uint8_t nearest(const std::vector<Rgb>& pal, int r, int g, int b)
{
    int best = 1, bd = 1 << 30;
    for (int k = 1; k < int(pal.size()); k++) {
        int dr = r - pal[size_t(k)].r, dg = g - pal[size_t(k)].g, db = b - pal[size_t(k)].b;
        int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bd) {
            bd = d;
            best = k;
        }
    }
    return uint8_t(best);
}

PaletteMapper::PaletteMapper(const std::vector<Rgb>& palette, const ColourHistogram& used)
    : pal_(palette), cache_(kBins, 0)
{
    // Fill the table for every colour seen up front, so mapping is read-only and safe to share between threads.
    for (int i = 0; i < kBins; i++)
        if (used.count(i)) cache_[size_t(i)] = nearest(pal_, ((i >> 12) & 63) * 4 + 2, ((i >> 6) & 63) * 4 + 2, (i & 63) * 4 + 2);
}

uint8_t PaletteMapper::map(uint8_t r, uint8_t g, uint8_t b) const
{
    if (pal_.size() < 2) return 1;
    int i = bin_of(r, g, b);
    uint8_t c = cache_[size_t(i)];
    return c ? c : nearest(pal_, (r & 0xFC) + 2, (g & 0xFC) + 2, (b & 0xFC) + 2);
}
