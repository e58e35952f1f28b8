// A two-legged skeleton: forward kinematics and the stock gait cycles.
#include "creatures/biped.h"
#include "creatures/parts.h"
#include <algorithm>
#include <cmath>

BipedBones solve_biped(const BipedDims& d, const BipedPose& p, const Xf& base)
{
    BipedBones b;
    b.body = base.move(p.offset);
    b.pelvis = b.body.move(0, d.hip_h, 0).ry(p.yaw).rz(p.roll);
    b.chest = b.pelvis.rx(p.lean + p.bend).ry(p.twist).rz(p.side).move(0, d.spine, 0);
    b.neck = b.chest.move(0, 0.02f, 0).rx(p.neck);
    b.head = b.neck.move(0, d.neck, 0).rx(p.head).ry(p.head_yaw).rz(p.head_roll);
    for (int s = 0; s < 2; s++) {
        float sg = side_sign(s);
        const LimbPose& a = p.arm[s];
        Xf sh = b.chest.move(sg * d.shoulder_w * 0.5f, -0.03f, 0);
        b.upper_arm[s] = sh.rz(sg * a.spread).rx(-a.swing).ry(sg * a.twist);
        b.fore_arm[s] = b.upper_arm[s].move(0, -d.arm_up, 0).rx(-a.bend);
        b.hand[s] = b.fore_arm[s].move(0, -d.arm_low, 0).rx(-a.end);
        b.shoulder_p[s] = b.upper_arm[s].t;
        b.elbow_p[s] = b.fore_arm[s].t;
        b.wrist_p[s] = b.hand[s].t;

        const LimbPose& l = p.leg[s];
        Xf hip = b.pelvis.move(sg * d.pelvis_w * 0.5f, 0, 0);
        b.thigh[s] = hip.rz(sg * l.spread).rx(-l.swing).ry(sg * l.twist);
        b.shin[s] = b.thigh[s].move(0, -d.leg_up, 0).rx(l.bend);
        b.foot[s] = b.shin[s].move(0, -d.leg_low, 0).rx(l.end);
        b.hip_p[s] = b.thigh[s].t;
        b.knee_p[s] = b.shin[s].t;
        b.ankle_p[s] = b.foot[s].t;
    }
    return b;
}

BipedPose gait_pose(float phase, const GaitStyle& st)
{
    BipedPose p;
    p.lean = st.lean;
    p.roll = st.sway * std::sin(phase);
    p.twist = -st.twist * std::sin(phase);
    p.yaw = st.twist * 0.5f * std::sin(phase);
    for (int s = 0; s < 2; s++) {
        float ph = phase + (s == 0 ? 0.f : kPi);
        float swing = st.stride * std::sin(ph);
        // The knee folds while the leg swings through, and stays nearly straight under load.
        float lift = std::max(0.f, std::cos(ph - 0.35f));
        float bend = 0.08f + st.knee * lift * lift;
        p.leg[s].swing = swing;
        p.leg[s].bend = bend;
        p.leg[s].end = (swing - bend) * 0.85f - 0.25f * lift;
        p.arm[s].swing = -st.arm * std::sin(ph);
        p.arm[s].bend = st.elbow + 0.25f * std::max(0.f, -std::sin(ph)) * st.arm;
        p.arm[s].spread = st.spread;
    }
    p.head = -p.lean * 0.6f;
    return p;
}

void both_arms(BipedPose& p, float swing, float bend, float spread)
{
    for (int s = 0; s < 2; s++) {
        p.arm[s].swing = swing;
        p.arm[s].bend = bend;
        p.arm[s].spread = spread;
    }
}

void lunge_legs(BipedPose& p, float step, const LungeStyle& st)
{
    p.leg[0].swing = step;
    p.leg[0].bend = st.knee + st.knee_step * step;
    p.leg[0].end = st.ankle * step;
    p.leg[1].swing = st.push * step;
    p.leg[1].end = st.push_ankle * step;
}

BipedPose idle_pose(float t, float arm_spread)
{
    BipedPose p;
    float b = smooth01(t);
    p.breath = b;
    p.bend = -0.02f * b;
    p.head = -0.03f * b;
    p.offset = V3(0, 0, 0);
    for (int s = 0; s < 2; s++) {
        p.arm[s].spread = arm_spread + 0.03f * b;
        p.arm[s].bend = 0.15f + 0.05f * b;
        p.arm[s].swing = 0.02f;
        p.leg[s].spread = 0.03f;
        p.leg[s].bend = 0.04f;
        p.leg[s].end = -0.04f;
    }
    return p;
}

BipedPose collapse_pose(float t, Xf* base, float arm_fling, bool sideways)
{
    const int n = 8;
    static const float lean[n] = {-0.18f, -0.28f, 0.15f, 0.3f, 0.2f, 0.05f, 0.f, 0.f};
    static const float knee[n] = {0.05f, 0.25f, 0.9f, 1.7f, 1.5f, 0.9f, 0.4f, 0.25f};
    static const float hip[n] = {0.f, 0.1f, 0.45f, 0.85f, 0.75f, 0.45f, 0.2f, 0.1f};
    static const float fall[n] = {0.f, 0.f, 0.f, 0.05f, 0.45f, 0.95f, 1.42f, 1.55f};
    static const float arms[n] = {0.6f, 1.2f, 0.6f, 0.3f, 0.6f, 1.2f, 1.6f, 1.7f};
    BipedPose p = idle_pose(0.f);
    p.lean = keyframe(lean, n, t);
    p.head = -0.5f * p.lean + 0.2f * keyframe(fall, n, t);
    for (int s = 0; s < 2; s++) {
        p.leg[s].swing = keyframe(hip, n, t) * (s == 0 ? 1.f : 0.7f);
        p.leg[s].bend = keyframe(knee, n, t);
        p.leg[s].end = -0.4f * p.leg[s].bend;
        p.leg[s].spread = 0.06f;
        p.arm[s].spread = 0.2f + 0.5f * keyframe(arms, n, t) * arm_fling;
        p.arm[s].swing = 0.3f * keyframe(arms, n, t) * arm_fling;
        p.arm[s].bend = 0.5f;
    }
    float f = keyframe(fall, n, t);
    // A sideways fall leans a little away from the viewer, so nothing sprawls below the feet on screen.
    if (base) *base = sideways ? Xf{}.rz(f).rx(-0.2f * f) : Xf{}.rx(-f);
    if (sideways) {
        // Keep the arm on the ground side tucked in front, fling the other one over.
        p.lean *= 0.5f;
        p.arm[1].spread = 0.05f;
        p.arm[1].swing = 0.3f + 0.6f * smooth01(t * 1.5f);
        p.arm[0].spread = 0.25f + 0.3f * smooth01(t);
    }
    return p;
}
