// Effects and pickups: fireballs, the lightning star, explosions, smoke, shadows, health, the time gate, the cannon.
#include "creatures/effects.h"
#include "creatures/creature_names.h"
#include "creatures/parallel.h"
#include "creatures/parts.h"
#include "creatures/renderer.h"
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

namespace {

// ---- Deterministic noise -------------------------------------------------------------------------------------

float hash2(int x, int y, int seed)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return float(h & 0xFFFFFF) / float(0xFFFFFF);
}

float vnoise(float x, float y, int seed)
{
    int ix = int(std::floor(x)), iy = int(std::floor(y));
    float fx = x - float(ix), fy = y - float(iy);
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    float a = hash2(ix, iy, seed), b = hash2(ix + 1, iy, seed), c = hash2(ix, iy + 1, seed), d = hash2(ix + 1, iy + 1, seed);
    return lerpf(lerpf(a, b, fx), lerpf(c, d, fx), fy);
}

float fbm(float x, float y, int seed, int octaves = 3)
{
    float sum = 0, amp = 0.5f, norm = 0;
    for (int o = 0; o < octaves; o++) {
        sum += amp * vnoise(x, y, seed + o * 31);
        norm += amp;
        x *= 2.03f;
        y *= 2.03f;
        amp *= 0.5f;
    }
    return sum / norm;
}

// ---- 2D painting -----------------------------------------------------------------------------------------------

struct Rgba {
    V3 c;
    float a = 0;
};

Rgba over(const Rgba& top, const Rgba& under)
{
    float a = top.a + under.a * (1 - top.a);
    if (a <= 0) return {};
    return {(top.c * top.a + under.c * (under.a * (1 - top.a))) / a, a};
}

uint8_t byte_of(float v) { return uint8_t(std::lround(clampf(v, 0.f, 1.f) * 255.f)); }

using Shader = std::function<Rgba(float x, float y)>;

// Paints pixels [x0, x0+w) x [y0, y0+h) (anchor-relative, y down) from S x S samples per pixel; a pixel is
// drawn when its average coverage reaches `threshold`. With `base`, only the base's empty pixels are painted
// (when `behind`) or the paint goes over it.
RgbFrame paint(int x0, int y0, int w, int h, const Shader& shade, float threshold = 0.45f, const RgbFrame* base = nullptr,
               bool behind = false)
{
    RgbFrame f;
    int ax0 = x0, ay0 = y0, ax1 = x0 + w, ay1 = y0 + h;
    if (base && !base->empty()) {
        ax0 = std::min(ax0, base->x0);
        ay0 = std::min(ay0, base->y0);
        ax1 = std::max(ax1, base->x0 + base->w);
        ay1 = std::max(ay1, base->y0 + base->h);
    }
    f.x0 = ax0;
    f.y0 = ay0;
    f.w = ax1 - ax0;
    f.h = ay1 - ay0;
    f.rgb.assign(size_t(f.w) * size_t(f.h) * 3, 0);
    f.solid.assign(size_t(f.w) * size_t(f.h), 0);
    const int S = 3;
    for (int j = 0; j < f.h; j++)
        for (int i = 0; i < f.w; i++) {
            int gx = f.x0 + i, gy = f.y0 + j;
            size_t p = size_t(j) * size_t(f.w) + size_t(i);
            Rgba under;
            if (base && !base->empty()) {
                int bi = gx - base->x0, bj = gy - base->y0;
                if (bi >= 0 && bj >= 0 && bi < base->w && bj < base->h) {
                    size_t q = size_t(bj) * size_t(base->w) + size_t(bi);
                    if (base->solid[q]) {
                        under = {V3(base->rgb[q * 3] / 255.f, base->rgb[q * 3 + 1] / 255.f, base->rgb[q * 3 + 2] / 255.f), 1.f};
                    }
                }
            }
            bool inside = gx >= x0 && gy >= y0 && gx < x0 + w && gy < y0 + h;
            if (!inside || (behind && under.a > 0)) {
                if (under.a > 0) {
                    f.solid[p] = 1;
                    for (int c = 0; c < 3; c++) f.rgb[p * 3 + size_t(c)] = byte_of(c == 0 ? under.c.x : c == 1 ? under.c.y : under.c.z);
                }
                continue;
            }
            V3 sum;
            float cover = 0;
            for (int a = 0; a < S; a++)
                for (int b = 0; b < S; b++) {
                    float sx = float(gx) - 0.5f + (float(b) + 0.5f) / S, sy = float(gy) + (float(a) + 0.5f) / S;
                    Rgba s = shade(sx, sy);
                    s.a = clampf(s.a, 0.f, 1.f);
                    Rgba m = over(s, under);
                    sum += m.c * m.a;
                    cover += m.a;
                }
            cover /= float(S * S);
            if (cover < threshold) continue;
            V3 c = sum / (cover * float(S * S));
            f.solid[p] = 1;
            f.rgb[p * 3] = byte_of(c.x);
            f.rgb[p * 3 + 1] = byte_of(c.y);
            f.rgb[p * 3 + 2] = byte_of(c.z);
        }
    return f;
}

