// The zombie: hunched, grey-green, in a torn shirt, one arm reaching out, dragging its right leg.
#include "creatures/creature_defs.h"
#include "creatures/parts.h"
#include <algorithm>
#include <cmath>

namespace {

// hip height, pelvis, spine, shoulders, neck, upper and lower arm, upper and lower leg
const BipedDims kDims{0.9f, 0.2f, 0.48f, 0.38f, 0.08f, 0.31f, 0.3f, 0.45f, 0.43f};

struct State {
    BipedPose bp;
    Xf base;
    float jaw = 0.1f;
    float rag = 0;
};

State pose_for(const Pose& p)
{
    State st;
    switch (p.act) {
    case Act::Walk: {
        // A shamble: the left leg steps, the stiff right leg is dragged after it.
        float ph = p.phase();
        st.bp = gait_pose(ph, {.stride = 0.32f, .knee = 0.75f, .arm = 0.1f, .lean = 0.32f, .sway = 0.13f});
        st.bp.leg[1].bend = 0.08f + 0.12f * std::max(0.f, std::cos(ph + kPi));
        st.bp.leg[1].end = st.bp.leg[1].swing * 0.7f - 0.35f;
        st.bp.arm[0].swing = 1.35f + 0.12f * std::sin(ph);
        st.bp.arm[0].bend = 0.25f;
        st.bp.arm[0].spread = 0.08f;
        st.bp.arm[1].swing = 0.25f + 0.25f * std::sin(ph + 1.f);
        st.bp.arm[1].bend = 0.3f;
        st.bp.arm[1].spread = 0.18f;
        st.bp.neck = 0.25f;
        st.bp.head = -0.1f;
        st.bp.head_roll = 0.22f + 0.12f * std::sin(ph);
        st.jaw = 0.1f + 0.08f * std::sin(ph * 2);
        st.rag = ph;
        break;
    }
    case Act::Idle: {
        float t = p.t();
        st.bp = idle_pose(t, 0.16f);
        st.bp.lean = 0.28f;
        st.bp.roll = -0.06f + 0.12f * smooth01(t);
        st.bp.neck = 0.25f;
        st.bp.head_roll = 0.3f - 0.2f * smooth01(t);
        st.bp.arm[0].swing = 0.9f + 0.2f * t;
        st.bp.arm[0].bend = 0.3f;
        st.bp.arm[1].swing = 0.3f;
        st.bp.arm[1].bend = 0.35f;
        st.bp.leg[1].spread = 0.1f;
        st.jaw = 0.12f + 0.1f * t;
        st.rag = t;
        break;
    }
    case Act::Attack: {
        // Both arms rise, then the zombie lunges and claws down on the fourth frame.
        const int n = 8;
        static const float arm[n] = {1.2f, 2.1f, 2.75f, 1.05f, 0.85f, 0.9f, 1.05f, 1.2f};
        static const float elbow[n] = {0.3f, 0.7f, 0.9f, 0.1f, 0.2f, 0.3f, 0.3f, 0.3f};
        static const float lean[n] = {0.3f, 0.12f, 0.02f, 0.65f, 0.6f, 0.45f, 0.35f, 0.3f};
        static const float step[n] = {0.f, 0.05f, 0.1f, 0.45f, 0.45f, 0.3f, 0.12f, 0.f};
        static const float jaw[n] = {0.1f, 0.2f, 0.35f, 0.45f, 0.3f, 0.2f, 0.12f, 0.1f};
        float t = p.t();
        st.bp = idle_pose(0.5f, 0.16f);
        both_arms(st.bp, keyframe(arm, n, t), keyframe(elbow, n, t), 0.18f);
        st.bp.lean = keyframe(lean, n, t);
        st.bp.neck = 0.2f;
        st.bp.head = -0.3f * st.bp.lean;
        float sp = keyframe(step, n, t);
        lunge_legs(st.bp, sp, {.knee = 0.2f, .knee_step = 0.5f, .push_ankle = 0.4f});
        st.jaw = keyframe(jaw, n, t);
        st.rag = t * 3;
        break;
    }
    case Act::Death: {
        float t = p.t();
        st.bp = collapse_pose(t, &st.base, 1.2f, true);
        st.bp.head_roll = 0.3f * t;
        st.jaw = 0.1f + 0.3f * t;
        st.rag = t * 2;
        break;
    }
    default:
        st.bp = idle_pose(0.f);
        break;
    }
    return st;
}

}  // namespace

