// Software renderer for the creature models: orthographic, tilted camera, z-buffer, supersampled, lit, inked.
#include "creatures/renderer.h"
#include <algorithm>
#include <cmath>

namespace {

struct CamVert {
    float px, py, depth;  // pixel coordinates (y down) and depth toward the camera
    V3 n;                 // camera-space normal
    float shade;
};

struct Camera {
    M3 yaw;
    float c, s, ppu;
    explicit Camera(const RenderView& v) : yaw(rot_y(v.yaw)), c(std::cos(v.tilt)), s(std::sin(v.tilt)), ppu(v.ppu) {}
    V3 to_cam(const V3& p) const
    {
        V3 w = yaw * p;
        return {w.x, w.y * c - w.z * s, w.y * s + w.z * c};
    }
    CamVert vert(const Vertex& v) const
    {
        V3 q = to_cam(v.p);
        return {q.x * ppu, -q.y * ppu, q.z, to_cam(v.n), v.shade};
    }
};

// Lights are fixed to the camera, so every facing of a creature is lit alike.
struct Lights {
    V3 key = normalize(V3(-0.55f, 0.72f, 0.55f));
    V3 key_col{1.05f, 0.98f, 0.88f};
    V3 fill = normalize(V3(0.85f, -0.05f, 0.45f));
    V3 fill_col{0.30f, 0.36f, 0.50f};
    V3 rim = normalize(V3(0.55f, 0.45f, -0.7f));
    V3 rim_col{0.85f, 0.90f, 1.0f};
    V3 sky{0.36f, 0.37f, 0.43f};
    V3 ground{0.17f, 0.15f, 0.13f};
    V3 half = normalize(key + V3(0, 0, 1));
};

V3 shade_sample(const Material& m, V3 n, float albedo_scale, const Lights& L)
{
    V3 base = m.color * albedo_scale;
    float hemi = n.y * 0.5f + 0.5f;
    V3 amb = lerp(L.ground, L.sky, hemi);
    float dk = std::max(0.f, dot(n, L.key));
    float df = std::max(0.f, dot(n, L.fill));
    V3 light = amb + L.key_col * dk + L.fill_col * df;
    V3 col = mul(base, light);
    float sp = std::pow(std::max(0.f, dot(n, L.half)), m.shine) * m.spec;
    col += L.key_col * sp;
    float edge = 1.f - std::max(0.f, n.z);
    float rim = edge * edge * edge * std::max(0.f, dot(n, L.rim) + 0.35f) * 0.75f * m.rim;
    col += mul(L.rim_col, lerp(V3(1, 1, 1), base, 0.5f)) * rim;
    if (m.emissive > 0) col = lerp(col, base * (1.f + 0.25f * m.emissive), std::min(1.f, m.emissive));
    return col;
}

uint8_t to_byte(float v)
{
    v = clampf(v, 0.f, 1.f);
    return uint8_t(std::lround(std::pow(v, 0.92f) * 255.f));
}

}  // namespace

PixelBounds project_bounds(const Scene& scene, const RenderView& view)
{
    Camera cam(view);
    PixelBounds b;
    for (const Tri& t : scene.tris)
        for (const Vertex& v : t.v) {
            CamVert c = cam.vert(v);
            b.minx = std::min(b.minx, c.px);
            b.maxx = std::max(b.maxx, c.px);
            b.miny = std::min(b.miny, c.py);
            b.maxy = std::max(b.maxy, c.py);
        }
    const GroundShadow& sh = scene.shadow;
    if (view.shadow && sh.rx > 0 && sh.rz > 0)
        for (int k = 0; k < 32; k++) {
            float a = 2 * kPi * float(k) / 32;
            Vertex v;
            v.p = V3(sh.cx + sh.rx * std::cos(a), 0, sh.cz + sh.rz * std::sin(a));
            CamVert c = cam.vert(v);
            b.minx = std::min(b.minx, c.px);
            b.maxx = std::max(b.maxx, c.px);
            b.miny = std::min(b.miny, c.py);
            b.maxy = std::max(b.maxy, c.py);
        }
    return b;
}

