// The snow beast: a hulking white-furred ape with curled horns, a blue face and long arms that smash down.
#include "creatures/creature_defs.h"
#include "creatures/parts.h"
#include <algorithm>
#include <cmath>

namespace {

// hip height, pelvis, spine, shoulders, neck, upper and lower arm, upper and lower leg
const BipedDims kDims{0.82f, 0.34f, 0.58f, 0.68f, 0.06f, 0.44f, 0.42f, 0.4f, 0.38f};

struct State {
    BipedPose bp;
    Xf base;
    float air = 0, mouth = 0.1f;
};

State pose_for(const Pose& p)
{
    State st;
    switch (p.act) {
    case Act::Walk: {
        float ph = p.phase();
        st.bp = gait_pose(ph, {.stride = 0.34f, .knee = 0.7f, .arm = 0.38f, .elbow = 0.3f,
                               .lean = 0.38f, .sway = 0.1f, .twist = 0.14f, .spread = 0.22f});
        st.bp.neck = 0.1f;
        st.bp.head = -0.35f;
        break;
    }
    case Act::Run: {
        // A knuckle gallop: the long arms reach out and pull the body along.
        float ph = p.phase();
        st.bp = gait_pose(ph, {.stride = 0.55f, .knee = 1.2f, .arm = 0.95f, .elbow = 0.2f,
                               .lean = 0.72f, .sway = 0.08f, .twist = 0.2f, .spread = 0.25f});
        for (int s = 0; s < 2; s++) st.bp.arm[s].swing += 0.55f;
        st.bp.neck = -0.1f;
        st.bp.head = -0.55f;
        st.air = 0.05f * std::max(0.f, std::sin(2 * ph));
        st.mouth = 0.25f;
        break;
    }
    case Act::Idle: {
        float t = p.t();
        st.bp = idle_pose(t, 0.28f);
        st.bp.lean = 0.3f;
        st.bp.neck = 0.1f;
        st.bp.head = -0.3f;
        st.bp.head_yaw = 0.2f * (smooth01(t) - 0.5f);
        for (int s = 0; s < 2; s++) {
            st.bp.arm[s].swing = 0.25f;
            st.bp.arm[s].bend = 0.35f + 0.1f * t;
            st.bp.leg[s].bend = 0.2f;
            st.bp.leg[s].spread = 0.1f;
        }
        st.mouth = 0.1f + 0.15f * t;
        break;
    }
    case Act::Attack: {
        // Both fists go up over the head, then hammer down on the fourth frame.
        const int n = 8;
        static const float arm[n] = {0.3f, 1.7f, 2.85f, 0.9f, 0.55f, 0.45f, 0.35f, 0.3f};
        static const float elbow[n] = {0.4f, 0.9f, 1.1f, 0.1f, 0.15f, 0.3f, 0.4f, 0.4f};
        static const float lean[n] = {0.3f, 0.05f, -0.12f, 0.75f, 0.8f, 0.6f, 0.42f, 0.3f};
        static const float knee[n] = {0.2f, 0.15f, 0.1f, 0.55f, 0.6f, 0.45f, 0.3f, 0.2f};
        static const float mouth[n] = {0.1f, 0.3f, 0.5f, 0.6f, 0.4f, 0.25f, 0.15f, 0.1f};
        float t = p.t();
        st.bp = idle_pose(0.5f, 0.25f);
        both_arms(st.bp, keyframe(arm, n, t), keyframe(elbow, n, t), 0.12f);
        for (int s = 0; s < 2; s++) {
            st.bp.leg[s].bend = keyframe(knee, n, t);
            st.bp.leg[s].swing = 0.4f * keyframe(knee, n, t);
            st.bp.leg[s].spread = 0.12f;
        }
        st.bp.lean = keyframe(lean, n, t);
        st.bp.head = -0.4f * st.bp.lean;
        st.mouth = keyframe(mouth, n, t);
        break;
    }
    case Act::Death: {
        float t = p.t();
        st.bp = collapse_pose(t, &st.base, 1.f, true);
        st.bp.lean += 0.2f;
        st.mouth = 0.2f + 0.3f * t;
        break;
    }
    default:
        st.bp = idle_pose(0.f);
        break;
    }
    return st;
}

}  // namespace

