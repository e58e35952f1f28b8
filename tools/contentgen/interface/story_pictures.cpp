// The pictures behind the story scroller, one for each chapter that opens with a story.
#include "backgrounds/backdrop.h"
#include "backgrounds/props.h"
#include "interface/interface_parts.h"
#include "levels/level_plan.h"
#include <cmath>

static Backdrop story_canvas(uint32_t seed, float horizon)
{
    return Backdrop(240, 320, horizon, horizon + 40, 320, 0.6f, false, seed);
}

// The text scrolls over the upper part: darken it gently so the lettering stays readable.
static Image settle(Backdrop& b)
{
    for (int y = 0; y < b.h; y++)
        for (int x = 0; x < b.w; x++) b.img.at(x, y) = scale_rgb(b.img.at(x, y), 0.72f + 0.18f * float(y) / float(b.h));
    vignette(b.img, 0.45f, 0.6f);
    return b.img;
}

static Image prologue()
{
    Backdrop b = story_canvas(2101, 200);
    paint_sky(b, {{0.0f, hex(0x1A1A4A)}, {0.6f, hex(0x8A5A8A)}, {1.0f, hex(0xF0A870)}}, 220);
    paint_stars(b, 120, 140, 2102);
    // The shattered hourglass hanging in the sky, its sand pouring out over the valley.
    float cx = 120, cy = 86;
    paint_region(b.img, 0, 0, 240, 230, false, [&](float x, float y) {
        float spill = std::fabs(x - cx - (y - cy) * 0.35f) - (y - cy) * 0.25f - 2;
        float fall = (y > cy + 20) ? clamp01(1.0f - spill / 8.0f) * fbm(x * 0.2f, y * 0.1f, 2103, 3) : 0.0f;
        float d = std::hypot(x - cx, y - cy);
        Rgba c = hex(0xFFD070);
        return with_alpha(c, std::max(fall * 0.7f, std::exp(-d * d / 900.0f) * 0.6f));
    });
    paint_region(b.img, int(cx - 30), int(cy - 40), int(cx + 30), int(cy + 40), false, [&](float x, float y) {
        float dy = y - cy, ax = std::fabs(x - cx);
        float glass = ax - (2 + std::fabs(dy) * 0.6f);
        float crack = std::fabs(x - cx - 6 + dy * 0.3f) < 0.8f && dy > 4 ? 1.0f : 0.0f;
        if (std::fabs(dy) > 24 || glass > 0.5f) return Rgba{};
        Rgba c = dy < -6 ? hex(0xFFD870) : with_alpha(hex(0xC8E0FF), 0.55f);
        if (crack > 0) c = hex(0xFFFFFF);
        return with_alpha(c, c.a * coverage(glass));
    });
    paint_region(b.img, int(cx - 20), int(cy - 30), int(cx + 20), int(cy + 30), false, [&](float x, float y) {
        float caps = std::min(sd_round_box(x, y, cx, cy - 25, 16, 2, 1), sd_round_box(x, y, cx + 3, cy + 25, 16, 2, 1));
        return with_alpha(hex(0xC89A3A), coverage(caps));
    });
    RidgeStyle hills;
    hills.base = 230, hills.amplitude = 30, hills.cycles = 2, hills.sharpness = 0.1f;
    hills.top = hex(0x3A2A4A), hills.bottom = hex(0x1E1628), hills.fill_to = 320;
    paint_ridge(b, hills, 2104);
    RidgeStyle near_hill;
    near_hill.base = 296, near_hill.amplitude = 40, near_hill.cycles = 1, near_hill.sharpness = 0;
    near_hill.top = hex(0x1A1420), near_hill.bottom = hex(0x0E0A12), near_hill.fill_to = 320;
    paint_ridge(b, near_hill, 2105);
    paint_sorceress(b.img, 172, 284, 96, Pose::Standing, hex(0x120C18), hex(0xFFC890), hex(0x90C8FF), true);
    return settle(b);
}

