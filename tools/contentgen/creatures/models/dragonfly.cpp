// The dragon fly: a giant metallic-blue darner with emerald eyes and four glassy wings beating fast.
#include "creatures/creature_defs.h"
#include "creatures/parts.h"
#include <cmath>

namespace {

// One wing: a rounded blade out along +x of the frame, drawn see-through.
void wing(Scene& s, const Xf& at, float len, float chord, float side, int mat, int rib)
{
    const int W = 6, H = 3;
    std::vector<V3> pts;
    for (int i = 0; i < H; i++) {
        float v = float(i) / float(H - 1) * 2 - 1;  // trailing .. leading edge
        for (int j = 0; j < W; j++) {
            float u = float(j) / float(W - 1);
            float half = chord * 0.5f * std::sqrt(std::max(0.f, std::sin(kPi * (0.08f + 0.92f * u))));
            pts.push_back(at.point(V3(side * u * len, 0.02f * u * u, v * half - 0.03f * u)));
        }
    }
    s.sheet(pts, W, H, mat);
    s.capsule(at, V3(0, 0, chord * 0.3f), V3(side * len * 0.95f, 0.01f, chord * 0.12f), 0.012f, 0.006f, rib);
}

}  // namespace

void build_dragonfly(Scene& s, const Pose& p)
{
    float ph = p.phase();
    int body = s.material(V3(0.10f, 0.52f, 0.62f), 0.9f, 45);
    int body_dark = s.material(V3(0.05f, 0.16f, 0.22f), 0.8f, 40);
    int eye = s.material(V3(0.20f, 0.85f, 0.40f), 1.2f, 60, 0.2f);
    Material glass;
    glass.color = V3(0.78f, 0.92f, 1.0f);
    glass.spec = 1.0f;
    glass.shine = 30;
    glass.emissive = 0.35f;
    glass.screen = true;
    int wingm = s.material(glass);
    int rib = s.material(V3(0.25f, 0.3f, 0.35f), 0.5f, 20);
    int leg = s.material(V3(0.08f, 0.08f, 0.1f), 0.5f, 20);

    // The body bobs slightly against the wing beat; it flies along +z.
    // Banked toward the viewer so the wings read from above.
    Xf root = Xf{}.move(0, 0.06f * std::sin(ph + 1.2f), 0).ry(-0.25f).rz(0.7f).rx(-0.06f);
    // Head with wrap-around eyes.
    s.sphere(root, V3(0, 0, 0.38f), 0.1f, body_dark);
    for (int k = 0; k < 2; k++) s.sphere(root, V3(0.075f * (k ? -1.f : 1.f), 0.03f, 0.42f), 0.09f, eye);
    // Thorax.
    s.ellipsoid(root, V3(0, 0, 0.2f), V3(0.1f, 0.11f, 0.15f), body);
    // A long banded abdomen, curving down a little at the tip.
    V3 prev(0, 0, 0.06f);
    for (int k = 0; k < 8; k++) {
        float z = 0.06f - 0.11f * float(k + 1);
        V3 next(0, -0.004f * float(k * k), z);
        s.capsule(root, prev, next, 0.05f - 0.003f * float(k), 0.045f - 0.003f * float(k), (k & 1) ? body_dark : body);
        prev = next;
    }
    // Legs tucked under the thorax.
    for (int k = 0; k < 3; k++)
        for (int side = -1; side <= 1; side += 2) {
            V3 a(0.05f * float(side), -0.06f, 0.26f - 0.06f * float(k));
            s.capsule(root, a, a + V3(0.05f * float(side), -0.1f, 0.05f - 0.04f * float(k)), 0.012f, 0.01f, leg);
        }
    // Four wings: fore and hind pairs beat out of step.
    for (int pair = 0; pair < 2; pair++) {
        float beat = 0.15f + 0.55f * std::sin(ph + (pair ? 1.4f : 0.f));
        float z = pair ? 0.13f : 0.25f;
        for (int side = -1; side <= 1; side += 2) {
            Xf at = root.move(0.04f * float(side), 0.09f, z).rz(float(side) * beat).ry(float(side) * (pair ? -0.15f : 0.1f));
            wing(s, at, pair ? 0.5f : 0.55f, pair ? 0.16f : 0.14f, float(side), wingm, rib);
        }
    }
}
