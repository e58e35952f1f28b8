// The goblin caster: small and green with long ears, a ragged purple hooded cloak and a wand tipped with a storm gem.
#include "creatures/creature_defs.h"
#include "creatures/parts.h"
#include <algorithm>
#include <cmath>

namespace {

// hip height, pelvis, spine, shoulders, neck, upper and lower arm, upper and lower leg
const BipedDims kDims{0.52f, 0.16f, 0.36f, 0.3f, 0.05f, 0.21f, 0.2f, 0.26f, 0.25f};

struct State {
    BipedPose bp;
    Xf base;
    float wand_pitch = 0.3f;
    float charge = 0;  // storm gathered at the wand's tip
    float blast = 0;   // the bolt leaving
    float cloak_lift = 0, ripple = 0;
    float air = 0;
};

State pose_for(const Pose& p)
{
    State st;
    switch (p.act) {
    case Act::Walk: {
        // A sneaking, knee-bent creep.
        float ph = p.phase();
        st.bp = gait_pose(ph, {.stride = 0.45f, .knee = 0.9f, .arm = 0.3f, .lean = 0.18f, .sway = 0.06f});
        for (int s = 0; s < 2; s++) st.bp.leg[s].bend += 0.25f;
        st.bp.arm[1].bend = 1.0f;
        st.wand_pitch = 0.4f + 0.15f * std::sin(ph);
        st.ripple = ph;
        st.cloak_lift = 0.1f;
        break;
    }
    case Act::Run: {
        float ph = p.phase();
        st.bp = gait_pose(ph, {.stride = 0.7f, .knee = 1.5f, .arm = 0.7f, .elbow = 1.0f, .lean = 0.35f});
        st.bp.arm[1].bend = 1.2f;
        st.wand_pitch = 1.2f;
        st.ripple = ph * 2;
        st.cloak_lift = 0.6f;
        st.air = 0.04f * std::max(0.f, std::sin(2 * ph));
        break;
    }
    case Act::Idle: {
        float t = p.t();
        st.bp = idle_pose(t, 0.2f);
        st.bp.lean = 0.12f;
        st.bp.head_yaw = -0.25f + 0.5f * smooth01(t);  // glancing around
        st.bp.arm[1].swing = 0.5f;
        st.bp.arm[1].bend = 0.9f;
        for (int s = 0; s < 2; s++) st.bp.leg[s].bend = 0.2f;
        st.wand_pitch = 0.5f;
        st.charge = 0.15f + 0.1f * t;
        st.ripple = t;
        break;
    }
    case Act::Shoot: {
        // Raise the wand, gather the storm, hurl it on the fourth frame.
        const int n = 8;
        static const float arm[n] = {0.5f, 1.6f, 2.6f, 1.45f, 1.3f, 1.0f, 0.7f, 0.5f};
        static const float elbow[n] = {0.9f, 0.6f, 0.4f, 0.05f, 0.1f, 0.4f, 0.7f, 0.9f};
        static const float pitch[n] = {0.5f, 0.2f, -0.4f, 1.45f, 1.4f, 1.0f, 0.7f, 0.5f};
        static const float left[n] = {0.1f, 1.2f, 2.3f, 0.9f, 0.8f, 0.5f, 0.2f, 0.1f};
        static const float lean[n] = {0.1f, -0.05f, -0.15f, 0.35f, 0.32f, 0.22f, 0.14f, 0.1f};
        static const float charge[n] = {0.15f, 0.45f, 0.9f, 0.2f, 0.1f, 0.15f, 0.15f, 0.15f};
        static const float blast[n] = {0, 0, 0.15f, 1.f, 0.55f, 0.15f, 0, 0};
        float t = p.t();
        st.bp = idle_pose(0.4f, 0.2f);
        st.bp.arm[1].swing = keyframe(arm, n, t);
        st.bp.arm[1].bend = keyframe(elbow, n, t);
        st.bp.arm[0].swing = keyframe(left, n, t);
        st.bp.arm[0].spread = 0.35f;
        st.bp.arm[0].bend = 0.4f;
        st.bp.lean = keyframe(lean, n, t);
        for (int s = 0; s < 2; s++) st.bp.leg[s].bend = 0.25f;
        st.bp.leg[0].swing = 0.3f * std::max(0.f, st.bp.lean);
        st.wand_pitch = keyframe(pitch, n, t);
        st.charge = keyframe(charge, n, t);
        st.blast = keyframe(blast, n, t);
        st.ripple = t * 4;
        st.cloak_lift = 0.2f * st.blast;
        break;
    }
    case Act::Death: {
        float t = p.t();
        st.bp = collapse_pose(t, &st.base, 1.f);
        st.wand_pitch = 0.5f + 1.2f * t;
        st.charge = 0.15f * (1 - t);
        st.ripple = t * 2;
        break;
    }
    default:
        st.bp = idle_pose(0.f);
        break;
    }
    return st;
}

}  // namespace