static Image graves()
{
    Backdrop b = story_canvas(2111, 230);
    paint_sky(b, {{0.0f, hex(0x06081E)}, {0.7f, hex(0x222A52)}, {1.0f, hex(0x4A4C70)}}, 240);
    paint_stars(b, 200, 200, 2112);
    paint_moon(b, 70, 70, 26, hex(0xF4F0DA), hex(0x8A8C9C));
    paint_clouds(b, 90, 150, hex(0x7A80A8, 0.5f), hex(0x1A1E3A), 0.45f, 2, 2113);
    paint_region(b.img, 0, 150, 240, 320, false, [&](float x, float y) {
        float crest = 250 - 14 * std::sin(x * 0.02f);
        return with_alpha(hex(0x0E1220), coverage(crest - y));
    });
    Rng rng(2114);
    for (int i = 0; i < 9; i++) {
        float x = 20 + float(i) * 25 + rng.range(-6, 6), y = 262 + rng.range(0, 30);
        paint_grave(b.img, x, y, 0.8f + (y - 262) / 60.0f, i % 3 ? GraveStyle::Slab : GraveStyle::Cross, hex(0x4A5068), rng.next(), false);
    }
    paint_dead_tree(b.img, 196, 250, 1.2f, hex(0x0A0C14), hex(0x4A5078), 2115, false);
    paint_sorceress(b.img, 104, 312, 80, Pose::Standing, hex(0x0C0C16), hex(0x9AB0E0), hex(0xFFC870), false);
    return settle(b);
}

static Image dunes()
{
    Backdrop b = story_canvas(2121, 200);
    paint_sky(b, {{0.0f, hex(0x3A2A6A)}, {0.5f, hex(0xC86A4A)}, {0.85f, hex(0xFFB060)}, {1.0f, hex(0xFFD890)}}, 230);
    paint_sun(b, 150, 200, 24, hex(0xFFF0C0), hex(0xFF9A40, 0.9f), 130);
    for (int k = 0; k < 3; k++) {
        RidgeStyle d;
        d.base = 226.0f + float(k) * 30, d.amplitude = 26, d.cycles = 2, d.sharpness = 0;
        d.top = mix(hex(0xC87A4A), hex(0x5A2A2A), float(k) / 2), d.bottom = mix(hex(0x8A4A3A), hex(0x2A1418), float(k) / 2);
        d.light = hex(0xFFC080, 0.4f - float(k) * 0.1f), d.fill_to = 320;
        paint_ridge(b, d, 2122u + uint32_t(k));
    }
    paint_sorceress(b.img, 84, 290, 70, Pose::Walking, hex(0x1A0E14), hex(0xFFB070), hex(0xFFE0A0), false);
    return settle(b);
}

static Image keep()
{
    Backdrop b = story_canvas(2131, 210);
    paint_sky(b, {{0.0f, hex(0x1A2040)}, {0.6f, hex(0x6A5A7A)}, {1.0f, hex(0xE0A080)}}, 230);
    paint_clouds(b, 60, 150, hex(0xD8A8A0, 0.7f), hex(0x3A3050), 0.5f, 2, 2132);
    // Ravenhold on its crag.
    paint_region(b.img, 90, 120, 200, 232, false, [&](float x, float y) {
        float crag = sd_polygon(x, y, {{96, 232}, {130, 196}, {170, 200}, {196, 232}});
        float keep = sd_round_box(x, y, 148, 180, 18, 20, 0);
        float t1 = sd_round_box(x, y, 124, 182, 6, 22, 0), t2 = sd_round_box(x, y, 172, 184, 6, 18, 0);
        float spire = sd_polygon(x, y, {{140, 160}, {148, 128}, {156, 160}});
        float d = std::min({crag, keep, t1, t2, spire});
        if (d > 0.5f) return Rgba{};
        Rgba c = hex(0x1E1828);
        if (std::fmod(x, 7.0f) < 2 && std::fmod(y, 9.0f) < 3 && keep < -2 && hash3(int(x / 7), int(y / 9), 2133) % 3 == 0) c = hex(0xF0A040);
        return with_alpha(c, coverage(d));
    });
    RidgeStyle snow;
    snow.base = 282, snow.amplitude = 24, snow.cycles = 1, snow.sharpness = 0.1f;
    snow.top = hex(0xE8EEF8), snow.bottom = hex(0x8A9AB8), snow.light = hex(0xFFE0D0, 0.4f), snow.fill_to = 320;
    paint_ridge(b, snow, 2134);
    paint_pine(b.img, 30, 300, 0.8f, hex(0x101E1E), hex(0x3A5A5A), 1.0f, 2135, false);
    paint_pine(b.img, 214, 306, 0.9f, hex(0x101E1E), hex(0x3A5A5A), 1.0f, 2136, false);
    paint_sorceress(b.img, 128, 286, 74, Pose::Standing, hex(0x1A1428), hex(0xFFD0B0), hex(0x9AD0FF), true);
    return settle(b);
}

