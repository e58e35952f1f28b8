// The desktop icon: the sorceress, rendered like her frames, in a round night-sky badge at every icon size.
#include "content.h"
#include "creatures/icon_figure.h"
#include "formats/png_writer.h"
#include "paint/image.h"
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kMaster = 1024;
constexpr int kSizes[] = {16, 32, 48, 64, 128, 256, 512};

// Top rows of the figure (`keep` of its height) scaled to fill the badge, clipped to its circle.
Image badge(const FigurePixels& fig, float keep)
{
    const float c = kMaster / 2.f, r = kMaster * 0.47f;
    Image out(kMaster, kMaster);
    for (int y = 0; y < kMaster; y++)
        for (int x = 0; x < kMaster; x++) {
            float d = std::hypot(float(x) + 0.5f - c, float(y) + 0.5f - c);
            if (d > r) continue;
            float t = d / r;
            Rgba sky = mix(hex(0x4a3a8c), hex(0x140e30), t * t);
            // A thin gold rim keeps the badge apart from dark and light panels alike.
            if (d > r - kMaster * 0.022f) sky = mix(hex(0xf0c860), hex(0xa07020), (d - (r - kMaster * 0.022f)) / (kMaster * 0.022f));
            out.at(x, y) = sky;
            out.at(x, y).a = clamp01(r - d);
        }
    // Where the figure's rows start and end.
    int top = fig.h, bottom = -1;
    for (int y = 0; y < fig.h; y++)
        for (int x = 0; x < fig.w; x++)
            if (fig.solid[size_t(y) * size_t(fig.w) + size_t(x)]) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (bottom < top) return out;
    const float shown = float(bottom - top + 1) * keep;
    const float scale = kMaster * 0.80f / shown;
    // Centre on her head and the staff's orb (the top third of her rows), whatever her robe does below.
    int left = fig.w, right = -1;
    for (int y = top; y < top + (bottom - top + 1) / 3; y++)
        for (int x = 0; x < fig.w; x++)
            if (fig.solid[size_t(y) * size_t(fig.w) + size_t(x)]) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    const float mid = (float(left + right) + 1.f) / 2.f;
    for (int y = 0; y < kMaster; y++)
        for (int x = 0; x < kMaster; x++) {
            if (out.at(x, y).a <= 0) continue;
            int fx = int(mid + (float(x) - c) / scale), fy = int(float(top) + (float(y) - kMaster * 0.12f) / scale);
            if (fx < 0 || fy < 0 || fx >= fig.w || fy >= fig.h) continue;
            size_t i = size_t(fy) * size_t(fig.w) + size_t(fx);
            if (!fig.solid[i]) continue;
            float a = out.at(x, y).a;
            out.at(x, y) = rgb(fig.rgb[i * 3] / 255.f, fig.rgb[i * 3 + 1] / 255.f, fig.rgb[i * 3 + 2] / 255.f, a);
        }
    return out;
}

bool save_icon(const std::string& path, const Image& img)
{
    std::vector<uint8_t> rgba(size_t(img.w) * size_t(img.h) * 4);
    for (size_t i = 0; i < img.px.size(); i++) {
        const Rgba& p = img.px[i];
        rgba[i * 4] = uint8_t(std::lround(clamp01(p.r) * 255));
        rgba[i * 4 + 1] = uint8_t(std::lround(clamp01(p.g) * 255));
        rgba[i * 4 + 2] = uint8_t(std::lround(clamp01(p.b) * 255));
        rgba[i * 4 + 3] = uint8_t(std::lround(clamp01(p.a) * 255));
    }
    return write_png32(path, img.w, img.h, rgba);
}

}  // namespace

bool generate_icons(const ContentContext& ctx)
{
    if (ctx.icons.empty()) return true;
    // Rendered once, large; every size is an area-filtered reduction. Small sizes show her head and
    // shoulders, where a whole figure would be a few pixels wide.
    FigurePixels fig = render_icon_figure(900.f);
    Image full = badge(fig, 0.62f), close = badge(fig, 0.34f);
    bool ok = true;
    for (int size : kSizes) {
        char name[64];
        std::snprintf(name, sizeof name, "/vorlaine-%d.png", size);
        ok = save_icon(ctx.icons + name, resized(size <= 32 ? close : full, size, size)) && ok;
    }
    return ok;
}