// A one-pixel rim around the painted shape, in a darker shade of its neighbours (glows keep a coloured edge).
void add_rim(RgbFrame& f, float keep, V3 tint)
{
    std::vector<uint8_t> solid = f.solid;
    std::vector<uint8_t> rgb = f.rgb;
    const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
    for (int j = 0; j < f.h; j++)
        for (int i = 0; i < f.w; i++) {
            size_t p = size_t(j) * size_t(f.w) + size_t(i);
            if (solid[p]) continue;
            V3 sum;
            int n = 0;
            for (int k = 0; k < 4; k++) {
                int ni = i + dx[k], nj = j + dy[k];
                if (ni < 0 || nj < 0 || ni >= f.w || nj >= f.h) continue;
                size_t q = size_t(nj) * size_t(f.w) + size_t(ni);
                if (!solid[q]) continue;
                sum += V3(rgb[q * 3], rgb[q * 3 + 1], rgb[q * 3 + 2]) / 255.f;
                n++;
            }
            if (!n) continue;
            V3 c = lerp(tint, sum / float(n), keep);
            f.solid[p] = 1;
            f.rgb[p * 3] = byte_of(c.x);
            f.rgb[p * 3 + 1] = byte_of(c.y);
            f.rgb[p * 3 + 2] = byte_of(c.z);
        }
}

// A frame needs room for its rim: grow the painted area by one pixel all round.
RgbFrame paint_rimmed(int x0, int y0, int w, int h, const Shader& shade, float keep, V3 tint)
{
    RgbFrame f = paint(x0 - 1, y0 - 1, w + 2, h + 2, shade);
    add_rim(f, keep, tint);
    return f;
}

V3 ramp(float t, const V3* stops, int n)
{
    t = clampf(t, 0.f, 1.f) * float(n - 1);
    int i = std::min(n - 2, int(t));
    return lerp(stops[i], stops[i + 1], t - float(i));
}

StripGroup one_strip(const std::string& name, const std::string& base, const std::string& label,
                     std::vector<RgbFrame> frames, bool single = false)
{
    StripGroup g;
    g.name = name;
    RenderedStrip s;
    s.base = base;
    s.label = label;
    s.single = single;
    s.frames = std::move(frames);
    g.strips.push_back(std::move(s));
    return g;
}

// ---- Projectiles -------------------------------------------------------------------------------------------------

// A ball of flame: a hot core, flickering tongues round the edge, a few sparks.
RgbFrame flame_ball(int frame, float radius, const V3* colours, int ncol, int seed)
{
    int half = int(std::ceil(radius * 1.55f));
    float cy = -float(half);  // drawn by its foot like every flying thing: the ball sits on the anchor
    float ph = float(frame) * 1.05f;
    Shader sh = [&](float x, float y) -> Rgba {
        float dx = x, dy = y - cy;
        float r = std::sqrt(dx * dx + dy * dy);
        float a = std::atan2(dy, dx);
        float wob = fbm(std::cos(a) * 1.6f + ph, std::sin(a) * 1.6f - ph * 0.7f, seed, 3);
        float edge = radius * (0.78f + 0.55f * wob);
        if (r > edge) {
            // Sparks: a few hot specks outside the ball.
            float sx = std::floor(x / 2.f), sy = std::floor(y / 2.f);
            float h = hash2(int(sx) + frame * 17, int(sy), seed + 5);
            if (h > 0.985f && r < radius * 1.5f) return {colours[1], 1.f};
            return {};
        }
        float t = r / edge;
        float flick = 0.12f * (vnoise(x * 0.5f + ph * 3, y * 0.5f, seed + 9) - 0.5f);
        return {ramp(t + flick, colours, ncol), 1.f};
    };
    return paint_rimmed(-half, -2 * half, 2 * half + 1, 2 * half, sh, 0.55f, colours[ncol - 1] * 0.5f);
}

