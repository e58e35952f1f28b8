// Scenery the level scripts place: the camp fire, wall torches, lava flames, a dead tree, star crystals, a signpost.
#include "backgrounds/props.h"
#include "interface/interface_parts.h"
#include "levels/level_plan.h"
#include "paint/noise.h"
#include <cmath>

// Tongues of flame rising from a base line, animated by phase.
static void flames(Image& img, float cx, float base, float width, float height, float phase, uint32_t seed)
{
    paint_region(img, int(cx - width), int(base - height - 4), int(cx + width) + 1, int(base + 1), false, [&](float x, float y) {
        float v = (base - y) / height;
        if (v < 0 || v > 1.1f) return Rgba{};
        float n = fbm(x * 0.25f, y * 0.18f + phase * 3.0f, seed, 3);
        float sway = std::sin(v * 5.0f + phase * 6.2832f) * width * 0.12f * v;
        float half = width * 0.5f * (1.0f - v) * (0.7f + 0.6f * n);
        float d = std::fabs(x - cx - sway) - half;
        float cov = coverage(d * 1.5f) * clamp01((1.05f - v) * 6.0f);
        if (cov <= 0) return Rgba{};
        float heat = clamp01(1.0f - v * 1.2f - std::fabs(x - cx - sway) / (width * 0.5f) * 0.6f);
        Rgba c = heat > 0.65f ? mix(hex(0xFFE890), hex(0xFFFFF0), (heat - 0.65f) / 0.35f) : mix(hex(0xD83A0A), hex(0xFFA020), heat / 0.65f);
        return with_alpha(c, cov);
    });
}

static std::vector<Image> campfire(int frames)
{
    std::vector<Image> out;
    for (int f = 0; f < frames; f++) {
        Image img(28, 34);
        float ph = float(f) / float(frames);
        // Crossed logs.
        for (int k = 0; k < 2; k++) {
            float a = k ? 0.35f : -0.35f;
            paint_region(img, 0, 20, 28, 34, false, [&](float x, float y) {
                float ax = 14 - std::cos(a) * 11, ay = 30 + std::sin(a) * 3, bx = 14 + std::cos(a) * 11, by = 30 - std::sin(a) * 3;
                float d = sd_segment(x, y, ax, ay, bx, by) - 2.4f;
                return with_alpha(scale_rgb(hex(0x5A3A22), y < 29.5f ? 1.2f : 0.7f), coverage(d));
            });
        }
        paint_region(img, 4, 22, 24, 34, false, [&](float x, float y) {
            float d = sd_ellipse(x, y, 14, 30, 8, 2.5f);
            return with_alpha(mix(hex(0xFFE070), hex(0xC83A0A), clamp01(std::fabs(x - 14) / 8)), coverage(d) * 0.9f);
        });
        flames(img, 14, 30, 16, 24, ph, 2001);
        flames(img, 11, 30, 8, 15, ph + 0.37f, 2002);
        flames(img, 17, 30, 8, 17, ph + 0.71f, 2003);
        // Sparks.
        Rng rng(2004u + uint32_t(f));
        for (int s = 0; s < 3; s++) img.blend(8 + rng.below(12), 2 + rng.below(10), hex(0xFFD070), 1.0f);
        out.push_back(img);
    }
    return out;
}

static std::vector<Image> torch(int frames)
{
    std::vector<Image> out;
    for (int f = 0; f < frames; f++) {
        Image img(16, 40);
        paint_region(img, 0, 20, 16, 40, false, [&](float x, float y) {
            float stick = sd_round_box(x, y, 8, 32, 1.8f, 8, 0.5f);
            float cup = sd_polygon(x, y, {{3, 20}, {13, 20}, {10, 26}, {6, 26}});
            Rgba c = cup < stick ? hex(0x2A2420) : hex(0x5A3A22);
            if (cup < stick && y < 21.5f) c = hex(0x8A7A6A);
            return with_alpha(scale_rgb(c, x < 8 ? 1.2f : 0.8f), coverage(std::min(stick, cup)));
        });
        flames(img, 8, 21, 10, 19, float(f) / float(frames), 2011);
        out.push_back(img);
    }
    return out;
}

