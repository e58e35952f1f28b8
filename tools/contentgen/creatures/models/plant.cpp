// The walking plant: root legs, a thick stalk, leafy vine arms and a snapping flytrap head ringed with teeth.
#include "creatures/creature_defs.h"
#include "creatures/parts.h"
#include <algorithm>
#include <cmath>

namespace {

// hip height, pelvis, spine, shoulders, neck, upper and lower arm, upper and lower leg
const BipedDims kDims{0.56f, 0.26f, 0.5f, 0.3f, 0.3f, 0.34f, 0.32f, 0.3f, 0.28f};

struct State {
    BipedPose bp;
    Xf base;
    float jaws = 0.25f;   // opening of the trap
    float reach = 0;      // head thrust forward
    float sway = 0;
    float wilt = 0;       // death: drooping
};

State pose_for(const Pose& p)
{
    State st;
    switch (p.act) {
    case Act::Walk: {
        // A rolling waddle on the root legs, vines swinging.
        float ph = p.phase();
        st.bp = gait_pose(ph, {.stride = 0.42f, .knee = 0.8f, .arm = 0.45f, .elbow = 0.4f,
                               .lean = 0.08f, .sway = 0.14f, .twist = 0.1f, .spread = 0.35f});
        st.bp.side = 0.1f * std::sin(ph);
        st.bp.neck = 0.15f + 0.05f * std::sin(2 * ph);
        st.jaws = 0.4f + 0.12f * std::sin(2 * ph);
        st.sway = ph;
        break;
    }
    case Act::Idle: {
        float t = p.t();
        st.bp = idle_pose(t, 0.4f);
        st.bp.side = 0.06f * (smooth01(t) - 0.5f);
        st.bp.neck = 0.15f;
        st.bp.head = -0.1f * t;
        for (int s = 0; s < 2; s++) {
            st.bp.arm[s].bend = 0.6f + 0.2f * t;
            st.bp.arm[s].swing = 0.2f;
        }
        st.jaws = 0.3f + 0.35f * smooth01(t);
        st.sway = t * 2;
        break;
    }
    case Act::Attack: {
        // Rear back with the trap wide open, then strike forward and snap shut on the fourth frame.
        const int n = 8;
        static const float jaws[n] = {0.4f, 0.8f, 1.1f, 0.0f, 0.05f, 0.2f, 0.3f, 0.4f};
        static const float reach[n] = {0.f, -0.2f, -0.35f, 0.55f, 0.5f, 0.3f, 0.1f, 0.f};
        static const float arm[n] = {0.2f, -0.3f, -0.6f, 1.3f, 1.2f, 0.8f, 0.4f, 0.2f};
        float t = p.t();
        st.bp = idle_pose(0.5f, 0.4f);
        st.jaws = keyframe(jaws, n, t);
        st.reach = keyframe(reach, n, t);
        st.bp.lean = 0.35f * st.reach;
        st.bp.neck = 0.15f + 0.9f * st.reach;
        st.bp.head = -0.5f * st.reach;
        both_arms(st.bp, keyframe(arm, n, t), 0.3f, 0.5f - 0.3f * std::max(0.f, st.reach));
        st.bp.leg[0].swing = 0.3f * std::max(0.f, st.reach);
        st.bp.leg[1].swing = -0.2f * std::max(0.f, st.reach);
        st.sway = t * 4;
        break;
    }
    case Act::Death: {
        float t = p.t();
        st.bp = collapse_pose(t, &st.base, 0.6f, true);
        st.wilt = t;
        st.bp.neck = 0.2f + 0.8f * t;
        st.jaws = 0.3f + 0.3f * t;
        st.sway = t;
        break;
    }
    default:
        st.bp = idle_pose(0.f);
        break;
    }
    return st;
}

// A leaf blade along +z of the frame: a curved two-sided sheet.
void leaf(Scene& s, const Xf& at, float len, float width, float curl, int mat, int vein)
{
    const int W = 5, H = 6;
    std::vector<V3> pts;
    for (int i = 0; i < H; i++) {
        float v = float(i) / float(H - 1);
        float half = width * std::sin(kPi * std::pow(v, 0.8f)) * 0.5f;
        for (int j = 0; j < W; j++) {
            float u = float(j) / float(W - 1) * 2 - 1;
            float x = u * half;
            float y = -curl * v * v * len - 0.3f * std::fabs(u) * half;
            pts.push_back(at.point(V3(x, y, v * len)));
        }
    }
    s.sheet(pts, W, H, mat);
    s.capsule(at, V3(0, 0, 0), V3(0, -curl * 0.25f * len, len * 0.55f), 0.012f, 0.008f, vein);
}

}  // namespace