StripGroup fireball()
{
    static const V3 c[] = {{1, 1, 0.9f}, {1, 0.92f, 0.45f}, {1, 0.62f, 0.12f}, {0.95f, 0.32f, 0.05f}, {0.7f, 0.12f, 0.03f}};
    std::vector<RgbFrame> f;
    for (int k = 0; k < 6; k++) f.push_back(flame_ball(k, 8.5f, c, 5, 11));
    return one_strip("fire_ball", kStripFireball, "fireball", std::move(f));
}

StripGroup super_fireball()
{
    static const V3 c[] = {{1, 1, 1}, {0.85f, 0.97f, 1}, {0.5f, 0.8f, 1}, {0.3f, 0.45f, 1}, {0.42f, 0.22f, 0.85f}};
    std::vector<RgbFrame> f;
    for (int k = 0; k < 6; k++) f.push_back(flame_ball(k, 12.5f, c, 5, 23));
    return one_strip("super_fire_ball", kStripSuperFireball, "super fireball", std::move(f));
}

StripGroup blue_star()
{
    std::vector<RgbFrame> frames;
    for (int k = 0; k < 6; k++) {
        float rot = float(k) * 0.26f;
        float pulse = 0.85f + 0.15f * std::cos(float(k) * 2.1f);
        float cy = -15.f;
        Shader sh = [&](float x, float y) -> Rgba {
            float dx = x, dy = y - cy;
            float r = std::sqrt(dx * dx + dy * dy);
            float a = std::atan2(dy, dx);
            float rays = 13.f * pulse * std::pow(std::fabs(std::cos(2 * (a + rot))), 10.f) +
                         8.f * std::pow(std::fabs(std::cos(2 * (a + rot) + kPi / 2)), 14.f);
            float crackle = 2.5f * (fbm(a * 3 + float(k), r * 0.3f, 41, 2) - 0.5f);
            float edge = 4.5f + rays + crackle;
            if (r > edge) {
                // Little sparks round the star.
                float h = hash2(int(std::floor(x / 2)) + k * 7, int(std::floor(y / 2)), 43);
                if (h > 0.975f && r < 15) return {V3(0.85f, 0.97f, 1.f), 1.f};
                return {};
            }
            float t = r / edge;
            static const V3 c[] = {{1, 1, 1}, {0.75f, 0.95f, 1}, {0.35f, 0.7f, 1}, {0.2f, 0.35f, 0.95f}};
            return {ramp(t, c, 4), 1.f};
        };
        frames.push_back(paint_rimmed(-15, -30, 31, 30, sh, 0.5f, V3(0.05f, 0.1f, 0.4f)));
    }
    return one_strip("blue_star", kStripLightning, "lightning", std::move(frames));
}

// ---- Explosion ---------------------------------------------------------------------------------------------------

