// A floating-point RGBA painting surface.
#include "paint/image.h"

Rgba Image::sample(float x, float y, bool wrap_x) const
{
    x -= 0.5f;
    y -= 0.5f;
    int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    float fx = x - float(x0), fy = y - float(y0);
    auto get = [&](int xi, int yi) {
        yi = std::clamp(yi, 0, h - 1);
        xi = wrap_x ? ((xi % w) + w) % w : std::clamp(xi, 0, w - 1);
        return at(xi, yi);
    };
    Rgba top = mix(get(x0, y0), get(x0 + 1, y0), fx);
    Rgba bot = mix(get(x0, y0 + 1), get(x0 + 1, y0 + 1), fx);
    return mix(top, bot, fy);
}

void Image::blend(int x, int y, Rgba src, float coverage)
{
    if (!inside(x, y)) return;
    float a = clamp01(src.a * coverage);
    if (a <= 0) return;
    Rgba& d = at(x, y);
    d.r = d.r * (1 - a) + src.r * a;
    d.g = d.g * (1 - a) + src.g * a;
    d.b = d.b * (1 - a) + src.b * a;
    d.a = a + d.a * (1 - a);
}

void Image::blend_wrapped(int x, int y, Rgba src, float coverage)
{
    if (y < 0 || y >= h) return;
    blend(((x % w) + w) % w, y, src, coverage);
}

void Image::draw(const Image& src, int x, int y)
{
    for (int sy = 0; sy < src.h; sy++)
        for (int sx = 0; sx < src.w; sx++) blend(x + sx, y + sy, src.at(sx, sy));
}

Image resized(const Image& src, int width, int height)
{
    Image out(width, height);
    float kx = float(src.w) / float(width), ky = float(src.h) / float(height);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            if (kx <= 1.0f && ky <= 1.0f) {
                out.at(x, y) = src.sample((float(x) + 0.5f) * kx, (float(y) + 0.5f) * ky, false);
                continue;
            }
            int x0 = int(float(x) * kx), x1 = std::max(x0 + 1, int(float(x + 1) * kx));
            int y0 = int(float(y) * ky), y1 = std::max(y0 + 1, int(float(y + 1) * ky));
            Rgba acc;
            int n = 0;
            for (int yy = y0; yy < y1 && yy < src.h; yy++)
                for (int xx = x0; xx < x1 && xx < src.w; xx++) {
                    const Rgba& c = src.at(xx, yy);
                    acc.r += c.r * c.a;
                    acc.g += c.g * c.a;
                    acc.b += c.b * c.a;
                    acc.a += c.a;
                    n++;
                }
            if (acc.a > 0) out.at(x, y) = {acc.r / acc.a, acc.g / acc.a, acc.b / acc.a, acc.a / float(n)};
        }
    return out;
}

Image cropped(const Image& src, int x, int y, int width, int height)
{
    Image out(width, height);
    for (int yy = 0; yy < height; yy++)
        for (int xx = 0; xx < width; xx++)
            if (src.inside(x + xx, y + yy)) out.at(xx, yy) = src.at(x + xx, y + yy);
    return out;
}
