// Tessellates the model primitives into triangles with smooth normals.
#include "creatures/scene.h"
#include <algorithm>
#include <cmath>

int Scene::material(const Material& m)
{
    materials.push_back(m);
    return int(materials.size()) - 1;
}

int Scene::material(V3 color, float spec, float shine, float emissive, float rim)
{
    Material m;
    m.color = color;
    m.spec = spec;
    m.shine = shine;
    m.emissive = emissive;
    m.rim = rim;
    return material(m);
}

void Scene::note(const V3& p)
{
    if (contact_) contact_min_ = std::min(contact_min_, p.y);
}

void Scene::add_tri(const Vertex& a, const Vertex& b, const Vertex& c, int mat, bool two_sided, int back_mat)
{
    Tri t;
    t.v[0] = a;
    t.v[1] = b;
    t.v[2] = c;
    t.mat = uint16_t(mat);
    t.back_mat = uint16_t(back_mat >= 0 ? back_mat : mat);
    t.part = part_;
    t.two_sided = two_sided;
    tris.push_back(t);
    note(a.p);
    note(b.p);
    note(c.p);
}

void Scene::ellipsoid(const Xf& xf, V3 centre, V3 radii, int mat, int slices, int stacks)
{
    part_++;
    std::vector<Vertex> grid(size_t((stacks + 1) * (slices + 1)));
    for (int i = 0; i <= stacks; i++) {
        float th = kPi * float(i) / float(stacks) - kPi / 2;  // -90 (bottom) .. 90 (top)
        for (int j = 0; j <= slices; j++) {
            float ph = 2 * kPi * float(j) / float(slices);
            V3 u(std::cos(th) * std::cos(ph), std::sin(th), std::cos(th) * std::sin(ph));
            Vertex v;
            v.p = xf.point(centre + mul(u, radii));
            v.n = normalize(xf.dir(V3(u.x / radii.x, u.y / radii.y, u.z / radii.z)));
            grid[size_t(i * (slices + 1) + j)] = v;
        }
    }
    for (int i = 0; i < stacks; i++)
        for (int j = 0; j < slices; j++) {
            const Vertex& a = grid[size_t(i * (slices + 1) + j)];
            const Vertex& b = grid[size_t(i * (slices + 1) + j + 1)];
            const Vertex& c = grid[size_t((i + 1) * (slices + 1) + j)];
            const Vertex& d = grid[size_t((i + 1) * (slices + 1) + j + 1)];
            if (i > 0) add_tri(a, c, b, mat, false);
            if (i < stacks - 1) add_tri(b, c, d, mat, false);
        }
}

// Builds a frame whose local y runs from a to b.
static Xf axis_frame(const Xf& xf, V3 a, V3 b)
{
    V3 y = normalize(b - a);
    V3 ref = std::fabs(y.y) < 0.9f ? V3(0, 1, 0) : V3(1, 0, 0);
    V3 x = normalize(cross(y, ref));
    V3 z = cross(x, y);
    M3 m;
    m.r0 = {x.x, y.x, z.x};
    m.r1 = {x.y, y.y, z.y};
    m.r2 = {x.z, y.z, z.z};
    return xf * Xf{m, a};
}

void Scene::capsule(const Xf& xf, V3 a, V3 b, float ra, float rb, int mat, int slices)
{
    float len = length(b - a);
    if (len < 1e-5f) {
        ellipsoid(xf, a, V3(ra, ra, ra), mat, slices, std::max(6, slices * 2 / 3));
        return;
    }
    float s = clampf((ra - rb) / len, -0.95f, 0.95f);
    float th0 = std::asin(s);
    std::vector<ProfilePoint> prof;
    const int cap = 4;
    for (int k = 0; k <= cap; k++) {  // bottom cap on sphere a, -90 .. th0
        float th = lerpf(-kPi / 2, th0, float(k) / cap);
        prof.push_back({ra * std::sin(th), ra * std::cos(th), std::sin(th), std::cos(th)});
    }
    for (int k = 0; k <= cap; k++) {  // top cap on sphere b, th0 .. 90
        float th = lerpf(th0, kPi / 2, float(k) / cap);
        prof.push_back({len + rb * std::sin(th), rb * std::cos(th), std::sin(th), std::cos(th)});
    }
    lathe(axis_frame(xf, a, b), prof, slices, mat);
}

void Scene::cone(const Xf& xf, V3 a, V3 b, float r, int mat, int slices)
{
    float len = length(b - a);
    if (len < 1e-5f) return;
    V3 n = normalize(V3(r, 0, len));  // (nh, nr) of the slanted side
    std::vector<ProfilePoint> prof = {
        {0, 0, -1, 0},
        {0, r, -1, 0},
        {0, r, n.x, n.z},
        {len, 0.001f, n.x, n.z},
    };
    lathe(axis_frame(xf, a, b), prof, slices, mat);
}