StripGroup explosion()
{
    const int n = 12, W = 76, H = 76;
    std::vector<RgbFrame> frames;
    for (int k = 0; k < n; k++) {
        float t = float(k) / float(n - 1);
        float grow = 1 - (1 - t) * (1 - t);
        float radius = 9 + 27 * grow;
        float cy = -(radius * 0.8f + 2) - 14 * t;  // sits on the ground, then rises as it cools
        float heat = clampf(1.15f - 1.5f * t, 0.f, 1.f);
        float thin = clampf((t - 0.55f) / 0.45f, 0.f, 1.f);  // smoke breaking up at the end
        Shader sh = [&](float x, float y) -> Rgba {
            if (y > -0.5f) return {};
            float dx = x, dy = (y - cy) * 1.12f;
            float r = std::sqrt(dx * dx + dy * dy);
            float a = std::atan2(dy, dx);
            float wob = fbm(std::cos(a) * 2.f + t * 3, std::sin(a) * 2.f + t * 2, 61, 3);
            float edge = radius * (0.72f + 0.5f * wob);
            if (r > edge) {
                float h = hash2(int(std::floor(x / 2)) + k * 13, int(std::floor(y / 2)), 67);
                if (t < 0.5f && h > 0.988f && r < edge * 1.6f) return {V3(1, 0.8f, 0.3f), 1.f};
                return {};
            }
            float rr = r / edge;
            float lump = fbm(x * 0.12f + t * 2, y * 0.12f - t * 3, 71, 3);
            if (thin > 0 && lump < thin * 0.75f + 0.15f * rr) return {};
            // Inside: fire where it is hot, smoke where it has cooled, the core cooling first from the edge.
            float h = heat * (1.1f - rr * 0.9f) + 0.25f * (lump - 0.5f);
            static const V3 fire[] = {{0.22f, 0.2f, 0.2f}, {0.45f, 0.38f, 0.33f}, {0.75f, 0.22f, 0.05f},
                                      {1, 0.55f, 0.1f},   {1, 0.85f, 0.35f},     {1, 1, 0.88f}};
            V3 c = ramp(h * 1.1f, fire, 6);
            float shade = 0.85f + 0.3f * clampf(-(dy + dx * 0.5f) / (radius + 1), -1.f, 1.f);
            if (h < 0.35f) c = c * shade;
            return {c, 1.f};
        };
        RgbFrame f = paint(-W / 2, -H, W, H, sh);
        add_rim(f, 0.4f, V3(0.15f, 0.08f, 0.05f));
        frames.push_back(std::move(f));
    }
    return one_strip("explod", kStripExplosion, "explosion", std::move(frames));
}

// ---- Shadows -----------------------------------------------------------------------------------------------------

// A dark ellipse drawn on every other pixel (there is no alpha), sparser at the rim.
StripGroup shadow(const char* name, const char* file, int w, int h)
{
    RgbFrame f;
    f.w = w + 2;
    f.h = h + 2;
    f.x0 = -(f.w / 2);
    f.y0 = -f.h;
    f.rgb.assign(size_t(f.w) * size_t(f.h) * 3, 0);
    f.solid.assign(size_t(f.w) * size_t(f.h), 0);
    for (int j = 0; j < h; j++)
        for (int i = 0; i < w; i++) {
            float ex = (float(i) + 0.5f - float(w) / 2) / (float(w) / 2), ey = (float(j) + 0.5f - float(h) / 2) / (float(h) / 2);
            float r2 = ex * ex + ey * ey;
            if (r2 > 1) continue;
            bool on = r2 < 0.5f ? ((i + j) & 1) == 0 : ((i & 1) == 0 && (j & 1) == 0 && r2 < 0.85f) || ((i + j) % 4 == 0);
            if (!on) continue;
            size_t p = size_t(j + 1) * size_t(f.w) + size_t(i + 1);
            f.solid[p] = 1;
            uint8_t v = r2 < 0.3f ? 14 : 24;
            f.rgb[p * 3] = v;
            f.rgb[p * 3 + 1] = uint8_t(v - 2);
            f.rgb[p * 3 + 2] = uint8_t(v + 8);
        }
    return one_strip(name, file, name, {f}, true);
}

// ---- Rendered pickups and props ----------------------------------------------------------------------------------

StripGroup smoke()
{
    std::vector<RgbFrame> frames;
    for (int k = 0; k < 3; k++) {
        Scene s;
        int grey = s.material(V3(0.66f, 0.66f, 0.70f), 0.05f, 8);
        Material wisp;  // the outer puffs let the scene show through
        wisp.color = V3(0.80f, 0.80f, 0.84f);
        wisp.spec = 0.05f;
        wisp.screen = true;
        int light = s.material(wisp);
        s.sphere(Xf{}, V3(0, 0.5f, 0), 0.34f, grey);
        for (int b = 0; b < 6; b++) {
            float a = float(b) * 1.05f + float(k) * 0.6f;
            float r = 0.2f + 0.06f * hash2(b, k, 3);
            s.sphere(Xf{}, V3(std::cos(a) * 0.26f, 0.5f + std::sin(a) * 0.22f, 0.08f), r, light);
        }
        RenderView v;
        v.ppu = 28;
        v.shadow = false;
        v.outline_tint = V3(0.35f, 0.35f, 0.38f);
        frames.push_back(render_scene(s, v));
    }
    return one_strip("smokesmall", kStripSmoke, "smoke", std::move(frames));
}

