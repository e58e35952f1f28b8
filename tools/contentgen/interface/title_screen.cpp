// The title screen: dusk over the valley, the sorceress on her cliff, the glowing name and three buttons.
#include "backgrounds/props.h"
#include "interface/interface_parts.h"
#include "interface/layout.h"
#include "interface/ui_kit.h"

static Image title_picture(ButtonState state)
{
    Image img(240, 320);
    menu_sky(img, hex(0x080822), hex(0x3A2858), hex(0xF08A4A), 160, 1201);
    // Glow of the set sun behind the hills.
    paint_region(img, 0, 120, 240, 260, false, [&](float x, float y) {
        float d = std::hypot((x - 150) / 150.0f, (y - 236) / 70.0f);
        return with_alpha(hex(0xFFC070), clamp01(1.0f - d) * 0.7f);
    });
    paint_region(img, 170, 80, 230, 140, false, [&](float x, float y) {
        float d = std::hypot(x - 200, y - 100);
        Rgba c = d < 9 ? hex(0xF8F0DA) : hex(0xF8F0DA, clamp01(1.0f - (d - 9) / 22.0f) * 0.35f);
        return with_alpha(c, c.a * coverage(d - 9 - 22));
    });
    // Far hills and Torvessa's spire.
    for (int layer = 0; layer < 3; layer++) {
        float base = 228.0f + float(layer) * 18.0f;
        Rgba col = mix(hex(0x6A4A7A), hex(0x1E1428), float(layer) / 2.0f);
        paint_region(img, 0, int(base - 60), 240, 320, false, [&](float x, float y) {
            float crest = base - 30.0f * fbm(x * 0.02f + float(layer) * 3, float(layer), 1210u + uint32_t(layer), 4);
            return with_alpha(col, coverage(crest - y));
        });
        if (layer == 0) {
            paint_region(img, 100, 100, 150, 240, false, [&](float x, float y) {
                float half = 2 + (y - 110) * 0.09f;
                float d = std::max(std::fabs(x - 126) - half, 110 - y);
                Rgba c = hex(0x1A1024);
                if (y < 120 && std::fabs(x - 126) < 3) c = hex(0xD080FF);
                return with_alpha(c, coverage(d));
            });
        }
    }
    paint_region(img, 96, 80, 156, 140, false, [&](float x, float y) {
        float d = std::hypot(x - 126, y - 110);
        return with_alpha(hex(0xB060FF), std::exp(-d * d / 140.0f) * 0.8f);
    });
    // Foreground cliff and the sorceress with her staff raised.
    paint_region(img, 0, 250, 240, 320, false, [&](float x, float y) {
        float crest = 296 - 16 * std::exp(-std::pow((x - 60) / 50.0f, 2.0f)) + 6 * fbm(x * 0.08f, 0, 1220, 3);
        float n = fbm(x * 0.05f, y * 0.05f, 1221, 4);
        Rgba c = mix(hex(0x16101C), hex(0x3A2A3A), n * 0.6f);
        if (y - crest < 2) c = hex(0xC07A60);
        return with_alpha(c, coverage(crest - y));
    });
    paint_sorceress(img, 62, 283, 150, Pose::StaffRaised, hex(0x140E1C), hex(0xFFB878), hex(0x90C8FF), false);
    draw_text(img, 120, 10, "VORLAINE", title_text(38), true);
    TextStyle sub;
    sub.face = Face::SerifItalic;
    sub.size = 13;
    sub.top = hex(0xFFE8B0), sub.bottom = hex(0xE0B060);
    sub.outline = hex(0x100804), sub.outline_width = 1.0f;
    draw_text(img, 120, 56, "~ The Shattered Hourglass ~", sub, true);
    draw_button(img, kTitlePlay.x, kTitlePlay.y, kTitlePlay.w, kTitlePlay.h, "Play", state, 17, 1231);
    draw_button(img, kTitleOptions.x, kTitleOptions.y, kTitleOptions.w, kTitleOptions.h, "Options", state, 17, 1232);
    draw_button(img, kTitleQuit.x, kTitleQuit.y, kTitleQuit.w, kTitleQuit.h, "Quit", state, 17, 1233);
    return img;
}

bool write_title_screen(const std::string& out, Image* sheet_normal, Image* sheet_pressed)
{
    Image normal = title_picture(ButtonState::Normal), pressed = title_picture(ButtonState::Pressed);
    bool ok = save_jpg(data_path(out, "graphics\\interface\\title_main.jpg"), normal, 92);
    const struct {
        const char* name;
        Box box;
    } buttons[] = {{"graphics\\interface\\title_play_02.jpg", kTitlePlay},
                   {"graphics\\interface\\title_options_02.jpg", kTitleOptions},
                   {"graphics\\interface\\title_quit_02.jpg", kTitleQuit}};
    for (const auto& b : buttons) ok = save_jpg(data_path(out, b.name), cropped(pressed, b.box.x, b.box.y, b.box.w, b.box.h), 95) && ok;
    if (sheet_normal) *sheet_normal = normal;
    if (sheet_pressed) *sheet_pressed = pressed;
    return ok;
}
