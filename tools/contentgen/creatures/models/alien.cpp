// The alien overlord: tall, digitigrade, armoured in teal carapace, a glowing heart, long clawed arms and a tail.
#include "creatures/creature_defs.h"
#include "creatures/parts.h"
#include <algorithm>
#include <cmath>

namespace {

// hip height, pelvis, spine, shoulders, neck, upper and lower arm, upper and lower leg
const BipedDims kDims{1.2f, 0.24f, 0.62f, 0.52f, 0.14f, 0.44f, 0.44f, 0.5f, 0.5f};

const float kMeta = 0.4f;  // the long foot the alien walks up on

struct State {
    BipedPose bp;
    Xf base;
    float core = 0.8f;   // heart glow
    float tail = 0;      // tail sway phase
    float claws = 0.3f;  // finger spread
    float slash = 0;     // blade trails on the strike
};

// Adds the digitigrade rest angles to a plantigrade gait pose.
void digitigrade(BipedPose& p, float lift_scale)
{
    for (int s = 0; s < 2; s++) {
        LimbPose& l = p.leg[s];
        float lift = std::max(0.f, l.bend - 0.08f) * lift_scale;
        l.swing += 0.22f;
        l.bend += 0.8f;
        float want = 0.22f + 0.25f * lift;  // metatarsal leans forward as the foot lifts
        l.end = l.swing - l.bend - want;
    }
}

State pose_for(const Pose& p)
{
    State st;
    switch (p.act) {
    case Act::Walk: {
        float ph = p.phase();
        st.bp = gait_pose(ph, {.stride = 0.42f, .knee = 0.8f, .arm = 0.45f, .elbow = 0.45f,
                               .lean = 0.22f, .sway = 0.06f, .twist = 0.12f, .spread = 0.15f});
        digitigrade(st.bp, 1.f);
        st.bp.neck = 0.2f;
        st.bp.head = -0.1f + 0.06f * std::sin(2 * ph);
        st.tail = ph;
        st.core = 0.75f + 0.15f * std::sin(ph);
        break;
    }
    case Act::Idle: {
        float t = p.t();
        st.bp = idle_pose(t, 0.25f);
        digitigrade(st.bp, 0.f);
        st.bp.lean = 0.15f;
        st.bp.neck = 0.15f;
        st.bp.head_roll = 0.15f * (smooth01(t) - 0.5f);
        both_arms(st.bp, 0.35f + 0.1f * t, 0.6f + 0.2f * t, 0.3f);
        st.claws = 0.2f + 0.5f * t;
        st.tail = t * 2;
        st.core = 0.6f + 0.4f * t;
        break;
    }
    case Act::Attack: {
        // Arms drawn up and back, then a crossing slash of both claws on the fourth frame.
        const int n = 8;
        static const float swing[n] = {0.35f, 0.9f, 1.7f, 1.05f, 0.8f, 0.6f, 0.45f, 0.35f};
        static const float spread[n] = {0.3f, 1.0f, 1.35f, -0.25f, -0.3f, -0.05f, 0.2f, 0.3f};
        static const float elbow[n] = {0.6f, 1.0f, 1.3f, 0.15f, 0.2f, 0.4f, 0.55f, 0.6f};
        static const float lean[n] = {0.15f, 0.0f, -0.12f, 0.45f, 0.45f, 0.32f, 0.2f, 0.15f};
        static const float step[n] = {0, 0, 0.05f, 0.35f, 0.35f, 0.25f, 0.1f, 0};
        static const float slash[n] = {0, 0, 0, 1.f, 0.5f, 0, 0, 0};
        float t = p.t();
        st.bp = idle_pose(0.5f, 0.25f);
        both_arms(st.bp, keyframe(swing, n, t), keyframe(elbow, n, t), keyframe(spread, n, t));
        float sp = keyframe(step, n, t);
        st.bp.leg[0].swing = sp;
        st.bp.leg[1].swing = -0.6f * sp;
        digitigrade(st.bp, 0.f);
        st.bp.lean = keyframe(lean, n, t);
        st.bp.neck = 0.2f;
        st.bp.head = -0.3f * st.bp.lean;
        st.claws = 0.8f;
        st.slash = keyframe(slash, n, t);
        st.core = 0.8f + 0.2f * st.slash;
        st.tail = t * 4;
        break;
    }
    case Act::Death: {
        float t = p.t();
        st.bp = collapse_pose(t, &st.base, 1.f, true);
        digitigrade(st.bp, 0.f);
        st.core = 0.9f * (1 - t) + 0.05f;
        st.tail = t;
        st.claws = 0.6f;
        break;
    }
    default:
        st.bp = idle_pose(0.f);
        break;
    }
    return st;
}

}  // namespace