void Scene::lathe(const Xf& xf, const std::vector<ProfilePoint>& profile, int slices, int mat,
                  const std::function<void(V3& p, float angle, int k)>& deform, bool closed)
{
    part_++;
    int np = int(profile.size());
    std::vector<Vertex> grid(size_t(np * (slices + 1)));
    for (int k = 0; k < np; k++) {
        const ProfilePoint& pp = profile[size_t(k)];
        for (int j = 0; j <= slices; j++) {
            float ph = 2 * kPi * float(j) / float(slices);
            float c = std::cos(ph), s = std::sin(ph);
            V3 p(pp.r * c, pp.h, pp.r * s);
            if (deform) deform(p, ph, k);
            Vertex v;
            v.p = xf.point(p);
            v.n = normalize(xf.dir(V3(pp.nr * c, pp.nh, pp.nr * s)));
            v.shade = pp.shade;
            grid[size_t(k * (slices + 1) + j)] = v;
        }
    }
    if (deform) {
        // Deformed surfaces take their normals from the mesh itself.
        for (int k = 0; k < np; k++)
            for (int j = 0; j <= slices; j++) {
                int k0 = std::max(0, k - 1), k1 = std::min(np - 1, k + 1);
                int j0 = j == 0 ? slices - 1 : j - 1, j1 = j == slices ? 1 : j + 1;
                V3 du = grid[size_t(k * (slices + 1) + j1)].p - grid[size_t(k * (slices + 1) + j0)].p;
                V3 dv = grid[size_t(k1 * (slices + 1) + j)].p - grid[size_t(k0 * (slices + 1) + j)].p;
                V3 n = cross(du, dv);
                Vertex& v = grid[size_t(k * (slices + 1) + j)];
                if (length(n) > 1e-9f) {
                    n = normalize(n);
                    if (dot(n, v.n) < 0) n = -n;
                    v.n = n;
                }
            }
    }
    for (int k = 0; k + 1 < np; k++)
        for (int j = 0; j < slices; j++) {
            const Vertex& a = grid[size_t(k * (slices + 1) + j)];
            const Vertex& b = grid[size_t(k * (slices + 1) + j + 1)];
            const Vertex& c = grid[size_t((k + 1) * (slices + 1) + j)];
            const Vertex& d = grid[size_t((k + 1) * (slices + 1) + j + 1)];
            add_tri(a, c, b, mat, !closed);
            add_tri(b, c, d, mat, !closed);
        }
}

void Scene::box(const Xf& xf, V3 c, V3 h, int mat)
{
    part_++;
    static const int faces[6][4] = {{0, 2, 6, 4}, {1, 5, 7, 3}, {0, 4, 5, 1}, {2, 3, 7, 6}, {0, 1, 3, 2}, {4, 6, 7, 5}};
    static const V3 normals[6] = {{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}};
    V3 corner[8];
    for (int i = 0; i < 8; i++)
        corner[i] = xf.point(c + V3((i & 1) ? h.x : -h.x, (i & 2) ? h.y : -h.y, (i & 4) ? h.z : -h.z));
    for (int f = 0; f < 6; f++) {
        // Corner bit order differs per face; orient each triangle by its normal instead.
        V3 n = normalize(xf.dir(normals[f]));
        Vertex v[4];
        for (int k = 0; k < 4; k++) v[k] = {corner[faces[f][k]], n, 1.f};
        add_tri(v[0], v[1], v[2], mat, true);
        add_tri(v[0], v[2], v[3], mat, true);
    }
}

void Scene::sheet(const std::vector<V3>& pts, int w, int h, int mat, const std::vector<float>* shades, int back_mat)
{
    part_++;
    std::vector<Vertex> grid(size_t(w * h));
    for (int i = 0; i < h; i++)
        for (int j = 0; j < w; j++) {
            int j0 = std::max(0, j - 1), j1 = std::min(w - 1, j + 1);
            int i0 = std::max(0, i - 1), i1 = std::min(h - 1, i + 1);
            V3 du = pts[size_t(i * w + j1)] - pts[size_t(i * w + j0)];
            V3 dv = pts[size_t(i1 * w + j)] - pts[size_t(i0 * w + j)];
            Vertex v;
            v.p = pts[size_t(i * w + j)];
            v.n = normalize(cross(du, dv));
            v.shade = shades ? (*shades)[size_t(i * w + j)] : 1.f;
            grid[size_t(i * w + j)] = v;
        }
    for (int i = 0; i + 1 < h; i++)
        for (int j = 0; j + 1 < w; j++) {
            add_tri(grid[size_t(i * w + j)], grid[size_t((i + 1) * w + j)], grid[size_t(i * w + j + 1)], mat, true, back_mat);
            add_tri(grid[size_t(i * w + j + 1)], grid[size_t((i + 1) * w + j)], grid[size_t((i + 1) * w + j + 1)], mat, true,
                    back_mat);
        }
}

void Scene::triangle(const V3& a, const V3& b, const V3& c, int mat, bool two_sided)
{
    part_++;
    V3 n = normalize(cross(b - a, c - a));
    add_tri({a, n, 1.f}, {b, n, 1.f}, {c, n, 1.f}, mat, two_sided);
}

void Scene::translate(const V3& d)
{
    for (Tri& t : tris)
        for (Vertex& v : t.v) v.p += d;
    shadow.cx += d.x;
    shadow.cz += d.z;
    if (contact_min_ < 1e8f) contact_min_ += d.y;
}

void Scene::settle(float above)
{
    if (contact_min_ > 1e8f) return;
    translate(V3(0, above - contact_min_, 0));
}
