// Painted props for the playfields and menus: trees, rocks, graves, walls, water and small ground cover.
// Each takes the foot point (x, y) and a size factor s (1 = near line), and wraps across the seam when asked.
#pragma once
#include "paint/draw.h"
#include "paint/noise.h"

struct Blob {
    float x, y, r;
};
// A lit cluster of round masses (tree crowns, bushes, hedges).
void paint_blobs(Image& img, const std::vector<Blob>& blobs, Rgba dark, Rgba mid, Rgba light, float leaf, uint32_t seed, bool wrap);

void paint_shadow(Image& img, float x, float y, float rx, float ry, float strength, bool wrap);
void paint_tree(Image& img, float x, float y, float s, Rgba leaf_dark, Rgba leaf_mid, Rgba leaf_light, Rgba bark, uint32_t seed, bool wrap);
void paint_pine(Image& img, float x, float y, float s, Rgba dark, Rgba light, float snow, uint32_t seed, bool wrap);
void paint_dead_tree(Image& img, float x, float y, float s, Rgba bark, Rgba rim, uint32_t seed, bool wrap);
void paint_bush(Image& img, float x, float y, float s, Rgba dark, Rgba mid, Rgba light, uint32_t seed, bool wrap);
void paint_rock(Image& img, float x, float y, float s, float wide, Rgba dark, Rgba light, uint32_t seed, bool wrap);
void paint_grass_tuft(Image& img, float x, float y, float s, Rgba dark, Rgba light, uint32_t seed, bool wrap);
void paint_flower(Image& img, float x, float y, float s, Rgba petal, uint32_t seed, bool wrap);
void paint_reeds(Image& img, float x, float y, float s, Rgba dark, Rgba light, uint32_t seed, bool wrap);
enum class GraveStyle { Slab, Cross, Obelisk };
void paint_grave(Image& img, float x, float y, float s, GraveStyle style, Rgba stone, uint32_t seed, bool wrap);
// A flat pool in perspective filling roughly the box (l, t)-(r, b), tinted by `deep` and lit by `sky`.
void paint_pool(Image& img, float l, float t, float r, float b, Rgba deep, Rgba sky, Rgba rim, uint32_t seed, bool wrap, bool glowing = false);
void paint_stump(Image& img, float x, float y, float s, Rgba bark, uint32_t seed, bool wrap);
void paint_log(Image& img, float x, float y, float s, float length, Rgba bark, uint32_t seed, bool wrap);
void paint_mushroom(Image& img, float x, float y, float s, Rgba cap, uint32_t seed, bool wrap);
void paint_crystal(Image& img, float x, float y, float s, Rgba core, Rgba edge, uint32_t seed, bool wrap);
void paint_thorns(Image& img, float x, float y, float s, float width, Rgba dark, Rgba light, uint32_t seed, bool wrap);
void paint_bones(Image& img, float x, float y, float s, uint32_t seed, bool wrap);
// A stone wall along the whole width from `top` to `bottom`, with battlements and towers.
struct WallStyle {
    float top = 100, bottom = 170;
    float merlon_w = 14, merlon_h = 10;
    float tower_every = 360;   // pixels between towers (0 for none)
    Rgba stone = hex(0x7A7468), mortar = hex(0x3E3A34), light = hex(0xD8C8A0);
    bool windows_lit = false;
};
void paint_wall(Image& img, const WallStyle& st, uint32_t seed, bool wrap);
// A standing figure seen as a rim-lit silhouette: the sorceress with her staff.
enum class Pose { Standing, StaffRaised, Walking, Kneeling };
void paint_sorceress(Image& img, float x, float y, float height, Pose pose, Rgba body, Rgba rim, Rgba orb, bool facing_left);