StripGroup health()
{
    // A ruby heart that bobs and turns so its shine sweeps across (played forward and back).
    const int n = 6;
    std::vector<RgbFrame> frames;
    for (int k = 0; k < n; k++) {
        float t = float(k) / float(n - 1);
        Scene s;
        int ruby = s.material(V3(0.92f, 0.1f, 0.16f), 1.2f, 40, 0.2f);
        int gold = s.material(V3(1.0f, 0.8f, 0.3f), 0.8f, 30);
        int glint = s.material(V3(1, 1, 1), 0.f, 10, 1.f, 0.f);
        float bob = 0.12f + 0.16f * smooth01(t);
        Xf h = Xf{}.move(0, 0.72f + bob, 0).ry(-0.45f + 0.9f * smooth01(t));
        for (int side = -1; side <= 1; side += 2) s.ellipsoid(h, V3(0.24f * float(side), 0.12f, 0), V3(0.3f, 0.3f, 0.2f), ruby);
        std::vector<ProfilePoint> prof = {{-0.58f, 0.0f, -0.2f, 1}, {-0.3f, 0.2f, -0.4f, 1}, {0.05f, 0.48f, 0.1f, 1}, {0.18f, 0.38f, 0.6f, 1}};
        s.lathe(h, prof, 16, ruby, [](V3& p, float, int) { p.z *= 0.45f; });
        s.ellipsoid(h, V3(0, 0.02f, 0), V3(0.52f, 0.05f, 0.26f), gold);
        if (t > 0.6f) burst(s, h.move(-0.26f, 0.3f, 0.2f), 0.1f + 0.12f * (t - 0.6f) / 0.4f, 4, 0.3f, glint, glint);
        s.shadow = {0, 0, 0.34f, 0.22f};
        RenderView v;
        v.ppu = 26;
        v.tilt = 0.4f;
        frames.push_back(render_scene(s, v));
    }
    return one_strip("health", kStripHealth, "health", std::move(frames));
}

