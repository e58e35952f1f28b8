// The four ending pictures of the sorceress: the spire at dawn, the saved valley, the road home, the last fire.
#include "backgrounds/backdrop.h"
#include "backgrounds/props.h"
#include "interface/interface_parts.h"
#include "interface/layout.h"
#include "interface/ui_kit.h"
#include <cmath>

static Backdrop canvas(uint32_t seed)
{
    return Backdrop(kEndingW, kEndingH, 120, 170, 224, 0.5f, false, seed);
}

static Image finish(Backdrop& b)
{
    vignette(b.img, 0.35f, 0.5f);
    gilded_frame(b.img, 1, 3);
    // One black pixel round the edge: the game keys on the top-left pixel, and black is the screen behind.
    for (int x = 0; x < b.w; x++) b.img.at(x, 0) = b.img.at(x, b.h - 1) = hex(0x000000);
    for (int y = 0; y < b.h; y++) b.img.at(0, y) = b.img.at(b.w - 1, y) = hex(0x000000);
    return b.img;
}

static Image spire_dawn()
{
    Backdrop b = canvas(1901);
    paint_sky(b, {{0.0f, hex(0x2A3A7A)}, {0.5f, hex(0xE08A6A)}, {0.8f, hex(0xFFD890)}, {1.0f, hex(0xFFF0C0)}}, 150);
    paint_sun(b, 150, 118, 14, hex(0xFFFCE8), hex(0xFFE0A0, 0.9f), 110);
    paint_clouds(b, 100, 150, hex(0xFFE8D0, 0.9f), hex(0xC87A6A), 0.6f, 3, 1902);
    // The broken spire top, the sorceress standing on it, staff raised to the sunrise.
    paint_region(b.img, 0, 150, b.w, b.h, false, [&](float x, float y) {
        float crest = 176 + 8 * std::sin(x * 0.05f) + 6 * fbm(x * 0.1f, 0, 1903, 3);
        if (y < crest) return Rgba{};
        Rgba c = mix(hex(0x2A1E2A), hex(0x0E0A12), clamp01((y - crest) / 40));
        if (y - crest < 2) c = hex(0xFFB878);
        return c;
    });
    paint_sorceress(b.img, 84, 182, 120, Pose::StaffRaised, hex(0x1A1220), hex(0xFFD8A0), hex(0xFFFFFF), false);
    return finish(b);
}

static Image valley_saved()
{
    Backdrop b = canvas(1911);
    paint_sky(b, {{0.0f, hex(0x3A78C8)}, {0.7f, hex(0xA8D0F0)}, {1.0f, hex(0xF0EAD0)}}, 130);
    paint_clouds(b, 10, 70, hex(0xFFFFFF, 0.95f), hex(0xA8B8D0), 0.5f, 3, 1912);
    PeakStyle peaks;
    peaks.base = 122, peaks.count = 4, peaks.min_height = 24, peaks.max_height = 46;
    peaks.lit = hex(0x9AAED0), peaks.shadow = hex(0x7A8CB0), peaks.snow = hex(0xFFFFFF), peaks.haze = hex(0xD8E4EE, 0.6f);
    paint_peaks(b, peaks, 1913);
    paint_ground(b, 118, {{0.0f, hex(0x9CBB62)}, {1.0f, hex(0x4E8A2C)}}, [&](float x, float y, Rgba base) {
        return scale_rgb(base, 0.85f + fbm(x * 0.06f, y * 0.12f, 1914, 4) * 0.3f);
    });
    Rng rng(1915);
    for (int i = 0; i < 6; i++) paint_tree(b.img, rng.range(0, 208), 128 + rng.range(0, 8), 0.3f, hex(0x2C4A26), hex(0x4F7E38), hex(0x9CC46A), hex(0x4B3624), rng.next(), false);
    // A village by the river.
    for (int i = 0; i < 4; i++) {
        float hx = 140 + float(i) * 14, hy = 140 + float(i % 2) * 4;
        paint_region(b.img, int(hx - 8), int(hy - 14), int(hx + 8), int(hy + 1), false, [&](float x, float y) {
            float wall = sd_round_box(x, y, hx, hy - 4, 5, 4, 0);
            float roof = sd_polygon(x, y, {{hx - 7, hy - 7}, {hx, hy - 13}, {hx + 7, hy - 7}});
            if (roof < 0.5f) return with_alpha(hex(0xA84A2A), coverage(roof));
            return with_alpha(x < hx ? hex(0xF0E0C0) : hex(0xC8B898), coverage(wall));
        });
    }
    for (int k = 0; k < 5; k++) {
        float bx = 40 + float(k) * 14, by = 40 + float(k % 2) * 8;
        paint_region(b.img, int(bx - 5), int(by - 3), int(bx + 6), int(by + 3), false, [&](float x, float y) {
            float d = std::fabs(y - by + std::fabs(x - bx) * 0.6f) - 0.7f;
            return with_alpha(hex(0x2A2A3A), coverage(std::max(d, std::fabs(x - bx) - 4.5f)));
        });
    }
    paint_sorceress(b.img, 160, 214, 110, Pose::StaffRaised, hex(0x3A2A5A), hex(0xFFF0C0), hex(0xA0D8FF), true);
    return finish(b);
}

