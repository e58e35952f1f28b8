// The vampire: tall and pale in black, a high-collared cape lined with red that opens like wings to strike.
#include "creatures/creature_defs.h"
#include "creatures/parts.h"
#include <algorithm>
#include <cmath>

namespace {

// hip height, pelvis, spine, shoulders, neck, upper and lower arm, upper and lower leg
const BipedDims kDims{0.96f, 0.17f, 0.5f, 0.36f, 0.09f, 0.31f, 0.29f, 0.48f, 0.46f};

struct State {
    BipedPose bp;
    CapeStyle cape;
    float air = 0;
    float fangs = 0;  // mouth open
};

State pose_for(const Pose& p)
{
    State st;
    st.cape.width = 0.42f;
    st.cape.length = 1.12f;
    st.cape.flare = 0.3f;
    st.cape.collar = 0.17f;
    switch (p.act) {
    case Act::Walk: {
        float ph = p.phase();
        st.bp = gait_pose(ph, {.stride = 0.36f, .knee = 0.8f, .arm = 0.22f, .lean = 0.03f, .sway = 0.03f});
        st.cape.wave = 0.05f;
        st.cape.wave_phase = ph;
        st.cape.lift = 0.08f;
        break;
    }
    case Act::Run: {
        float ph = p.phase();
        st.bp = gait_pose(ph, {.stride = 0.62f, .knee = 1.5f, .arm = 0.2f, .elbow = 0.3f, .lean = 0.34f, .twist = 0.06f});
        for (int s = 0; s < 2; s++) {  // arms swept back, claws trailing
            st.bp.arm[s].swing = -0.7f + 0.15f * std::sin(ph + float(s) * kPi);
            st.bp.arm[s].spread = 0.3f;
        }
        st.cape.lift = 0.75f;
        st.cape.wave = 0.08f;
        st.cape.wave_phase = ph * 2;
        st.air = 0.04f * std::max(0.f, std::sin(2 * ph));
        break;
    }
    case Act::Idle: {
        float t = p.t();
        st.bp = idle_pose(t, 0.1f);
        // One hand raised before the chest, claws ready.
        st.bp.arm[1].swing = 0.55f;
        st.bp.arm[1].bend = 1.55f + 0.1f * t;
        st.bp.arm[1].spread = 0.15f;
        st.bp.head = -0.06f;
        st.cape.wave = 0.03f;
        st.cape.wave_phase = t * 2;
        st.fangs = 0.2f * t;
        break;
    }
    case Act::Attack: {
        // The cape opens like wings, then the vampire swoops and strikes on the fourth frame.
        const int n = 8;
        static const float spread[n] = {0.f, 0.6f, 1.f, 0.55f, 0.45f, 0.3f, 0.12f, 0.f};
        static const float arm[n] = {0.1f, 0.6f, 1.2f, 1.35f, 1.2f, 0.8f, 0.35f, 0.1f};
        static const float aspread[n] = {0.1f, 0.9f, 1.2f, 0.2f, 0.25f, 0.2f, 0.15f, 0.1f};
        static const float elbow[n] = {0.2f, 0.6f, 0.9f, 0.05f, 0.15f, 0.3f, 0.25f, 0.2f};
        static const float lean[n] = {0.02f, -0.05f, -0.12f, 0.45f, 0.42f, 0.25f, 0.1f, 0.02f};
        static const float rise[n] = {0, 0.03f, 0.07f, 0.f, 0, 0, 0, 0};
        static const float step[n] = {0, 0, 0.05f, 0.5f, 0.5f, 0.3f, 0.1f, 0};
        float t = p.t();
        st.bp = idle_pose(0.5f, 0.1f);
        both_arms(st.bp, keyframe(arm, n, t), keyframe(elbow, n, t), keyframe(aspread, n, t));
        st.bp.lean = keyframe(lean, n, t);
        st.bp.head = -0.3f * st.bp.lean;
        float sp = keyframe(step, n, t);
        lunge_legs(st.bp, sp, {});
        st.cape.spread = keyframe(spread, n, t);
        st.cape.lift = 0.15f + 0.3f * sp;
        st.cape.wave = 0.04f;
        st.cape.wave_phase = t * 5;
        st.air = keyframe(rise, n, t);
        st.fangs = std::min(1.f, 2.f * keyframe(spread, n, t));
        break;
    }
    default:
        st.bp = idle_pose(0.f);
        break;
    }
    return st;
}

}  // namespace