void build_snow_beast(Scene& s, const Pose& p)
{
    State st = pose_for(p);
    int fur = s.material(V3(0.88f, 0.90f, 0.96f), 0.05f, 8);
    int fur_shade = s.material(V3(0.70f, 0.76f, 0.90f), 0.05f, 8);
    int hide = s.material(V3(0.36f, 0.44f, 0.62f), 0.3f, 18);
    int horn = s.material(V3(0.82f, 0.76f, 0.62f), 0.35f, 20);
    int eye = s.material(V3(0.4f, 0.9f, 1.0f), 0.f, 10, 0.9f, 0.f);
    int mouth = s.material(V3(0.25f, 0.1f, 0.18f), 0.2f, 10);
    int tooth = s.material(V3(0.98f, 0.97f, 0.92f), 0.4f, 20);
    const BipedDims& d = kDims;
    BipedBones b = solve_biped(d, st.bp, st.base);
    bool dying = p.act == Act::Death;

    // Short thick legs on broad blue feet.
    s.set_contact(true);
    for (int k = 0; k < 2; k++) {
        limb(s, b.shin[k], d.leg_low, 0.1f, 0.085f, fur);
        s.ellipsoid(b.foot[k], V3(0, -0.03f, 0.07f), V3(0.085f, 0.05f, 0.14f), hide);
    }
    s.set_contact(dying);
    for (int k = 0; k < 2; k++) {
        limb(s, b.thigh[k], d.leg_up, 0.14f, 0.11f, fur);
        tufts(s, b.thigh[k], d.leg_up, 0.13f, 2, 7, 0.07f, fur, float(k));
        tufts(s, b.shin[k], d.leg_low * 0.7f, 0.1f, 1, 7, 0.07f, fur_shade, float(k) + 0.5f);
    }

    // A barrel body under a mountain of shoulder fur.
    float br = st.bp.breath;
    s.ellipsoid(b.pelvis, V3(0, 0.05f, 0), V3(0.24f, 0.18f, 0.2f), fur);
    s.ellipsoid(b.chest, V3(0, -0.32f, 0.02f), V3(0.26f, 0.24f, 0.22f), fur);
    s.ellipsoid(b.chest, V3(0, -0.1f, 0), V3(0.36f * (1 + 0.03f * br), 0.24f, 0.26f), fur);
    s.ellipsoid(b.chest, V3(0, -0.16f, 0.15f), V3(0.2f, 0.18f, 0.1f), fur_shade);  // chest
    s.ellipsoid(b.chest, V3(0, 0.02f, -0.08f), V3(0.28f, 0.16f, 0.2f), fur);       // hump
    for (int k = 0; k < 2; k++) {
        float sg = side_sign(k);
        s.ellipsoid(b.chest, V3(sg * 0.2f, -0.02f, -0.02f), V3(0.16f, 0.14f, 0.16f), fur);
    }
    // Shaggy mane over the shoulders and back.
    tufts(s, b.chest.move(0, 0.12f, -0.06f), 0.42f, 0.3f, 2, 11, 0.1f, fur, 0.3f);
    tufts(s, b.pelvis.move(0, 0.15f, 0), 0.2f, 0.24f, 1, 9, 0.08f, fur_shade, 0.1f);

    // Long arms ending in heavy blue fists.
    for (int k = 0; k < 2; k++) {
        limb(s, b.upper_arm[k], d.arm_up, 0.12f, 0.1f, fur);
        limb(s, b.fore_arm[k], d.arm_low, 0.11f, 0.09f, fur);
        tufts(s, b.upper_arm[k], d.arm_up, 0.11f, 2, 7, 0.07f, fur, float(k) * 0.7f);
        tufts(s, b.fore_arm[k], d.arm_low, 0.1f, 2, 7, 0.075f, fur, 0.4f + float(k));
        s.ellipsoid(b.fore_arm[k], V3(0, -0.18f, 0), V3(0.125f, 0.1f, 0.12f), fur_shade);  // shaggy cuff
        s.ellipsoid(b.hand[k], V3(0, -0.06f, 0.01f), V3(0.085f, 0.09f, 0.09f), hide);
    }

    // Head low between the shoulders: blue face, glowing eyes, fangs and curled horns.
    Xf head = b.head.move(0, 0.06f, 0.1f);
    s.ellipsoid(head, V3(0, 0.02f, -0.02f), V3(0.15f, 0.14f, 0.14f), fur);
    tufts(s, head.move(0, 0.14f, -0.04f), 0.1f, 0.12f, 1, 8, 0.06f, fur, 0.2f);
    s.ellipsoid(head, V3(0, -0.01f, 0.07f), V3(0.11f, 0.11f, 0.08f), hide);
    s.ellipsoid(head, V3(0, 0.06f, 0.09f), V3(0.11f, 0.03f, 0.05f), hide);  // brow
    Xf jaw = head.move(0, -0.05f, 0.05f).rx(st.mouth * 0.8f);
    s.ellipsoid(jaw, V3(0, -0.03f, 0.04f), V3(0.1f, 0.045f, 0.07f), hide);
    s.ellipsoid(head, V3(0, -0.06f, 0.11f), V3(0.06f, 0.015f + 0.05f * st.mouth, 0.03f), mouth);
    for (int k = 0; k < 2; k++) {
        float sg = side_sign(k);
        s.ellipsoid(head, V3(sg * 0.045f, 0.03f, 0.14f), V3(0.025f, 0.018f, 0.012f), eye);
        s.cone(jaw, V3(sg * 0.04f, -0.01f, 0.09f), V3(sg * 0.04f, 0.05f, 0.095f), 0.014f, tooth, 5);
        // Horns sweep out, back and forward again.
        V3 h0(sg * 0.1f, 0.1f, -0.02f), h1(sg * 0.25f, 0.2f, -0.1f), h2(sg * 0.33f, 0.1f, 0.04f);
        s.capsule(head, h0, h1, 0.05f, 0.036f, horn);
        s.capsule(head, h1, h2, 0.036f, 0.012f, horn);
    }

    s.settle(st.air);
    s.shadow = {0, 0.05f, 0.42f, 0.3f};
    if (dying) s.shadow = {-0.45f * p.t(), 0, 0.42f + 0.4f * p.t(), 0.3f};
}
