// Lettering for menus and banners through SDL_ttf with the Liberation faces.
#include "paint/text.h"
#include "paint/draw.h"
#include <SDL.h>
#include <SDL_ttf.h>
#include <cmath>
#include <cstdio>
#include <map>
#include <mutex>

static std::mutex g_font_lock;  // FreeType is not safe to share between threads
// Fonts by face and size, opened on first use and closed when the generator ends.
struct OpenFonts {
    std::map<std::pair<int, int>, TTF_Font*> byFaceAndSize;
    ~OpenFonts()
    {
        for (auto& entry : byFaceAndSize)
            if (entry.second) TTF_CloseFont(entry.second);
    }
};
static OpenFonts g_fonts;

static const char* face_file(Face f)
{
    switch (f) {
    case Face::Sans: return "LiberationSans-Regular.ttf";
    case Face::SansBold: return "LiberationSans-Bold.ttf";
    case Face::SansItalic: return "LiberationSans-Italic.ttf";
    case Face::Serif: return "LiberationSerif-Regular.ttf";
    case Face::SerifBold: return "LiberationSerif-Bold.ttf";
    case Face::SerifItalic: return "LiberationSerif-Italic.ttf";
    case Face::SerifBoldItalic: return "LiberationSerif-BoldItalic.ttf";
    }
    return "LiberationSans-Regular.ttf";
}

static TTF_Font* font_for(Face f, int size)
{
    auto key = std::make_pair(int(f), size);
    auto it = g_fonts.byFaceAndSize.find(key);
    if (it != g_fonts.byFaceAndSize.end()) return it->second;
    static const char* dirs[] = {"/usr/share/fonts/truetype/liberation2/", "/usr/share/fonts/truetype/liberation/"};
    TTF_Font* font = nullptr;
    for (const char* d : dirs) {
        std::string path = std::string(d) + face_file(f);
        font = TTF_OpenFont(path.c_str(), size);
        if (font) break;
    }
    if (!font) std::fprintf(stderr, "contentgen: cannot open font %s\n", face_file(f));
    else TTF_SetFontHinting(font, TTF_HINTING_LIGHT);
    g_fonts.byFaceAndSize[key] = font;
    return font;
}

bool text_init()
{
    std::lock_guard<std::mutex> lock(g_font_lock);
    if (!TTF_WasInit() && TTF_Init() != 0) return false;
    return font_for(Face::Sans, 12) != nullptr;
}

static TextMask glyph_run(TTF_Font* font, const std::string& text)
{
    TextMask m;
    SDL_Color white{255, 255, 255, 255};
    SDL_Surface* s = TTF_RenderUTF8_Blended(font, text.c_str(), white);
    if (!s) return m;
    SDL_Surface* c = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(s);
    if (!c) return m;
    m.w = c->w;
    m.h = c->h;
    m.ascent = TTF_FontAscent(font);
    m.a.resize(size_t(m.w) * size_t(m.h));
    for (int y = 0; y < m.h; y++) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(c->pixels) + y * c->pitch);
        for (int x = 0; x < m.w; x++) m.a[size_t(y) * size_t(m.w) + size_t(x)] = float(row[x] >> 24) / 255.0f;
    }
    SDL_FreeSurface(c);
    return m;
}

TextMask text_mask(const std::string& text, Face face, int size, int letter_spacing)
{
    std::lock_guard<std::mutex> lock(g_font_lock);
    TTF_Font* font = font_for(face, size);
    if (!font || text.empty()) return {};
    if (letter_spacing == 0) return glyph_run(font, text);
    // Spaced capitals for titles: lay the letters out one by one.
    std::vector<TextMask> parts;
    int total = 0;
    for (size_t i = 0; i < text.size(); i++) {
        std::string ch(1, text[i]);
        int adv = 0;
        TTF_SizeUTF8(font, ch.c_str(), &adv, nullptr);
        parts.push_back(glyph_run(font, ch));
        total += adv + (i + 1 < text.size() ? letter_spacing : 0);
    }
    TextMask m;
    m.w = total + 4;
    m.h = TTF_FontHeight(font);
    m.ascent = TTF_FontAscent(font);
    m.a.assign(size_t(m.w) * size_t(m.h), 0.0f);
    int x = 0;
    for (size_t i = 0; i < parts.size(); i++) {
        const TextMask& p = parts[i];
        for (int yy = 0; yy < std::min(p.h, m.h); yy++)
            for (int xx = 0; xx < p.w; xx++) {
                float& d = m.a[size_t(yy) * size_t(m.w) + size_t(std::min(m.w - 1, x + xx))];
                d = std::max(d, p.at(xx, yy));
            }
        int adv = 0;
        std::string ch(1, text[i]);
        TTF_SizeUTF8(font, ch.c_str(), &adv, nullptr);
        x += adv + letter_spacing;
    }
    return m;
}