void build_vampire(Scene& s, const Pose& p)
{
    State st = pose_for(p);
    int skin = s.material(V3(0.88f, 0.86f, 0.92f), 0.2f, 16);
    int suit = s.material(V3(0.19f, 0.17f, 0.27f), 0.35f, 20);
    int shirt = s.material(V3(0.92f, 0.9f, 0.86f), 0.1f, 10);
    int cape = s.material(V3(0.30f, 0.15f, 0.40f), 0.3f, 18);
    int lining = s.material(V3(0.80f, 0.08f, 0.12f), 0.35f, 20);
    int hair = s.material(V3(0.08f, 0.08f, 0.12f), 0.6f, 30);
    int eye = s.material(V3(1.0f, 0.15f, 0.12f), 0.f, 10, 0.9f, 0.f);
    int gem = s.material(V3(0.95f, 0.1f, 0.15f), 0.9f, 40, 0.4f);
    int boot = s.material(V3(0.10f, 0.09f, 0.11f), 0.6f, 30);
    int claw = s.material(V3(0.85f, 0.82f, 0.78f), 0.4f, 20);
    const BipedDims& d = kDims;
    BipedBones b = solve_biped(d, st.bp);

    biped_legs(s, b, d, {0.05f, 0.04f, suit, V3(0, -0.03f, 0.06f), V3(0.045f, 0.04f, 0.11f), boot, 0.072f, 0.055f, suit}, false);

    // A long black coat over the hips, a white shirt front with a red jewel.
    s.ellipsoid(b.pelvis, V3(0, 0.03f, 0), V3(0.15f, 0.11f, 0.11f), suit);
    RobeStyle coat;
    coat.top = d.hip_h + 0.12f;
    coat.bottom = d.hip_h - 0.3f;
    coat.top_r = 0.14f;
    coat.hem_r = 0.19f;
    coat.leg_r = 0.09f;
    coat.trim = 0;
    coat.mat = suit;
    robe_skirt(s, b, coat);
    float br = st.bp.breath;
    s.ellipsoid(b.chest, V3(0, -0.3f, 0), V3(0.12f, 0.15f, 0.095f), suit);
    s.ellipsoid(b.chest, V3(0, -0.12f, 0), V3(0.16f * (1 + 0.02f * br), 0.15f, 0.105f), suit);
    s.ellipsoid(b.chest, V3(0, -0.12f, 0.06f), V3(0.06f, 0.12f, 0.055f), shirt);
    s.sphere(b.chest, V3(0, -0.05f, 0.105f), 0.025f, gem);
    for (int k = 0; k < 2; k++) s.sphere(b.upper_arm[k], V3(0, -0.01f, 0), 0.072f, suit);

    // Arms and clawed hands.
    for (int k = 0; k < 2; k++) {
        limb(s, b.upper_arm[k], d.arm_up, 0.052f, 0.045f, suit);
        limb(s, b.fore_arm[k], d.arm_low, 0.044f, 0.036f, suit);
        s.ellipsoid(b.fore_arm[k], V3(0, -d.arm_low + 0.02f, 0), V3(0.045f, 0.025f, 0.045f), shirt);
        s.ellipsoid(b.hand[k], V3(0, -0.04f, 0.01f), V3(0.032f, 0.05f, 0.042f), skin);
        for (int f = -1; f <= 1; f++)
            s.cone(b.hand[k], V3(0.02f * float(f), -0.075f, 0.02f), V3(0.026f * float(f), -0.15f, 0.045f), 0.011f, claw, 6);
    }

    // Head: pale, slicked black hair with a widow's peak, red eyes, fangs when it snarls.
    limb(s, b.neck, d.neck + 0.03f, 0.042f, 0.04f, skin);
    Xf head = b.head.move(0, 0.1f, 0.01f);
    s.ellipsoid(head, V3(0, 0, 0), V3(0.092f, 0.125f, 0.1f), skin);
    s.ellipsoid(head, V3(0, 0.04f, -0.03f), V3(0.1f, 0.1f, 0.1f), hair);
    s.cone(head, V3(0, 0.09f, 0.04f), V3(0, 0.03f, 0.1f), 0.04f, hair, 6);
    for (int k = 0; k < 2; k++) {
        float sg = side_sign(k);
        s.ellipsoid(head, V3(sg * 0.036f, 0.005f, 0.086f), V3(0.019f, 0.012f, 0.012f), eye);
        s.cone(head, V3(sg * 0.09f, 0.02f, 0.0f), V3(sg * 0.14f, 0.08f, -0.03f), 0.025f, skin, 6);  // pointed ears
        if (st.fangs > 0.1f) s.cone(head, V3(sg * 0.02f, -0.06f, 0.088f), V3(sg * 0.02f, -0.06f - 0.04f * st.fangs, 0.09f), 0.008f, claw, 5);
    }

    {
        CapeStyle cs = st.cape;
        cs.mat = cape;
        cs.lining_mat = lining;
        ::cape(s, b, d, cs);
    }

    s.settle(st.air);
    s.shadow = {0, -0.05f, 0.28f, 0.22f};
}