static Image fire_age()
{
    Backdrop b = story_canvas(2141, 210);
    paint_sky(b, {{0.0f, hex(0x100404)}, {0.6f, hex(0x6A1A0A)}, {1.0f, hex(0xF07A20)}}, 230);
    paint_clouds(b, 20, 160, hex(0x8A3A20, 0.9f), hex(0x1A0808), 0.6f, 2, 2142);
    paint_region(b.img, 60, 100, 200, 232, false, [&](float x, float y) {
        float half = 10 + (y - 130) * 1.1f;
        float d = std::max(std::fabs(x - 130) - half, 130 - y);
        if (d > 0.5f) return Rgba{};
        Rgba c = hex(0x1A0E0C);
        if (std::fabs(x - 130 - std::sin(y * 0.2f) * 4) < 1.5f) c = hex(0xFF7020);
        return with_alpha(c, coverage(d));
    });
    paint_sun(b, 130, 126, 5, hex(0xFFE0A0), hex(0xFF6010, 0.9f), 60);
    paint_region(b.img, 0, 220, 240, 320, false, [&](float x, float y) {
        float crest = 262 - 18 * fbm(x * 0.04f, 0, 2143, 3);
        if (y < crest) return Rgba{};
        float crack = 1.0f - std::fabs(fbm(x * 0.05f, y * 0.08f, 2144, 4) * 2 - 1);
        Rgba c = mix(hex(0x1A0C0A), hex(0xFF6A1A), smoothstep(0.92f, 0.98f, crack));
        return c;
    });
    paint_sorceress(b.img, 120, 300, 88, Pose::StaffRaised, hex(0x100808), hex(0xFF9050), hex(0xA0E0FF), false);
    Rng ash(2145);
    for (int i = 0; i < 300; i++) b.img.blend(ash.below(240), ash.below(320), hex(0xC8B0A0), 0.5f);
    return settle(b);
}

static Image spire()
{
    Backdrop b = story_canvas(2151, 250);
    paint_sky(b, {{0.0f, hex(0x08040E)}, {0.5f, hex(0x2A1A3A)}, {1.0f, hex(0x5A3A6A)}}, 260);
    paint_clouds(b, 60, 240, hex(0x6A5080, 0.9f), hex(0x140A1E), 0.6f, 2, 2152);
    paint_region(b.img, 80, 0, 160, 300, false, [&](float x, float y) {
        float half = 4 + y * 0.09f;
        float d = std::max(std::fabs(x - 120) - half, 20 - y);
        if (d > 0.5f) return Rgba{};
        Rgba c = hex(0x06040A);
        if (y < 30 && std::fabs(x - 120) < 3) c = hex(0xD080FF);
        if (std::fmod(y, 26.0f) < 2 && std::fabs(x - 120) < 2) c = hex(0x9A60D0);
        return with_alpha(c, coverage(d));
    });
    paint_sun(b, 120, 22, 2, hex(0xFFFFFF), hex(0xB060FF, 0.9f), 70);
    paint_region(b.img, 150, 40, 230, 200, false, [&](float x, float y) {
        float cx = 190 + std::sin(y * 0.15f) * 8 + std::sin(y * 0.05f) * 10;
        float d = std::fabs(x - cx);
        return with_alpha(hex(0xF0E8FF), clamp01(1.4f - d) + std::exp(-d * d / 30.0f) * 0.25f);
    });
    paint_region(b.img, 0, 270, 240, 320, false, [&](float x, float y) {
        float crest = 290 - 10 * std::sin(x * 0.03f);
        return with_alpha(hex(0x0A060E), coverage(crest - y));
    });
    paint_sorceress(b.img, 60, 296, 44, Pose::Standing, hex(0x0A060E), hex(0xC8A0FF), hex(0xFFE0A0), false);
    return settle(b);
}

bool write_story_pictures(const std::string& out, Image* preview)
{
    const struct {
        const char* name;
        Image (*paint)();
    } pics[] = {{"graphics\\story\\story_prologue.jpg", prologue}, {"graphics\\story\\story_graves.jpg", graves},
                {"graphics\\story\\story_dunes.jpg", dunes},       {"graphics\\story\\story_keep.jpg", keep},
                {"graphics\\story\\story_fire.jpg", fire_age},     {"graphics\\story\\story_spire.jpg", spire}};
    bool ok = true;
    std::vector<Image> all;
    for (const auto& p : pics) {
        Image img = p.paint();
        ok = save_jpg(data_path(out, p.name), img, 90) && ok;
        all.push_back(img);
    }
    if (preview) *preview = contact_sheet(all, 6, 6, hex(0x000000));
    return ok;
}
