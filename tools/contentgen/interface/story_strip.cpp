// The story scroller's continue strip: a carved bar across the bottom, normal and pressed.
#include "interface/interface_parts.h"
#include "interface/layout.h"
#include "interface/ui_kit.h"
#include "paint/noise.h"

static Image strip_picture(bool pressed)
{
    Image img(kStoryStrip.w, kStoryStrip.h);
    // Dark carved wood with a gold rail along the top.
    paint_region(img, 0, 0, img.w, img.h, false, [&](float x, float y) {
        float grain = fbm(x * 0.02f, y * 0.4f, 1501, 4);
        Rgba c = mix(hex(0x2A1810), hex(0x4A2E1C), grain);
        c = scale_rgb(c, 1.0f - y / float(img.h) * 0.35f);
        if (y < 1) c = hex(0x0A0604);
        else if (y < 5) c = mix(hex(0xFFE08A), hex(0x8A5A1A), (y - 1) / 4.0f);
        else if (y < 6) c = hex(0x1A0E06);
        return c;
    });
    PlaqueStyle scroll;
    scroll.top = pressed ? hex(0xFFF0C0) : hex(0xE8D4A0), scroll.bottom = pressed ? hex(0xE8C070) : hex(0xB89860);
    scroll.rim = pressed ? hex(0xFFE08A) : hex(0xB8883A), scroll.rim_width = 2, scroll.radius = 10, scroll.texture = 0.1f;
    if (pressed) scroll.glow = hex(0xFFD070, 0.35f);
    draw_plaque(img, 30, 16, 180, 34, scroll, 1502);
    TextStyle t;
    t.face = Face::SerifBold, t.size = 18;
    t.top = pressed ? hex(0xA02A0A) : hex(0x4A2A12), t.bottom = pressed ? hex(0x6A1204) : hex(0x2A160A);
    if (pressed) t.glow = hex(0xFFFFFF, 0.6f), t.glow_radius = 3;
    int tw, th;
    text_size("Continue", t, tw, th);
    draw_text(img, 120, 33 - float(th) * 0.5f, "Continue", t, true);
    // Arrow heads either side.
    for (int side = -1; side <= 1; side += 2) {
        float ax = 120 + float(side) * (float(tw) * 0.5f + 16);
        paint_region(img, int(ax - 8), 24, int(ax + 9), 44, false, [&](float x, float y) {
            std::vector<Vec2> tri = {{ax - 5 * float(side), 27}, {ax + 6 * float(side), 33}, {ax - 5 * float(side), 39}};
            return with_alpha(pressed ? hex(0xA02A0A) : hex(0x5A3216), coverage(sd_polygon(x, y, tri)));
        });
    }
    TextStyle hint;
    hint.face = Face::SansItalic, hint.size = 10, hint.top = hex(0xC8A878), hint.bottom = hex(0xA08050);
    draw_text(img, 120, 53, "tap to begin the level", hint, true);
    return img;
}

bool write_story_strip(const std::string& out, Image* preview)
{
    Image normal = strip_picture(false), pressed = strip_picture(true);
    bool ok = save_jpg(data_path(out, "graphics\\interface\\scroll_thing_01.jpg"), normal, 94);
    ok = save_jpg(data_path(out, "graphics\\interface\\scroll_thing_02.jpg"), pressed, 94) && ok;
    if (preview) {
        *preview = Image(240, kStoryStrip.h * 2 + 4, hex(0x000000));
        preview->draw(normal, 0, 0);
        preview->draw(pressed, 0, kStoryStrip.h + 4);
    }
    return ok;
}