void build_goblin(Scene& s, const Pose& p)
{
    State st = pose_for(p);
    int skin = s.material(V3(0.46f, 0.66f, 0.24f), 0.25f, 16);
    int skin_dark = s.material(V3(0.33f, 0.48f, 0.18f), 0.2f, 12);
    int cloak = s.material(V3(0.46f, 0.22f, 0.55f), 0.1f, 10);
    int cloak_dark = s.material(V3(0.30f, 0.13f, 0.36f), 0.1f, 10);
    int leather = s.material(V3(0.45f, 0.30f, 0.16f), 0.2f, 12);
    int eye = s.material(V3(1.0f, 0.9f, 0.2f), 0.f, 10, 0.9f, 0.f);
    int wood = s.material(V3(0.36f, 0.24f, 0.14f), 0.1f, 10);
    int gem = s.material(V3(0.55f, 0.85f, 1.0f), 0.9f, 40, 0.8f);
    int spark = s.material(V3(0.8f, 0.95f, 1.0f), 0.f, 10, 1.f, 0.f);
    int tooth = s.material(V3(0.95f, 0.92f, 0.8f), 0.3f, 14);
    const BipedDims& d = kDims;
    BipedBones b = solve_biped(d, st.bp, st.base);
    bool dying = p.act == Act::Death;

    // Big bare feet, skinny legs.
    biped_legs(s, b, d, {0.04f, 0.032f, skin, V3(0, -0.02f, 0.05f), V3(0.045f, 0.03f, 0.09f), skin_dark, 0.05f, 0.042f, leather}, dying);

    // Body in a ragged cloak with a belt.
    s.ellipsoid(b.pelvis, V3(0, 0.03f, 0), V3(0.12f, 0.09f, 0.1f), leather);
    RobeStyle robe;
    robe.top = d.hip_h + 0.1f;
    robe.bottom = d.hip_h - 0.3f;
    robe.top_r = 0.13f;
    robe.hem_r = 0.19f;
    robe.leg_r = 0.07f;
    robe.ragged = 0.08f;
    robe.ripple = 0.015f;
    robe.ripple_phase = st.ripple;
    robe.drag = 0.1f * st.cloak_lift;
    robe.trim = 0;
    robe.mat = cloak;
    robe_skirt(s, b, robe);
    s.ellipsoid(b.chest, V3(0, -0.2f, 0.01f), V3(0.12f, 0.15f, 0.11f), cloak);
    s.ellipsoid(b.chest, V3(0, -0.3f, 0), V3(0.125f, 0.025f, 0.11f), leather);
    s.ellipsoid(b.chest, V3(0.08f, -0.33f, 0.06f), V3(0.035f, 0.04f, 0.03f), leather);  // pouch
    CapeStyle mantle;
    mantle.width = 0.3f;
    mantle.length = 0.42f;
    mantle.flare = 0.12f;
    mantle.lift = st.cloak_lift;
    mantle.wave = 0.03f;
    mantle.wave_phase = st.ripple;
    mantle.mat = cloak;
    mantle.lining_mat = cloak_dark;
    cape(s, b, d, mantle);

    // Arms: bony, with big hands.
    for (int k = 0; k < 2; k++) {
        s.sphere(b.upper_arm[k], V3(0, -0.01f, 0), 0.05f, cloak);
        limb(s, b.upper_arm[k], d.arm_up, 0.04f, 0.032f, cloak);
        limb(s, b.fore_arm[k], d.arm_low, 0.03f, 0.026f, skin);
        s.ellipsoid(b.hand[k], V3(0, -0.035f, 0.01f), V3(0.035f, 0.045f, 0.04f), skin);
    }

    // Head: long ears, hooked nose, yellow eyes, a pointed hood thrown back.
    limb(s, b.neck, d.neck + 0.02f, 0.035f, 0.035f, skin);
    Xf head = b.head.move(0, 0.11f, 0.02f);
    s.ellipsoid(head, V3(0, 0, 0), V3(0.12f, 0.115f, 0.12f), skin);
    s.ellipsoid(head, V3(0, -0.06f, 0.04f), V3(0.09f, 0.05f, 0.08f), skin);  // jaw
    s.cone(head, V3(0, -0.005f, 0.1f), V3(0, -0.05f, 0.2f), 0.035f, skin_dark, 8);
    for (int k = 0; k < 2; k++) {
        float sg = side_sign(k);
        s.cone(head, V3(sg * 0.09f, 0.01f, -0.01f), V3(sg * 0.27f, 0.08f, -0.06f), 0.05f, skin, 8);
        s.ellipsoid(head, V3(sg * 0.045f, 0.025f, 0.098f), V3(0.026f, 0.02f, 0.014f), eye);
        s.cone(head, V3(sg * 0.035f, -0.075f, 0.105f), V3(sg * 0.035f, -0.045f, 0.11f), 0.012f, tooth, 5);
    }
    // The hood hangs behind the head.
    s.ellipsoid(b.chest, V3(0, 0.02f, -0.1f), V3(0.13f, 0.09f, 0.08f), cloak);
    s.cone(b.chest, V3(0, 0.0f, -0.16f), V3(0, -0.14f, -0.24f), 0.06f, cloak, 8);

    // The wand in the right hand: gnarled wood, a glowing gem that gathers a storm.
    Xf grip = b.hand[1].move(0, -0.035f, 0.015f);
    Xf wand{b.body.r, grip.t};
    wand = wand.rx(st.wand_pitch + st.bp.lean * 0.5f);
    s.capsule(wand, V3(0, -0.1f, 0), V3(0.015f, 0.15f, 0), 0.018f, 0.016f, wood);
    s.capsule(wand, V3(0.015f, 0.15f, 0), V3(-0.01f, 0.3f, 0.01f), 0.016f, 0.014f, wood);
    s.sphere(wand, V3(-0.01f, 0.34f, 0.01f), 0.04f + 0.02f * st.charge, gem);
    float spin = float(p.frame) * 0.7f;
    if (st.charge > 0.3f) burst(s, wand.move(-0.01f, 0.34f, 0.01f), 0.1f + 0.15f * st.charge, 6, spin, spark, gem);
    if (st.blast > 0.05f) burst(s, wand.move(-0.01f, 0.4f, 0.01f), 0.12f + 0.3f * st.blast, 9, spin + 0.3f, spark, gem);

    s.settle(st.air);
    s.shadow = {0, 0.02f, 0.2f, 0.16f};
    if (dying) s.shadow = {0, -0.2f * p.t(), 0.2f + 0.15f * p.t(), 0.16f + 0.12f * p.t()};
}
