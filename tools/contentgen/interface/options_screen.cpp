// The options screen: volume gems and the three difficulty plaques on a slate panel (an 8-bit picture).
#include "interface/interface_parts.h"
#include "interface/layout.h"
#include "interface/ui_kit.h"
#include "paint/noise.h"

static void slate_panel(Image& img)
{
    menu_sky(img, hex(0x10142A), hex(0x2A2440), hex(0x4A2E3A), 60, 1301);
    PlaqueStyle panel;
    panel.top = hex(0x3A3C4C), panel.bottom = hex(0x1E1E28), panel.rim = hex(0xB88A3A), panel.rim_width = 3, panel.radius = 10;
    panel.bevel = 5, panel.texture = 0.18f;
    draw_plaque(img, 6, 76, 228, 196, panel, 1302);
}

static void dot(Image& img, float x, float y, bool lit)
{
    float cx = x + kDotSize * 0.5f, cy = y + kDotSize * 0.5f, r = kDotSize * 0.5f - 0.5f;
    paint_region(img, int(x), int(y), int(x) + kDotSize, int(y) + kDotSize, false, [&](float px, float py) {
        float d = std::hypot(px - cx, py - cy) - r;
        float cov = coverage(d);
        if (cov <= 0) return Rgba{};
        if (d > -1.3f) return with_alpha(hex(0x6A4A1A), cov);  // gold setting
        float nx = (px - cx) / r, ny = (py - cy) / r;
        float spec = std::exp(-((nx + 0.35f) * (nx + 0.35f) + (ny + 0.4f) * (ny + 0.4f)) * 9.0f);
        Rgba c = lit ? mix(hex(0xFFD060), hex(0xC05010), clamp01(0.3f + ny * 0.6f)) : mix(hex(0x3A4A6A), hex(0x10141E), clamp01(0.3f + ny * 0.6f));
        c = mix(c, hex(0xFFFFFF), spec * (lit ? 0.9f : 0.5f));
        return with_alpha(c, cov);
    });
}

static Image options_picture(ButtonState difficulty_state)
{
    Image img(240, 320);
    slate_panel(img);
    draw_text(img, 120, 16, "Options", title_text(34), true);
    TextStyle label = button_text(ButtonState::Normal, 15);
    draw_text(img, 120, 118, "Sound Volume", label, true);
    draw_text(img, 120, 190, "Difficulty", label, true);
    // Sockets under the gems and a groove joining them.
    paint_region(img, dot_x(0), kDotY + 4, dot_x(kDotCount - 1) + kDotSize, kDotY + 8, false, [&](float, float y) {
        return with_alpha(hex(0x0A0A10), coverage(std::fabs(y - (kDotY + 6.0f)) - 1.2f));
    });
    for (int i = 0; i < kDotCount; i++) dot(img, float(dot_x(i)), float(kDotY), false);
    TextStyle small;
    small.face = Face::Sans, small.size = 10, small.top = hex(0xA8A0B8), small.bottom = hex(0x8A8298);
    draw_text(img, float(dot_x(0)) + 6, 166, "quiet", small, true);
    draw_text(img, float(dot_x(kDotCount - 1)) + 6, 166, "loud", small, true);
    const struct {
        Box box;
        const char* label;
    } plaques[] = {{kEasy, "Easy"}, {kNormal, "Normal"}, {kHard, "Hard"}};
    for (const auto& p : plaques) draw_button(img, p.box.x, p.box.y, p.box.w, p.box.h, p.label, difficulty_state, 13, 1310);
    TextStyle note;
    note.face = Face::SansItalic, note.size = 10, note.top = hex(0xC8B8A0), note.bottom = hex(0xA89880);
    draw_text(img, 120, 248, "Changing difficulty resets your progress.", note, true);
    draw_button(img, kOptionsBack.x, kOptionsBack.y, kOptionsBack.w, kOptionsBack.h, "Back", ButtonState::Normal, 15, 1320);
    return img;
}

bool write_options_screen(const std::string& out, Image* preview)
{
    Image normal = options_picture(ButtonState::Normal), pressed = options_picture(ButtonState::Pressed);
    // The back button's pressed look, cut from a copy with only that button lit.
    Image back = normal;
    draw_button(back, kOptionsBack.x, kOptionsBack.y, kOptionsBack.w, kOptionsBack.h, "Back", ButtonState::Pressed, 15, 1320);
    bool ok = save_tga(data_path(out, "graphics\\interface\\options_main.tga"), normal, false, true);
    auto keyed_cut = [&](const Image& from, const Box& b) {
        // Rounded corners stay transparent so the game's key (the top-left pixel) is the key colour.
        Image cut = cropped(from, b.x, b.y, b.w, b.h);
        for (int y = 0; y < cut.h; y++)
            for (int x = 0; x < cut.w; x++) {
                float d = sd_round_box(float(x) + 0.5f, float(y) + 0.5f, b.w * 0.5f, b.h * 0.5f, b.w * 0.5f, b.h * 0.5f, 6);
                if (d > -0.5f) cut.at(x, y).a = 0;
            }
        return cut;
    };
    ok = save_tga(data_path(out, "graphics\\interface\\options_back.tga"), keyed_cut(back, kOptionsBack), true, false) && ok;
    ok = save_tga(data_path(out, "graphics\\interface\\options_easy.tga"), keyed_cut(pressed, kEasy), true, false) && ok;
    ok = save_tga(data_path(out, "graphics\\interface\\options_NORMAL.tga"), keyed_cut(pressed, kNormal), true, false) && ok;
    ok = save_tga(data_path(out, "graphics\\interface\\options_HARD.tga"), keyed_cut(pressed, kHard), true, false) && ok;
    for (int lit = 0; lit < 2; lit++) {
        Image d(kDotSize, kDotSize);
        dot(d, 0, 0, lit != 0);
        ok = save_tga(data_path(out, lit ? "graphics\\interface\\options_circle_01.tga" : "graphics\\interface\\options_circle_02.tga"), d, true, false) && ok;
    }
    if (preview) {
        // As the game shows it: volume at three dots, NORMAL selected.
        *preview = normal;
        for (int i = 0; i < kDotCount; i++) dot(*preview, float(dot_x(i)), float(kDotY), i <= 2);
        preview->draw(keyed_cut(pressed, kNormal), kNormal.x, kNormal.y);
    }
    return ok;
}