static Image road_home()
{
    Backdrop b = canvas(1921);
    paint_sky(b, {{0.0f, hex(0x3A2A6A)}, {0.5f, hex(0xD87A5A)}, {0.85f, hex(0xFFC880)}, {1.0f, hex(0xFFE8B0)}}, 140);
    paint_sun(b, 60, 126, 18, hex(0xFFF0C8), hex(0xFFB060, 0.9f), 120);
    RidgeStyle hills;
    hills.base = 132, hills.amplitude = 16, hills.cycles = 2, hills.sharpness = 0;
    hills.top = hex(0x5A3A5A), hills.bottom = hex(0x3A2440), hills.fill_to = 150;
    paint_ridge(b, hills, 1922);
    paint_ground(b, 140, {{0.0f, hex(0x7A6A3A)}, {1.0f, hex(0x2A3A1A)}}, [&](float x, float y, Rgba base) {
        Rgba c = scale_rgb(base, 0.8f + fbm(x * 0.08f, y * 0.2f, 1923, 4) * 0.4f);
        float road = std::fabs(x - (104 + (y - 224) * 0.5f)) - (y - 138) * 0.5f;
        if (road < 0) c = mix(c, hex(0xE0B078), 0.6f * clamp01(-road / 4));
        return c;
    });
    Rng rng(1924);
    for (int i = 0; i < 30; i++) {
        float x = rng.range(0, 208), y = rng.range(160, 224);
        paint_grass_tuft(b.img, x, y, (y - 138) / 70.0f, hex(0x1A2A10), hex(0xE0B060), rng.next(), false);
    }
    paint_sorceress(b.img, 118, 196, 72, Pose::Walking, hex(0x1A1222), hex(0xFFC888), hex(0xFFE0A0), false);
    return finish(b);
}

static Image last_fire()
{
    Backdrop b = canvas(1931);
    paint_sky(b, {{0.0f, hex(0x04061A)}, {0.7f, hex(0x141E44)}, {1.0f, hex(0x2A2A50)}}, 150);
    paint_stars(b, 260, 140, 1932);
    paint_moon(b, 160, 40, 12, hex(0xF4F0DA), hex(0x8A8C9C));
    RidgeStyle hills;
    hills.base = 146, hills.amplitude = 20, hills.cycles = 2, hills.sharpness = 0.2f;
    hills.top = hex(0x101828), hills.bottom = hex(0x0A0E18), hills.fill_to = 160;
    paint_ridge(b, hills, 1933);
    paint_ground(b, 150, {{0.0f, hex(0x141C24)}, {1.0f, hex(0x0A1010)}}, [&](float x, float y, Rgba base) { return scale_rgb(base, 0.8f + fbm(x * 0.1f, y * 0.2f, 1934, 3) * 0.4f); });
    // Firelight, the fire, and the mended hourglass glowing beside her.
    float fx = 120, fy = 196;
    paint_region(b.img, 0, 100, b.w, b.h, false, [&](float x, float y) {
        float d = std::hypot(x - fx, (y - fy) * 1.5f);
        return with_alpha(hex(0xFF9030), std::exp(-d * d / 2500.0f) * 0.6f);
    });
    for (int k = 0; k < 3; k++) {
        float cx = fx + float(k - 1) * 5;
        paint_region(b.img, int(cx - 8), int(fy - 30), int(cx + 8), int(fy + 2), false, [&](float x, float y) {
            float v = (fy - y) / (22.0f - float(std::abs(k - 1)) * 6);
            if (v < 0 || v > 1) return Rgba{};
            float half = 5.0f * (1.0f - v) * (0.6f + 0.4f * std::sin(v * 3.14159f));
            float d = std::fabs(x - cx - std::sin(v * 6 + float(k)) * 1.5f) - half;
            return with_alpha(mix(hex(0xFFF0A0), hex(0xFF4010), v), coverage(d));
        });
    }
    paint_sorceress(b.img, 74, 204, 70, Pose::Kneeling, hex(0x2A1A1A), hex(0xFFA060), hex(0xFFD890), false);
    float gx = 150, gy = 200;
    paint_region(b.img, int(gx - 12), int(gy - 26), int(gx + 12), int(gy + 2), false, [&](float x, float y) {
        float dy = y - (gy - 12), ax = std::fabs(x - gx);
        float glass = ax - (1.5f + std::fabs(dy) * 0.55f);
        float caps = std::min(sd_round_box(x, y, gx, gy - 25, 8, 1.5f, 0.5f), sd_round_box(x, y, gx, gy, 8, 1.5f, 0.5f));
        if (caps < 0.5f) return with_alpha(hex(0xC8902A), coverage(caps));
        if (std::fabs(dy) > 12 || glass > 0.5f) return Rgba{};
        Rgba c = dy > 4 ? hex(0xFFD870) : with_alpha(hex(0xC8E0FF), 0.5f);
        return with_alpha(c, c.a * coverage(glass));
    });
    paint_sun(b, gx, gy - 12, 0, hex(0xFFFFFF), hex(0xFFE080, 0.5f), 24);
    return finish(b);
}

bool write_ending_pictures(const std::string& out, Image* preview)
{
    std::vector<Image> pics = {spire_dawn(), valley_saved(), road_home(), last_fire()};
    bool ok = true;
    for (size_t i = 0; i < pics.size(); i++)
        ok = save_png(data_path(out, "graphics\\misc\\goddess_sshot" + std::to_string(i + 1) + ".png"), pics[i]) && ok;
    if (preview) *preview = contact_sheet(pics, 4, 6, hex(0x000000));
    return ok;
}
