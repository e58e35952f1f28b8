// Review sheets of the playfields: each background with its walkable rectangle, depth band, hard boxes,
// start position and scenery marked.
#include "backgrounds/level_sheet.h"
#include "paint/draw.h"
#include "paint/text.h"

static void mark(Image& img, int x, int y, Rgba c)
{
    int xx = ((x % img.w) + img.w) % img.w;
    if (y >= 0 && y < img.h) img.at(xx, y) = c;
}

static void outline(Image& img, int l, int t, int r, int b, Rgba c, bool dashed)
{
    for (int x = l; x <= r; x++) {
        if (dashed && (x / 4) % 2) continue;
        mark(img, x, t, c);
        mark(img, x, b, c);
    }
    for (int y = t; y <= b; y++) {
        if (dashed && (y / 4) % 2) continue;
        mark(img, l, y, c);
        mark(img, r, y, c);
    }
}

Image level_sheet(const LevelPlan& p, const Image& bg)
{
    int pad = 22;
    Image sheet(bg.w, bg.h + pad, hex(0x181818));
    sheet.draw(bg, 0, pad);
    auto Y = [&](int y) { return y + pad; };
    // The walkable rectangle (yellow); the depth lines are its top and bottom.
    outline(sheet, p.rect_left, Y(p.rect_top), p.rect_right, Y(p.rect_bottom), hex(0xFFE030), false);
    for (const HardBox& b : p.boxes)
        outline(sheet, b.left, Y(b.top), b.right, Y(b.bottom), b.value ? hex(0x40FF60) : hex(0xFF3030), false);
    // The hero's start: the script's position, or where the game puts her without one.
    int sx = p.has_start ? p.start_x : p.rect_left + 5, sy = p.has_start ? p.start_y : p.height - 40;
    for (int k = -5; k <= 5; k++) {
        mark(sheet, sx + k, Y(sy), hex(0x30C0FF));
        mark(sheet, sx, Y(sy + k), hex(0x30C0FF));
    }
    for (const ScenerySprite& s : p.sprites) {
        for (int k = -2; k <= 2; k++) {
            mark(sheet, s.x + k, Y(s.y), hex(0xFF40FF));
            mark(sheet, s.x, Y(s.y + k), hex(0xFF40FF));
            if (s.cannon) {
                mark(sheet, s.cannon_x + k, Y(s.cannon_y), hex(0xFF40FF));
                mark(sheet, s.cannon_x, Y(s.cannon_y + k), hex(0xFF40FF));
            }
        }
    }
    // The screen-sized window at the start, dashed.
    int view = std::max(0, std::min(sx - 120, p.width - 240));
    outline(sheet, view, Y(p.height - 320), view + 239, Y(p.height - 1), hex(0xFFFFFF), true);
    TextStyle t;
    t.face = Face::SansBold, t.size = 13, t.top = hex(0xFFFFFF), t.bottom = hex(0xD0D0D0);
    std::string label = "Level " + std::to_string(p.number) + ": " + p.name + "   " + p.background + "   yellow walkable, red blocked, green open, blue start, magenta scenery";
    draw_text(sheet, 4, 3, label, t);
    return sheet;
}