void build_plant(Scene& s, const Pose& p)
{
    State st = pose_for(p);
    int stalk = s.material(V3(0.30f, 0.55f, 0.20f), 0.3f, 16);
    int stalk_dark = s.material(V3(0.20f, 0.38f, 0.14f), 0.25f, 14);
    int root = s.material(V3(0.48f, 0.34f, 0.20f), 0.15f, 12);
    int leafm = s.material(V3(0.38f, 0.72f, 0.22f), 0.3f, 16);
    int lobe = s.material(V3(0.62f, 0.66f, 0.22f), 0.45f, 22);
    int blush = s.material(V3(0.85f, 0.28f, 0.25f), 0.4f, 20);
    int inside = s.material(V3(0.88f, 0.16f, 0.24f), 0.5f, 24);
    int tooth = s.material(V3(0.98f, 0.94f, 0.70f), 0.4f, 20);
    int petal = s.material(V3(0.95f, 0.55f, 0.15f), 0.3f, 16);
    const BipedDims& d = kDims;
    BipedBones b = solve_biped(d, st.bp, st.base);
    bool dying = p.act == Act::Death;

    // Root legs ending in splayed tendrils.
    s.set_contact(true);
    for (int k = 0; k < 2; k++) {
        limb(s, b.shin[k], d.leg_low, 0.065f, 0.05f, root);
        Xf foot{b.body.r, b.foot[k].t};
        for (int f = -1; f <= 1; f++) {
            float a = float(f) * 0.7f + side_sign(k) * 0.2f;
            V3 dir(std::sin(a), 0, std::cos(a));
            s.cone(foot, V3(0, 0.0f, 0), dir * 0.2f + V3(0, -0.03f, 0), 0.045f, root, 6);
        }
    }
    s.set_contact(dying);
    for (int k = 0; k < 2; k++) {
        limb(s, b.thigh[k], d.leg_up, 0.09f, 0.07f, root);
        s.cone(b.thigh[k], V3(0, -0.15f, 0), V3(side_sign(k) * 0.12f, -0.25f, -0.05f), 0.03f, root, 5);  // a side root
    }

    // A root bulb, the stalk rising from it, leaves at the joints.
    s.ellipsoid(b.pelvis, V3(0, 0.05f, 0), V3(0.25f, 0.19f, 0.23f), root);
    s.ellipsoid(b.pelvis, V3(0, 0.16f, 0), V3(0.16f, 0.08f, 0.15f), stalk_dark);
    s.capsule(Xf{}, b.pelvis.point(V3(0, 0.1f, 0)), b.chest.point(V3(0, -0.2f, 0)), 0.13f, 0.11f, stalk);
    s.capsule(Xf{}, b.chest.point(V3(0, -0.22f, 0)), b.chest.point(V3(0, 0.02f, 0)), 0.11f, 0.1f, stalk);
    for (int k = 0; k < 4; k++) {
        float a = float(k) * 1.6f + 0.4f;
        Xf at = b.chest.move(0, -0.24f, 0).ry(a).rx(-0.5f - 0.8f * st.wilt).move(0, 0, 0.08f);
        leaf(s, at, 0.3f, 0.16f, 0.5f + st.wilt, leafm, stalk_dark);
    }

    // Vine arms ending in broad leaves.
    for (int k = 0; k < 2; k++) {
        limb(s, b.upper_arm[k], d.arm_up, 0.05f, 0.04f, stalk);
        limb(s, b.fore_arm[k], d.arm_low, 0.04f, 0.03f, stalk);
        Xf blade = b.hand[k].rx(-1.5f);
        leaf(s, blade, 0.32f, 0.22f, 0.4f, leafm, stalk_dark);
        for (int t = 0; t < 2; t++)
            s.cone(b.fore_arm[k], V3(0.0f, -0.1f - 0.12f * float(t), 0.03f), V3(side_sign(k) * 0.05f, -0.12f - 0.12f * float(t), 0.09f),
                   0.015f, tooth, 4);
    }

    // The neck bends the trap forward; the trap opens its two lobes.
    Xf neck = b.neck.move(0, 0.04f, 0);
    s.capsule(Xf{}, neck.t, b.head.point(V3(0, 0.04f, 0)), 0.085f, 0.075f, stalk);
    Xf head = b.head.move(0, 0.12f, 0.06f).rx(0.35f * st.wilt);
    // A collar of petals where the trap meets the stalk.
    for (int k = 0; k < 6; k++) {
        float a = 2 * kPi * float(k) / 6.f;
        V3 dir(std::cos(a), 0, std::sin(a));
        s.ellipsoid(head.move(dir * 0.13f + V3(0, -0.08f, -0.06f)).ry(-a), V3(0, 0, 0), V3(0.12f, 0.03f, 0.07f), petal);
    }
    float open = 0.1f + 0.5f * st.jaws;
    const float H = 1.35f;  // the trap is the plant's face: draw it large
    for (int lobe_k = 0; lobe_k < 2; lobe_k++) {
        float sg = lobe_k == 0 ? 1.f : -1.f;  // upper, lower
        Xf l = head.move(0, 0, -0.14f).rx(-sg * open);
        s.ellipsoid(l, V3(0, sg * 0.06f, 0.2f) * H, V3(0.26f, 0.1f, 0.25f) * H, lobe);
        s.ellipsoid(l, V3(0, sg * 0.1f, 0.14f) * H, V3(0.18f, 0.05f, 0.16f) * H, blush);
        s.ellipsoid(l, V3(0, sg * 0.015f, 0.2f) * H, V3(0.22f, 0.04f, 0.21f) * H, inside);
        for (int t = 0; t < 9; t++) {
            float a = kPi * (float(t) + 0.5f) / 9.f;  // around the front rim
            V3 rim = V3(std::cos(a) * 0.24f, 0, 0.2f + std::sin(a) * 0.23f) * H;
            s.cone(l, rim, rim + V3(std::cos(a) * 0.02f, -sg * 0.12f, std::sin(a) * 0.02f), 0.026f, tooth, 4);
        }
    }

    s.settle(0);
    s.shadow = {0, 0.02f, 0.36f, 0.3f};
    if (dying) s.shadow = {-0.4f * p.t(), 0, 0.36f + 0.35f * p.t(), 0.3f};
}
