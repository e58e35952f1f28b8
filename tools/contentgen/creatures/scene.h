// A posed creature as a bag of shaded triangles: primitives (ellipsoids, capsules, lathes, boxes, sheets) tessellated in model space.
#pragma once
#include "creatures/math3d.h"
#include <cstdint>
#include <functional>
#include <vector>

struct Material {
    V3 color{0.7f, 0.7f, 0.7f};  // albedo, 0..1
    float spec = 0.15f;          // specular strength
    float shine = 18.f;          // specular exponent
    float emissive = 0.f;        // 0: lit normally, 1: glows at its own colour
    float rim = 1.f;             // how much rim light the surface catches
    bool screen = false;         // drawn on every other pixel only, so what lies behind shows through
};

struct Vertex {
    V3 p, n;
    float shade = 1.f;  // albedo multiplier, for painted gradients
};

struct Tri {
    Vertex v[3];
    uint16_t mat = 0;
    uint16_t back_mat = 0;  // material seen on the far face of a two-sided sheet
    uint16_t part = 0;      // primitive id: edges between parts get an ink line
    bool two_sided = false; // sheets: light whichever face the camera sees
};

// One profile point of a lathe: height along the axis, radius, and the profile normal (along axis, outward).
struct ProfilePoint {
    float h, r, nh, nr;
    float shade = 1.f;
};

// Ground shadow under a creature, in model space on the ground plane.
struct GroundShadow {
    float cx = 0, cz = 0, rx = 0, rz = 0;
};

class Scene {
public:
    std::vector<Material> materials;
    std::vector<Tri> tris;
    GroundShadow shadow;

    int material(const Material& m);
    int material(V3 color, float spec = 0.15f, float shine = 18.f, float emissive = 0.f, float rim = 1.f);

    // Primitives; each call is one part. Positions are in the transform's local space.
    void ellipsoid(const Xf& xf, V3 centre, V3 radii, int mat, int slices = 14, int stacks = 9);
    void sphere(const Xf& xf, V3 centre, float r, int mat) { ellipsoid(xf, centre, V3(r, r, r), mat); }
    // A rounded limb from a (radius ra) to b (radius rb).
    void capsule(const Xf& xf, V3 a, V3 b, float ra, float rb, int mat, int slices = 10);
    // A pointed cone from base centre a (radius r) to tip b.
    void cone(const Xf& xf, V3 a, V3 b, float r, int mat, int slices = 10);
    void box(const Xf& xf, V3 centre, V3 half, int mat);
    // Revolves a profile about the transform's local y axis; deform may move each vertex (angle, profile index).
    void lathe(const Xf& xf, const std::vector<ProfilePoint>& profile, int slices, int mat,
               const std::function<void(V3& p, float angle, int k)>& deform = nullptr, bool closed = true);
    // A two-sided grid of w x h points, row-major; normals from the grid.
    // back_mat (when >= 0) colours the face opposite the grid's normal (a cape's lining).
    void sheet(const std::vector<V3>& pts, int w, int h, int mat, const std::vector<float>* shades = nullptr,
               int back_mat = -1);
    void triangle(const V3& a, const V3& b, const V3& c, int mat, bool two_sided = true);

    // Marks the following primitives as touching the ground (feet, belly, a lying body).
    void set_contact(bool on) { contact_ = on; }
    // Lifts or lowers everything so the lowest contact point sits at height `above`.
    void settle(float above = 0.f);
    // Lowest y of any vertex emitted while contact was on (large when none).
    float contact_min() const { return contact_min_; }
    void translate(const V3& d);

private:
    void add_tri(const Vertex& a, const Vertex& b, const Vertex& c, int mat, bool two_sided, int back_mat = -1);
    void note(const V3& p);
    uint16_t part_ = 0;
    bool contact_ = false;
    float contact_min_ = 1e9f;
};