void text_size(const std::string& text, const TextStyle& st, int& w, int& h)
{
    TextMask m = text_mask(text, st.face, st.size, st.spacing);
    w = m.w;
    h = m.h;
}

// Grows a mask by r pixels (round pen).
static std::vector<float> dilate(const TextMask& m, int pad, float r)
{
    int W = m.w + 2 * pad, H = m.h + 2 * pad;
    std::vector<float> out(size_t(W) * size_t(H), 0.0f);
    int ri = int(std::ceil(r));
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
            float best = 0;
            for (int dy = -ri; dy <= ri; dy++)
                for (int dx = -ri; dx <= ri; dx++) {
                    float d = std::sqrt(float(dx * dx + dy * dy));
                    if (d > r + 0.5f) continue;
                    float w = clamp01(r + 0.5f - d);
                    best = std::max(best, m.at(x - pad + dx, y - pad + dy) * w);
                }
            out[size_t(y) * size_t(W) + size_t(x)] = best;
        }
    return out;
}

void draw_text(Image& img, float x, float y, const std::string& text, const TextStyle& st, bool centre)
{
    TextMask m = text_mask(text, st.face, st.size, st.spacing);
    if (m.w == 0) return;
    int ox = int(std::lround(centre ? x - float(m.w) / 2 : x));
    int oy = int(std::lround(y));
    int pad = int(std::ceil(std::max(st.outline_width, st.glow_radius * 2))) + 4;
    int W = m.w + 2 * pad, H = m.h + 2 * pad;
    auto body = [&](int xx, int yy) { return m.at(xx - pad, yy - pad); };

    if (st.glow.a > 0 && st.glow_radius > 0) {
        std::vector<float> g = dilate(m, pad, std::max(1.0f, st.outline_width));
        g = blur_mask(g, W, H, st.glow_radius);
        for (int yy = 0; yy < H; yy++)
            for (int xx = 0; xx < W; xx++)
                img.blend(ox - pad + xx, oy - pad + yy, st.glow, clamp01(g[size_t(yy) * size_t(W) + size_t(xx)] * 1.6f));
    }
    std::vector<float> outline;
    if (st.outline_width > 0) outline = dilate(m, pad, st.outline_width);
    if (st.shadow.a > 0) {
        for (int yy = 0; yy < H; yy++)
            for (int xx = 0; xx < W; xx++) {
                int sx = xx - st.shadow_dx, sy = yy - st.shadow_dy;
                float a = outline.empty() ? body(sx, sy)
                                          : ((sx >= 0 && sy >= 0 && sx < W && sy < H) ? outline[size_t(sy) * size_t(W) + size_t(sx)] : 0.0f);
                img.blend(ox - pad + xx, oy - pad + yy, st.shadow, a);
            }
    }
    if (!outline.empty())
        for (int yy = 0; yy < H; yy++)
            for (int xx = 0; xx < W; xx++) img.blend(ox - pad + xx, oy - pad + yy, st.outline, outline[size_t(yy) * size_t(W) + size_t(xx)]);
    // Letter bodies: vertical gradient over the glyph box, chiselled by the mask's slope.
    int top = m.h, bottom = 0;
    for (int yy = 0; yy < m.h; yy++)
        for (int xx = 0; xx < m.w; xx++)
            if (m.at(xx, yy) > 0.3f) {
                top = std::min(top, yy);
                bottom = std::max(bottom, yy);
            }
    if (bottom < top) return;
    std::vector<float> soft;
    if (st.bevel > 0) {
        soft = m.a;
        soft = blur_mask(soft, m.w, m.h, std::max(1.0f, float(st.size) / 14.0f));
    }
    for (int yy = 0; yy < m.h; yy++)
        for (int xx = 0; xx < m.w; xx++) {
            float a = m.at(xx, yy);
            if (a <= 0) continue;
            float t = clamp01((float(yy) - float(top)) / float(std::max(1, bottom - top)));
            Rgba c = mix(st.top, st.bottom, t);
            if (!soft.empty()) {
                auto s = [&](int px, int py) {
                    return (px < 0 || py < 0 || px >= m.w || py >= m.h) ? 0.0f : soft[size_t(py) * size_t(m.w) + size_t(px)];
                };
                float lit = (s(xx + 1, yy + 1) - s(xx - 1, yy - 1));
                float k = 1.0f + lit * st.bevel * 2.5f;
                c = {clamp01(c.r * k), clamp01(c.g * k), clamp01(c.b * k), c.a};
            }
            img.blend(ox + xx, oy + yy, c, a);
        }
}