StripGroup time_gate()
{
    // A golden ring crowned by an hourglass; the vortex inside wakes over the frames and stays open on the last.
    const int n = 8;
    std::vector<RgbFrame> frames;
    RenderView v;
    v.ppu = 34;
    v.shadow = true;
    const float R = 0.72f, cy = 1.05f;
    for (int k = 0; k < n; k++) {
        float t = float(k) / float(n - 1);
        Scene s;
        int gold = s.material(V3(0.95f, 0.74f, 0.28f), 0.8f, 30);
        int bronze = s.material(V3(0.55f, 0.38f, 0.2f), 0.5f, 20);
        int stone = s.material(V3(0.55f, 0.55f, 0.6f), 0.1f, 10);
        int gem = s.material(V3(0.4f, 0.85f, 1.0f), 0.9f, 40, 0.3f + 0.7f * t);
        int sand = s.material(V3(1.0f, 0.85f, 0.45f), 0.4f, 20, 0.4f);
        int glass = s.material(V3(0.75f, 0.9f, 1.0f), 1.2f, 50, 0.15f);
        // The ring stands upright facing the viewer.
        Xf ring = Xf{}.move(0, cy, 0).rx(kPi / 2);
        std::vector<ProfilePoint> torus;
        for (int a = 0; a <= 10; a++) {
            float ang = 2 * kPi * float(a) / 10.f;
            torus.push_back({0.1f * std::sin(ang), R + 0.1f * std::cos(ang), std::sin(ang), std::cos(ang)});
        }
        s.lathe(ring, torus, 28, gold);
        for (int g = 0; g < 6; g++) {
            float a = kPi * (float(g) + 0.5f) / 6.f + kPi;  // along the lower half... and round the top
            float aa = g < 3 ? a : a - kPi;
            s.sphere(Xf{}, V3(std::cos(aa) * R, cy + std::sin(aa) * R, 0.09f), 0.06f, gem);
        }
        // Feet and a stepped stone base.
        s.set_contact(true);
        s.box(Xf{}, V3(0, 0.06f, 0), V3(0.85f, 0.06f, 0.3f), stone);
        s.box(Xf{}, V3(0, 0.17f, 0), V3(0.6f, 0.06f, 0.24f), stone);
        s.set_contact(false);
        for (int side = -1; side <= 1; side += 2)
            s.capsule(Xf{}, V3(0.38f * float(side), 0.2f, 0), V3(0.55f * float(side), cy - 0.35f, 0), 0.07f, 0.05f, bronze);
        // The hourglass on top.
        Xf hg = Xf{}.move(0, cy + R + 0.12f, 0);
        s.ellipsoid(hg, V3(0, 0, 0), V3(0.16f, 0.03f, 0.16f), gold);
        s.ellipsoid(hg, V3(0, 0.4f, 0), V3(0.16f, 0.03f, 0.16f), gold);
        s.cone(hg, V3(0, 0.02f, 0), V3(0, 0.21f, 0), 0.12f, glass, 10);
        s.cone(hg, V3(0, 0.38f, 0), V3(0, 0.19f, 0), 0.12f, glass, 10);
        s.cone(hg, V3(0, 0.03f, 0), V3(0, 0.03f + 0.12f * t, 0), 0.09f, sand, 8);
        for (int side = -1; side <= 1; side += 2) s.capsule(hg, V3(0.14f * float(side), 0, 0), V3(0.14f * float(side), 0.4f, 0), 0.018f, 0.018f, gold);
        s.shadow = {0, 0, 0.9f, 0.35f};
        RgbFrame base = render_scene(s, v);
        // The vortex fills the ring from behind.
        float px, py;
        project_point(v, V3(0, cy, 0), &px, &py);
        float rx = R * 0.9f * v.ppu, ry = R * 0.9f * v.ppu * std::cos(v.tilt);
        float wake = smooth01(t * 1.15f);
        float spin = float(k) * 0.55f;
        Shader sh = [&](float x, float y) -> Rgba {
            float ex = (x - px) / rx, ey = (y - py) / ry;
            float r = std::sqrt(ex * ex + ey * ey);
            if (r >= 1.f) return {};
            float a = std::atan2(ey, ex);
            float swirl = 0.5f + 0.5f * std::sin(3 * a + 9 * r - spin * 2);
            float n = fbm(a * 2 + spin, r * 4, 83, 2);
            static const V3 deep[] = {{0.05f, 0.05f, 0.2f}, {0.15f, 0.2f, 0.55f}, {0.35f, 0.6f, 1.0f}, {0.85f, 0.95f, 1.0f}};
            float lum = wake * (0.35f + 0.45f * swirl + 0.3f * (1 - r)) + 0.15f * (n - 0.5f);
            V3 c = ramp(lum, deep, 4);
            if (hash2(int(std::floor(x)) + k * 5, int(std::floor(y)), 89) > 0.97f - 0.04f * wake) c = V3(1.f, 0.9f, 0.55f);
            return {c, 1.f};
        };
        frames.push_back(paint(int(px - rx) - 1, int(py - ry) - 1, int(2 * rx) + 3, int(2 * ry) + 3, sh, 0.45f, &base, true));
    }
    return one_strip("pod", kStripTimeGate, "time gate", std::move(frames));
}