static std::vector<Image> lava_flame(int frames)
{
    std::vector<Image> out;
    for (int f = 0; f < frames; f++) {
        Image img(32, 52);
        float ph = float(f) / float(frames);
        float surge = 0.75f + 0.25f * std::sin(ph * 6.2832f);
        flames(img, 16, 50, 24, 46 * surge, ph, 2021);
        flames(img, 10, 50, 10, 26 * surge, ph + 0.3f, 2022);
        flames(img, 23, 50, 10, 30 * surge, ph + 0.6f, 2023);
        Rng rng(2024u + uint32_t(f));
        for (int s = 0; s < 4; s++) img.blend(6 + rng.below(20), rng.below(16), hex(0xFFB040), 1.0f);
        out.push_back(img);
    }
    return out;
}

static Image dead_tree()
{
    Image img(96, 124);
    paint_dead_tree(img, 48, 118, 0.74f, hex(0x3A3428), hex(0xA8A8C8), 2031, false);
    // No shadow inside the picture: the playfield paints the tree's foot.
    for (Rgba& c : img.px)
        if (c.r < 0.06f && c.g < 0.07f && c.b < 0.08f) c.a = 0;
    return img;
}

static Image star_crystal()
{
    Image img(44, 56);
    paint_crystal(img, 22, 54, 1.15f, hex(0x70E0FF), hex(0x3090E0), 2041, false);
    return img;
}

static Image signpost()
{
    Image img(28, 42);
    paint_region(img, 0, 0, 28, 42, false, [&](float x, float y) {
        float post = sd_round_box(x, y, 14, 25, 1.8f, 16, 0.5f);
        float board1 = sd_polygon(x, y, {{3, 6}, {22, 6}, {26, 10}, {22, 14}, {3, 14}});
        float board2 = sd_polygon(x, y, {{25, 17}, {6, 17}, {2, 21}, {6, 25}, {25, 25}});
        float d = std::min({post, board1, board2});
        if (d > 0.5f) return Rgba{};
        float grain = fbm(x * 0.4f, y * 1.5f, 2051, 2);
        Rgba c = scale_rgb(hex(0x8A6440), 0.8f + grain * 0.4f);
        if (post < std::min(board1, board2)) c = scale_rgb(hex(0x5A4028), x < 14 ? 1.2f : 0.8f);
        if ((board1 < 0 && std::fabs(y - 10) < 0.6f && x > 6 && x < 20) || (board2 < 0 && std::fabs(y - 21) < 0.6f && x > 8 && x < 22))
            c = hex(0x3A2414);  // carved lettering, too small to read
        return with_alpha(c, coverage(d));
    });
    return img;
}

bool write_scenery(const std::string& out, Image* preview)
{
    std::vector<Image> fire = campfire(8), torches = torch(6), lava = lava_flame(8);
    bool ok = save_strip_tga(out, SCENERY_CAMPFIRE, fire);
    ok = save_strip_tga(out, SCENERY_TORCH, torches) && ok;
    ok = save_strip_tga(out, SCENERY_FLAME, lava) && ok;
    Image tree = dead_tree(), crystal = star_crystal(), sign = signpost();
    ok = save_tga(data_path(out, SCENERY_DEAD_TREE), tree, true, false) && ok;
    ok = save_png_keyed(data_path(out, SCENERY_CRYSTAL), crystal) && ok;
    ok = save_tga(data_path(out, SCENERY_SIGNPOST), sign, true, false) && ok;
    if (preview) {
        std::vector<Image> all = fire;
        all.insert(all.end(), torches.begin(), torches.end());
        all.insert(all.end(), lava.begin(), lava.end());
        all.push_back(tree);
        all.push_back(crystal);
        all.push_back(sign);
        *preview = contact_sheet(all, 8, 6, hex(0x303040));
    }
    return ok;
}