void build_alien(Scene& s, const Pose& p)
{
    State st = pose_for(p);
    int skin = s.material(V3(0.58f, 0.52f, 0.72f), 0.35f, 20);
    int skin_dark = s.material(V3(0.40f, 0.34f, 0.52f), 0.3f, 16);
    int shell = s.material(V3(0.12f, 0.42f, 0.44f), 0.85f, 40);
    int shell_dark = s.material(V3(0.07f, 0.24f, 0.28f), 0.7f, 30);
    int claw = s.material(V3(0.12f, 0.1f, 0.12f), 0.9f, 50);
    int eye = s.material(V3(0.03f, 0.03f, 0.06f), 1.2f, 60);
    int core = s.material(V3(0.45f, 1.0f, 0.55f), 0.5f, 30, st.core);
    int glow = s.material(V3(0.6f, 1.0f, 0.7f), 0.f, 10, 1.f, 0.f);
    const BipedDims& d = kDims;
    BipedBones b = solve_biped(d, st.bp, st.base);
    bool dying = p.act == Act::Death;

    // Digitigrade legs: thigh, shin, a long foot, three clawed toes.
    s.set_contact(true);
    for (int k = 0; k < 2; k++) {
        limb(s, b.foot[k], kMeta, 0.05f, 0.042f, skin_dark);
        Xf toes = b.foot[k].move(0, -kMeta, 0);
        Xf flat{b.body.r, toes.t};
        for (int c = -1; c <= 1; c++)
            s.cone(flat, V3(0.035f * float(c), 0.02f, 0.0f), V3(0.06f * float(c), 0.0f, 0.17f), 0.028f, claw, 6);
        s.ellipsoid(flat, V3(0, 0.03f, 0.03f), V3(0.06f, 0.04f, 0.07f), skin_dark);
    }
    s.set_contact(dying);
    for (int k = 0; k < 2; k++) {
        limb(s, b.thigh[k], d.leg_up, 0.11f, 0.075f, skin);
        s.ellipsoid(b.thigh[k], V3(0, -0.2f, 0.04f), V3(0.1f, 0.18f, 0.08f), shell);
        limb(s, b.shin[k], d.leg_low, 0.07f, 0.05f, skin);
        s.ellipsoid(b.shin[k], V3(0, -0.2f, -0.03f), V3(0.06f, 0.2f, 0.055f), shell_dark);
    }

    // Waist, armoured chest with the glowing heart, spines down the back.
    s.ellipsoid(b.pelvis, V3(0, 0.02f, 0), V3(0.17f, 0.12f, 0.13f), shell);
    s.capsule(Xf{}, b.pelvis.point(V3(0, 0.05f, 0)), b.chest.point(V3(0, -0.3f, 0)), 0.09f, 0.11f, skin);
    float br = st.bp.breath;
    s.ellipsoid(b.chest, V3(0, -0.16f, 0), V3(0.27f * (1 + 0.02f * br), 0.22f, 0.17f), shell);
    s.ellipsoid(b.chest, V3(0, -0.34f, 0.03f), V3(0.16f, 0.11f, 0.11f), shell_dark);
    // A frill of plates rising behind the head.
    for (int k = -2; k <= 2; k++)
        s.cone(b.chest, V3(0.07f * float(k), 0.0f, -0.08f), V3(0.16f * float(k), 0.3f - 0.03f * float(k * k), -0.2f), 0.05f,
               shell, 6);
    s.sphere(b.chest, V3(0, -0.15f, 0.13f), 0.06f + 0.015f * st.core, core);
    for (int k = 0; k < 4; k++)
        s.cone(b.chest, V3(0, -0.05f - 0.12f * float(k), -0.12f), V3(0, 0.02f - 0.12f * float(k), -0.3f + 0.02f * float(k)),
               0.04f, shell_dark, 6);
    for (int k = 0; k < 2; k++) {
        float sg = side_sign(k);
        Xf sh = b.upper_arm[k];
        s.ellipsoid(sh, V3(sg * 0.03f, 0.01f, 0), V3(0.14f, 0.1f, 0.13f), shell);
        s.cone(sh, V3(sg * 0.05f, 0.06f, 0), V3(sg * 0.14f, 0.28f, -0.06f), 0.05f, shell_dark, 6);
        s.cone(sh, V3(sg * 0.09f, 0.02f, -0.03f), V3(sg * 0.24f, 0.12f, -0.1f), 0.04f, shell_dark, 6);
    }

    // Long arms, blade-like forearm plates, three long clawed fingers.
    for (int k = 0; k < 2; k++) {
        limb(s, b.upper_arm[k], d.arm_up, 0.08f, 0.06f, skin);
        limb(s, b.fore_arm[k], d.arm_low, 0.06f, 0.045f, skin);
        s.ellipsoid(b.fore_arm[k], V3(0, -0.2f, -0.05f), V3(0.05f, 0.24f, 0.075f), shell);
        s.ellipsoid(b.hand[k], V3(0, -0.04f, 0), V3(0.045f, 0.06f, 0.05f), skin_dark);
        for (int f = -1; f <= 1; f++) {
            float a = float(f) * (0.25f + 0.3f * st.claws);
            Xf fing = b.hand[k].move(0, -0.08f, 0.01f).rz(a).rx(-0.3f);
            s.capsule(fing, V3(0, 0, 0), V3(0, -0.12f, 0), 0.016f, 0.012f, skin_dark);
            s.cone(fing, V3(0, -0.11f, 0), V3(0, -0.22f, 0.04f), 0.014f, claw, 5);
        }
        if (st.slash > 0.05f) {
            // Bright trails where the claws cut the air.
            Xf h = b.hand[k].move(0, -0.2f, 0);
            for (int f = -1; f <= 1; f++)
                s.capsule(h, V3(0.04f * float(f), 0, 0), V3(side_sign(k) * 0.5f * st.slash + 0.04f * float(f), 0.45f * st.slash, -0.15f),
                          0.025f * st.slash, 0.004f, glow);
        }
    }

    // Head: a long cranium swept back, huge black eyes, a glowing crest.
    limb(s, b.neck, d.neck + 0.04f, 0.055f, 0.05f, skin);
    Xf head = b.head.move(0, 0.12f, 0.03f);
    Xf skull = head.rx(-0.55f);
    s.ellipsoid(skull, V3(0, 0.08f, -0.02f), V3(0.13f, 0.24f, 0.15f), skin);
    s.ellipsoid(head, V3(0, -0.06f, 0.06f), V3(0.075f, 0.07f, 0.07f), skin);  // narrow jaw
    s.ellipsoid(head, V3(0, -0.1f, 0.11f), V3(0.03f, 0.008f, 0.01f), skin_dark);
    for (int k = 0; k < 2; k++) {
        float sg = side_sign(k);
        Xf e = head.move(sg * 0.06f, 0.02f, 0.1f).rz(sg * 0.5f);
        s.ellipsoid(e, V3(0, 0, 0), V3(0.05f, 0.028f, 0.03f), eye);
    }
    s.ellipsoid(skull, V3(0, 0.16f, 0.08f), V3(0.03f, 0.14f, 0.05f), core);
    for (int k = 0; k < 3; k++)
        s.cone(skull, V3(0, 0.02f + 0.1f * float(k), -0.12f), V3(0, 0.06f + 0.1f * float(k), -0.24f), 0.03f, shell_dark, 6);

    // A segmented tail curling down behind.
    {
        V3 prev = b.pelvis.point(V3(0, 0.0f, -0.12f));
        float r = 0.085f;
        for (int k = 1; k <= 4; k++) {
            float sway = 0.1f * std::sin(st.tail + float(k) * 0.7f) * float(k) / 4.f;
            V3 next = b.pelvis.point(V3(sway, -0.16f * float(k), -0.12f - 0.13f * float(k)));
            s.capsule(Xf{}, prev, next, r, r * 0.8f, skin);
            s.ellipsoid(Xf{}, lerp(prev, next, 0.5f) + V3(0, r * 0.5f, 0), V3(r * 1.05f, r * 0.6f, r * 1.1f), shell_dark);
            prev = next;
            r *= 0.8f;
        }
        s.cone(Xf{}, prev, prev + normalize(prev - b.pelvis.t) * 0.14f, r, claw, 6);
    }

    s.settle(0);
    s.shadow = {0, -0.05f, 0.45f, 0.35f};
    if (dying) s.shadow = {-0.5f * p.t(), 0, 0.45f + 0.5f * p.t(), 0.35f};
}