void build_zombie(Scene& s, const Pose& p)
{
    State st = pose_for(p);
    int skin = s.material(V3(0.54f, 0.64f, 0.44f), 0.3f, 16);
    int skin_dark = s.material(V3(0.40f, 0.46f, 0.34f), 0.2f, 12);
    int shirt = s.material(V3(0.58f, 0.27f, 0.23f), 0.06f, 8);
    int pants = s.material(V3(0.27f, 0.30f, 0.40f), 0.08f, 8);
    int shoe = s.material(V3(0.30f, 0.21f, 0.14f), 0.15f, 10);
    int hair = s.material(V3(0.20f, 0.18f, 0.16f), 0.1f, 10);
    int eye = s.material(V3(1.0f, 0.85f, 0.35f), 0.f, 10, 0.85f, 0.f);
    int mouth = s.material(V3(0.22f, 0.08f, 0.08f), 0.1f, 10);
    int bone = s.material(V3(0.88f, 0.85f, 0.74f), 0.2f, 14);
    const BipedDims& d = kDims;
    BipedBones b = solve_biped(d, st.bp, st.base);
    bool dying = p.act == Act::Death;

    // Legs: torn trousers, one shoe, one bare foot.
    s.set_contact(true);
    for (int k = 0; k < 2; k++) {
        limb(s, b.shin[k], d.leg_low, 0.07f, 0.055f, k == 0 ? pants : skin);
        s.ellipsoid(b.foot[k], V3(0, -0.03f, 0.05f), V3(0.05f, 0.04f, 0.1f), k == 0 ? skin_dark : shoe);
    }
    s.set_contact(dying);
    for (int k = 0; k < 2; k++) {
        limb(s, b.thigh[k], d.leg_up, 0.095f, 0.075f, pants);
        s.ellipsoid(b.shin[k], V3(0, -0.02f, 0), V3(0.066f, 0.05f, 0.066f), pants);
    }
    // A ragged trouser end on the right leg shows the bare shin.
    s.ellipsoid(b.shin[1], V3(0, -0.12f, 0), V3(0.064f, 0.05f, 0.064f), pants);

    // Torso in a torn shirt, its tail hanging in tatters.
    float br = st.bp.breath;
    s.ellipsoid(b.pelvis, V3(0, 0.03f, 0), V3(0.18f, 0.12f, 0.13f), pants);
    s.ellipsoid(b.chest, V3(0, -0.3f, 0.01f), V3(0.17f, 0.16f, 0.13f), shirt);
    s.ellipsoid(b.chest, V3(0, -0.12f, 0), V3(0.21f * (1 + 0.02f * br), 0.17f, 0.14f), shirt);
    s.ellipsoid(b.chest, V3(0, -0.05f, -0.07f), V3(0.16f, 0.12f, 0.1f), shirt);  // hunched back
    s.ellipsoid(b.chest, V3(0.06f, -0.18f, 0.115f), V3(0.075f, 0.08f, 0.035f), skin);  // a tear in the shirt
    for (int r = 0; r < 3; r++)
        s.capsule(b.chest, V3(0.02f, -0.14f - 0.04f * float(r), 0.14f), V3(0.11f, -0.15f - 0.04f * float(r), 0.115f), 0.011f,
                  0.01f, bone);
    RobeStyle tail;
    tail.top = d.hip_h + st.bp.offset.y + 0.14f;
    tail.bottom = d.hip_h + st.bp.offset.y - 0.2f;
    tail.top_r = 0.17f;
    tail.hem_r = 0.2f;
    tail.leg_r = 0.12f;
    tail.ragged = 0.12f;
    tail.ripple = 0.01f;
    tail.ripple_phase = st.rag;
    tail.trim = 0;
    tail.mat = shirt;
    robe_skirt(s, b, tail);

    // Arms: ragged sleeves, long grey hands.
    for (int k = 0; k < 2; k++) {
        s.sphere(b.upper_arm[k], V3(0, -0.02f, 0), 0.09f, shirt);
        limb(s, b.upper_arm[k], d.arm_up, 0.075f, 0.065f, shirt);
        limb(s, b.fore_arm[k], d.arm_low, 0.055f, 0.045f, skin);
        s.ellipsoid(b.hand[k], V3(0, -0.05f, 0.01f), V3(0.045f, 0.07f, 0.06f), skin);
        for (int f = -1; f <= 1; f++)
            s.capsule(b.hand[k], V3(0.025f * float(f), -0.08f, 0.02f), V3(0.03f * float(f), -0.15f, 0.045f), 0.016f, 0.012f,
                      skin_dark);
    }

    // Head: sunken, patchy hair, glowing eyes, a hanging jaw.
    limb(s, b.neck, d.neck + 0.03f, 0.06f, 0.055f, skin);
    Xf head = b.head.move(0, 0.1f, 0.02f);
    s.ellipsoid(head, V3(0, 0, 0), V3(0.115f, 0.13f, 0.125f), skin);
    s.ellipsoid(head, V3(-0.03f, 0.07f, -0.02f), V3(0.07f, 0.05f, 0.08f), hair);
    s.ellipsoid(head, V3(0.05f, 0.06f, -0.05f), V3(0.05f, 0.04f, 0.05f), hair);
    for (int k = 0; k < 2; k++) {
        float sg = side_sign(k);
        s.ellipsoid(head, V3(sg * 0.04f, 0.01f, 0.085f), V3(0.03f, 0.022f, 0.02f), skin_dark);
        s.ellipsoid(head, V3(sg * 0.04f, 0.01f, 0.095f), V3(0.017f, 0.014f, 0.012f), eye);
    }
    Xf jaw = head.move(0, -0.05f, 0.02f).rx(st.jaw);
    s.ellipsoid(jaw, V3(0, -0.04f, 0.05f), V3(0.07f, 0.035f, 0.06f), skin);
    s.ellipsoid(head, V3(0, -0.055f, 0.08f), V3(0.045f, 0.02f + 0.05f * st.jaw, 0.02f), mouth);

    s.settle(0);
    s.shadow = {0, 0.03f, 0.28f, 0.2f};
    if (dying) s.shadow = {-0.35f * p.t(), 0, 0.3f + 0.35f * p.t(), 0.22f};
}
