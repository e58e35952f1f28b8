// CFontRast: the text style and rendering of outlined, word-wrapped text onto RGB565 pictures.
#include "graphics/font_rast.h"
#include <algorithm>
#include <cstring>
#include <vector>
#include "platform/font.h"
#include "util/log.h"
#include "util/strings.h"

namespace {

constexpr int kMaxLines = 512;

bool is_break(char c) { return c == '\r' || c == '\n'; }

// Draws coverage in one colour, clipped to the rectangle and the picture.
void composite(uint16_t* pixels, int width, int height, const Rect& clip, const GlyphCoverage& glyphs,
               int left, int top, uint16_t colour)
{
    const int x0 = std::max({left, clip.left, 0});
    const int y0 = std::max({top, clip.top, 0});
    const int x1 = std::min({left + glyphs.width, clip.right, width});
    const int y1 = std::min({top + glyphs.height, clip.bottom, height});
    const int sr = colour >> 11, sg = (colour >> 5) & 63, sb = colour & 31;
    for (int y = y0; y < y1; y++) {
        const uint8_t* a = glyphs.alpha + size_t(y - top) * size_t(glyphs.width) - left;
        uint16_t* d = pixels + size_t(y) * size_t(width);
        for (int x = x0; x < x1; x++) {
            const int cover = a[x];
            if (cover == 0) continue;
            if (cover == 255) {
                d[x] = colour;
                continue;
            }
            const int k = cover + (cover >> 7);  // 0..256
            const int p = d[x];
            const int r = p >> 11, g = (p >> 5) & 63, b = p & 31;
            d[x] = uint16_t(((r + (((sr - r) * k) >> 8)) << 11) | ((g + (((sg - g) * k) >> 8)) << 5) |
                            (b + (((sb - b) * k) >> 8)));
        }
    }
}

}  // namespace

CFontRast::CFontRast()
{
    set_font(12, "Arial", 0, 0, 1, 0);
}

CFontRast::~CFontRast() { font_close(font); }

void CFontRast::set_font(int height, const char* face, uint8_t italic, uint8_t underline, uint8_t bold, uint8_t plain)
{
    font_close(font);
    font = nullptr;
    logicalFont = LogicalFont{};
    logicalFont.height = height;
    logicalFont.weight = bold ? 700 : 400;
    logicalFont.italic = italic;
    logicalFont.underline = underline;
    logicalFont.quality = plain ? 0 : 4;
    logicalFont.pitchAndFamily = 0x20;
    copy_text(logicalFont.face, sizeof logicalFont.face, face);
}

FontFace* CFontRast::font_handle()
{
    if (!font) {
        FontStyle style;
        style.height = logicalFont.height;
        style.face = logicalFont.face;
        style.bold = logicalFont.weight >= 700;
        style.italic = logicalFont.italic != 0;
        style.underline = logicalFont.underline != 0;
        style.antialias = logicalFont.quality == 4;
        font = font_open(style);
    }
    return font;
}

int wrap_text(FontFace* font, const char* text, int maxWidth, TextLine* lines, int maxLines)
{
    int count = 0;
    int pos = 0;
    const int total = int(std::strlen(text));
    while (pos <= total && count < maxLines) {
        // One paragraph: up to the next line break.
        int end = pos;
        while (end < total && !is_break(text[end])) end++;
        int start = pos;
        do {
            // Take words while they fit; the first word always stays.
            int fit = start, scan = start;
            int fitWidth = 0;
            while (scan < end) {
                int wordEnd = scan;
                while (wordEnd < end && text[wordEnd] == ' ') wordEnd++;
                while (wordEnd < end && text[wordEnd] != ' ') wordEnd++;
                int w = font_text_width(font, text + start, wordEnd - start);
                if (w > maxWidth && fit > start) break;
                fit = wordEnd;
                fitWidth = w;
                scan = wordEnd;
                if (w > maxWidth) break;
            }
            int length = fit - start;
            if (length > 0 && text[start + length - 1] == ' ') {
                // Spaces ending a line take no room when it is centred.
                while (length > 0 && text[start + length - 1] == ' ') length--;
                fitWidth = font_text_width(font, text + start, length);
            }
            lines[count++] = TextLine{start, length, fitWidth};
            // The spaces at a break belong to neither line.
            start = fit;
            while (start < end && text[start] == ' ') start++;
        } while (start < end && count < maxLines);
        if (end >= total) break;
        pos = end + ((text[end] == '\r' && end + 1 < total && text[end + 1] == '\n') ? 2 : 1);
    }
    return count;
}

bool CFontRast::render_text(uint16_t* pixels, int width, int height, Rect* rect, const char* text, uint8_t leftAligned)
{
    rect->left += 1;
    rect->top += 1;
    rect->right -= 1;
    rect->bottom -= 1;
    if (!pixels || !text) return false;
    FontFace* face = font_handle();
    if (!face) {
        log_msg("Unable to find the font %s.", logicalFont.face);
        return false;
    }

    std::vector<TextLine> lines(kMaxLines);
    const int count = wrap_text(face, text, rect->right - rect->left, lines.data(), kMaxLines);
    std::vector<GlyphCoverage> glyphs(static_cast<size_t>(count));
    for (int i = 0; i < count; i++) {
        if (!font_render_line(face, text + lines[i].start, lines[i].length, &glyphs[i])) {
            log_msg("Unable to render text in CFontRast");
            for (auto& g : glyphs) coverage_free(&g);
            return false;
        }
    }

    const int lineHeight = font_line_height(face);
    const int boxWidth = rect->right - rect->left;
    const uint32_t c = textColour;
    const uint16_t body = uint16_t(((c & 0xF8) << 8) | (((c >> 8) & 0xFC) << 3) | (((c >> 16) & 0xFF) >> 3));
    // Four outline passes moved one pixel along each axis, then the body unmoved.
    static const int kPass[5][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {0, 0}};
    for (int pass = 0; pass < 5; pass++) {
        const int dx = kPass[pass][0], dy = kPass[pass][1];
        const Rect clip{rect->left + dx, rect->top + dy, rect->right + dx, rect->bottom + dy};
        const uint16_t colour = pass < 4 ? kOutlineColour : body;
        for (int i = 0; i < count; i++) {
            if (!glyphs[i].alpha) continue;
            int left = clip.left;
            if (!leftAligned) left += (boxWidth - glyphs[i].width) / 2;
            composite(pixels, width, height, clip, glyphs[i], left, clip.top + i * lineHeight, colour);
        }
    }
    for (auto& g : glyphs) coverage_free(&g);
    return true;
}