RgbFrame render_scene(const Scene& scene, const RenderView& view)
{
    RgbFrame out;
    if (scene.tris.empty()) return out;
    Camera cam(view);
    Lights lights;
    PixelBounds b = project_bounds(scene, view);
    const int margin = 2;
    int imin = int(std::floor(b.minx + 0.5f)) - margin, imax = int(std::floor(b.maxx + 0.5f)) + margin;
    int jmin = int(std::floor(b.miny)) - margin, jmax = int(std::floor(b.maxy)) + margin;
    out.x0 = imin;
    out.y0 = jmin;
    out.w = imax - imin + 1;
    out.h = jmax - jmin + 1;
    const int S = std::max(1, view.supersample);
    const int SW = out.w * S, SH = out.h * S;
    const size_t NS = size_t(SW) * size_t(SH);

    std::vector<float> depth(NS, -1e30f);
    std::vector<V3> nrm(NS);
    std::vector<float> shd(NS, 1.f);
    std::vector<uint16_t> mat(NS, 0);
    std::vector<uint16_t> part(NS, 0);

    // Sample (X, Y) sits at pixel coordinates px = x0 - 0.5 + (X + 0.5) / S, py = y0 + (Y + 0.5) / S.
    const float ox = float(out.x0) - 0.5f, oy = float(out.y0);
    auto sx = [&](float px) { return (px - ox) * float(S) - 0.5f; };
    auto sy = [&](float py) { return (py - oy) * float(S) - 0.5f; };

    for (const Tri& t : scene.tris) {
        CamVert v[3] = {cam.vert(t.v[0]), cam.vert(t.v[1]), cam.vert(t.v[2])};
        if (!t.two_sided && v[0].n.z < -0.05f && v[1].n.z < -0.05f && v[2].n.z < -0.05f) continue;
        float X[3], Y[3];
        for (int k = 0; k < 3; k++) {
            X[k] = sx(v[k].px);
            Y[k] = sy(v[k].py);
        }
        float area = (X[1] - X[0]) * (Y[2] - Y[0]) - (X[2] - X[0]) * (Y[1] - Y[0]);
        if (std::fabs(area) < 1e-6f) continue;
        V3 n0 = v[0].n, n1 = v[1].n, n2 = v[2].n;
        uint16_t tm = t.mat;
        if (t.two_sided) {
            // Light whichever face the camera sees: compare the face's winding with its geometric normal.
            V3 a(v[0].px, -v[0].py, v[0].depth * cam.ppu), bb(v[1].px, -v[1].py, v[1].depth * cam.ppu),
                c(v[2].px, -v[2].py, v[2].depth * cam.ppu);
            V3 gn = cross(bb - a, c - a);
            V3 avg = n0 + n1 + n2;
            if (dot(avg, gn) < 0) gn = -gn;  // gn now agrees with the authored normals
            if (gn.z < 0) {
                tm = t.back_mat;
                n0 = -n0;
                n1 = -n1;
                n2 = -n2;
            }
        }
        int xa = std::max(0, int(std::ceil(std::min({X[0], X[1], X[2]}))));
        int xb = std::min(SW - 1, int(std::floor(std::max({X[0], X[1], X[2]}))));
        int ya = std::max(0, int(std::ceil(std::min({Y[0], Y[1], Y[2]}))));
        int yb = std::min(SH - 1, int(std::floor(std::max({Y[0], Y[1], Y[2]}))));
        if (xa > xb || ya > yb) continue;
        float inv = 1.f / area;
        const bool screen = scene.materials[t.mat].screen;
        for (int y = ya; y <= yb; y++) {
            float fy = float(y);
            for (int x = xa; x <= xb; x++) {
                // Screen-door transparency: a fixed checker in ground-anchored pixels, stable from frame to frame.
                if (screen && ((x / S + out.x0 + y / S + out.y0) & 1)) continue;
                float fx = float(x);
                float w0 = ((X[1] - fx) * (Y[2] - fy) - (X[2] - fx) * (Y[1] - fy)) * inv;
                float w1 = ((X[2] - fx) * (Y[0] - fy) - (X[0] - fx) * (Y[2] - fy)) * inv;
                float w2 = 1.f - w0 - w1;
                if (w0 < 0 || w1 < 0 || w2 < 0) continue;
                float d = w0 * v[0].depth + w1 * v[1].depth + w2 * v[2].depth;
                size_t idx = size_t(y) * size_t(SW) + size_t(x);
                if (d <= depth[idx]) continue;
                depth[idx] = d;
                nrm[idx] = n0 * w0 + n1 * w1 + n2 * w2;
                shd[idx] = w0 * v[0].shade + w1 * v[1].shade + w2 * v[2].shade;
                mat[idx] = tm;
                part[idx] = t.part;
            }
        }
    }

    // Resolve: a pixel is solid when enough of its samples are covered.
    const int need = std::max(1, int(std::ceil(float(S * S) * 0.4f)));
    const size_t NP = size_t(out.w) * size_t(out.h);
    std::vector<V3> pc(NP);
    std::vector<float> pd(NP, -1e30f);
    std::vector<uint16_t> pp(NP, 0);
    std::vector<uint8_t> solid(NP, 0), see_through(NP, 0);
    for (int j = 0; j < out.h; j++)
        for (int i = 0; i < out.w; i++) {
            int cnt = 0;
            V3 sum;
            float best = -1e30f;
            uint16_t bp = 0, bm = 0;
            for (int a = 0; a < S; a++)
                for (int c = 0; c < S; c++) {
                    size_t idx = size_t(j * S + a) * size_t(SW) + size_t(i * S + c);
                    if (depth[idx] < -1e29f) continue;
                    cnt++;
                    sum += shade_sample(scene.materials[mat[idx]], normalize(nrm[idx]), shd[idx], lights);
                    if (depth[idx] > best) {
                        best = depth[idx];
                        bp = part[idx];
                        bm = mat[idx];
                    }
                }
            size_t p = size_t(j) * size_t(out.w) + size_t(i);
            if (cnt >= need) {
                solid[p] = 1;
                pc[p] = sum / float(cnt);
                pd[p] = best;
                pp[p] = bp;
                see_through[p] = scene.materials[bm].screen ? 1 : 0;
            }
        }

    // Ink inside the silhouette: the farther side of a clear depth step between parts.
    std::vector<V3> inked = pc;
    const int dx4[4] = {1, -1, 0, 0}, dy4[4] = {0, 0, 1, -1};
    for (int j = 0; j < out.h; j++)
        for (int i = 0; i < out.w; i++) {
            size_t p = size_t(j) * size_t(out.w) + size_t(i);
            if (!solid[p]) continue;
            for (int k = 0; k < 4; k++) {
                int ni = i + dx4[k], nj = j + dy4[k];
                if (ni < 0 || nj < 0 || ni >= out.w || nj >= out.h) continue;
                size_t q = size_t(nj) * size_t(out.w) + size_t(ni);
                if (solid[q] && pp[q] != pp[p] && pd[q] - pd[p] > view.ink_depth) {
                    inked[p] = lerp(pc[p], view.outline_tint, 0.55f);
                    break;
                }
            }
        }

    // Outline: one dark pixel around the silhouette, tinted by what it borders.
    out.rgb.assign(NP * 3, 0);
    out.solid.assign(NP, 0);
    for (int j = 0; j < out.h; j++)
        for (int i = 0; i < out.w; i++) {
            size_t p = size_t(j) * size_t(out.w) + size_t(i);
            V3 c;
            if (solid[p]) {
                c = inked[p];
            } else {
                int n = 0;
                V3 sum;
                for (int k = 0; k < 4; k++) {
                    int ni = i + dx4[k], nj = j + dy4[k];
                    if (ni < 0 || nj < 0 || ni >= out.w || nj >= out.h) continue;
                    size_t q = size_t(nj) * size_t(out.w) + size_t(ni);
                    if (solid[q] && !see_through[q]) {
                        sum += pc[q];
                        n++;
                    }
                }
                if (!n) continue;
                c = lerp(sum / float(n), view.outline_tint, 0.78f);
            }
            out.solid[p] = 1;
            out.rgb[p * 3 + 0] = to_byte(c.x);
            out.rgb[p * 3 + 1] = to_byte(c.y);
            out.rgb[p * 3 + 2] = to_byte(c.z);
        }

    // Ground shadow: a dithered ellipse where nothing else is drawn.
    const GroundShadow& sh = scene.shadow;
    if (view.shadow && sh.rx > 0 && sh.rz > 0) {
        M3 unyaw = rot_y(-view.yaw);
        float sn = std::sin(view.tilt);
        for (int j = 0; j < out.h; j++)
            for (int i = 0; i < out.w; i++) {
                size_t p = size_t(j) * size_t(out.w) + size_t(i);
                if (out.solid[p]) continue;
                int gi = i + out.x0, gj = j + out.y0;
                float px = float(gi), py = float(gj) + 0.5f;
                V3 w(px / view.ppu, 0, py / (view.ppu * sn));
                V3 l = unyaw * w;
                float ex = (l.x - sh.cx) / sh.rx, ez = (l.z - sh.cz) / sh.rz;
                float r2 = ex * ex + ez * ez;
                if (r2 >= 1.f) continue;
                bool on = r2 < 0.55f ? (((gi + gj) & 1) == 0) : ((gi & 1) == 0 && (gj & 1) == 0);
                if (!on) continue;
                out.solid[p] = 1;
                out.rgb[p * 3 + 0] = 28;
                out.rgb[p * 3 + 1] = 26;
                out.rgb[p * 3 + 2] = 36;
            }
    }
    return out;
}

void project_point(const RenderView& view, const V3& p, float* px, float* py)
{
    Camera cam(view);
    Vertex v;
    v.p = p;
    CamVert c = cam.vert(v);
    *px = c.px;
    *py = c.py;
}