StripGroup cannon()
{
    // A bronze cannon on a wooden carriage, aimed up and toward the viewer's left: rest, fire, smoke, rest.
    const int n = 8;
    std::vector<RgbFrame> frames;
    RenderView v;
    v.ppu = 30;
    v.yaw = -0.75f;
    static const float recoil[n] = {0, 0.14f, 0.1f, 0.06f, 0.03f, 0.01f, 0, 0};
    static const float flash[n] = {0, 1.f, 0.45f, 0, 0, 0, 0, 0};
    static const float smoke_t[n] = {0, 0.05f, 0.2f, 0.38f, 0.55f, 0.72f, 0.88f, 0};
    const float elev = 0.42f;
    for (int k = 0; k < n; k++) {
        Scene s;
        int bronze = s.material(V3(0.62f, 0.44f, 0.2f), 0.9f, 35);
        int iron = s.material(V3(0.2f, 0.2f, 0.22f), 0.6f, 25);
        int wood = s.material(V3(0.48f, 0.3f, 0.16f), 0.15f, 12);
        int wood_dark = s.material(V3(0.32f, 0.2f, 0.1f), 0.15f, 12);
        s.set_contact(true);
        for (int side = -1; side <= 1; side += 2) {
            Xf wheel = Xf{}.move(0.26f * float(side), 0.3f, 0.1f).rz(kPi / 2);
            std::vector<ProfilePoint> rim = {{-0.05f, 0.3f, 0, 1}, {0.05f, 0.3f, 0, 1}};
            s.lathe(wheel, rim, 16, wood_dark, nullptr, false);
            s.ellipsoid(wheel, V3(0, 0, 0), V3(0.07f, 0.06f, 0.07f), iron);
            for (int sp = 0; sp < 4; sp++) {
                float a = float(sp) * kPi / 4;
                s.box(wheel.ry(a), V3(0, 0, 0), V3(0.28f, 0.02f, 0.025f), wood);
            }
        }
        s.set_contact(false);
        s.box(Xf{}.move(0, 0.36f, -0.1f).rx(0.25f), V3(0, 0, 0), V3(0.2f, 0.07f, 0.45f), wood);
        Xf barrel = Xf{}.move(0, 0.55f, 0.05f).rx(-elev).move(0, 0, -recoil[k]);
        std::vector<ProfilePoint> prof = {{-0.42f, 0.0f, -1, 0}, {-0.42f, 0.1f, -1, 0.2f}, {-0.36f, 0.17f, -0.2f, 1},
                                          {0.2f, 0.13f, 0.05f, 1}, {0.55f, 0.11f, 0.05f, 1}, {0.6f, 0.14f, 0.3f, 1},
                                          {0.66f, 0.13f, 1, 0.3f}, {0.66f, 0.07f, 1, 0}};
        s.lathe(barrel.rx(kPi / 2), prof, 14, bronze);
        s.sphere(barrel, V3(0, 0, -0.48f), 0.08f, bronze);
        s.shadow = {0, -0.05f, 0.5f, 0.5f};
        RgbFrame f = render_scene(s, v);
        float mx, my;
        project_point(v, barrel.point(V3(0, 0, 0.7f)), &mx, &my);
        float fl = flash[k], sm = smoke_t[k];
        if (fl > 0 || sm > 0) {
            // Muzzle flash and a cloud of smoke drifting up from the muzzle.
            float dirx = -0.8f, diry = -0.6f;
            Shader sh = [&](float x, float y) -> Rgba {
                Rgba out;
                float sx = mx + dirx * (6 + 16 * sm), sy = my + diry * (4 + 10 * sm) - 10 * sm;
                float dx = x - sx, dy = y - sy;
                float r = std::sqrt(dx * dx + dy * dy);
                float rad = 4 + 13 * sm;
                float lump = fbm(x * 0.25f, y * 0.25f - sm * 4, 97, 3);
                if (sm > 0 && r < rad * (0.75f + 0.5f * lump) && lump > sm * 0.7f - 0.05f) {
                    float lit = clampf(0.75f - (dx + dy) / (2 * rad) * 0.25f, 0.4f, 1.f);
                    out = {V3(0.78f, 0.76f, 0.74f) * lit, 1.f};
                }
                if (fl > 0) {
                    float fx = x - (mx + dirx * 3), fy = y - (my + diry * 3);
                    float fr = std::sqrt(fx * fx + fy * fy);
                    float a = std::atan2(fy, fx);
                    float spikes = 1 + 0.8f * std::pow(std::fabs(std::cos(3 * a + 0.4f)), 6.f);
                    if (fr < 7 * fl * spikes) {
                        static const V3 c[] = {{1, 1, 0.9f}, {1, 0.85f, 0.3f}, {1, 0.45f, 0.08f}};
                        out = over({ramp(fr / (7 * fl * spikes), c, 3), 1.f}, out);
                    }
                }
                return out;
            };
            f = paint(int(mx) - 34, int(my) - 36, 46, 44, sh, 0.45f, &f, false);
        }
        frames.push_back(std::move(f));
    }
    return one_strip("cannon", kStripCannon, "cannon", std::move(frames));
}

}  // namespace

std::vector<StripGroup> render_effects()
{
    using Maker = StripGroup (*)();
    static const Maker makers[] = {
        fireball, super_fireball, blue_star, explosion, smoke, health, time_gate, cannon,
        [] { return shadow("shadow_small", kPictureShadowSmall, 18, 7); },
        [] { return shadow("shadow_big", kPictureShadowBig, 30, 11); },
    };
    const int count = int(sizeof makers / sizeof makers[0]);
    std::vector<StripGroup> groups(static_cast<size_t>(count));
    parallel_for(count, [&](int i) {
        groups[size_t(i)] = makers[i]();
        // Effects are drawn by their foot too; each keeps its own palette.
        pack_group(groups[size_t(i)]);
    });
    return groups;
}
