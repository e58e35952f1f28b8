// The sorceress: copper hair, blue robe with gold trim, a staff crowned by a glowing orb.
#include "creatures/creature_defs.h"
#include "creatures/parts.h"
#include <algorithm>
#include <cmath>

namespace {

struct Look {
    int skin, hair, robe, bodice, gold, wood, orb, flash, boots, eyes, glow;
};

Look materials(Scene& s, float orb_glow)
{
    Look m;
    m.skin = s.material(V3(0.95f, 0.76f, 0.63f), 0.12f, 14);
    m.hair = s.material(V3(0.78f, 0.30f, 0.12f), 0.35f, 22);
    m.robe = s.material(V3(0.30f, 0.25f, 0.70f), 0.2f, 16);
    m.bodice = s.material(V3(0.22f, 0.16f, 0.50f), 0.25f, 18);
    m.gold = s.material(V3(0.98f, 0.78f, 0.30f), 0.7f, 30);
    m.wood = s.material(V3(0.50f, 0.31f, 0.15f), 0.15f, 12);
    m.orb = s.material(V3(0.55f, 0.95f, 1.0f), 0.9f, 40, orb_glow);
    m.flash = s.material(V3(1.0f, 0.97f, 0.75f), 0.f, 10, 1.f, 0.f);
    m.boots = s.material(V3(0.42f, 0.26f, 0.16f), 0.2f, 14);
    m.eyes = s.material(V3(0.12f, 0.12f, 0.28f), 0.4f, 30);
    m.glow = s.material(V3(0.6f, 0.95f, 1.0f), 0.f, 10, 1.f, 0.f);
    return m;
}

// hip height, pelvis, spine, shoulders, neck, upper and lower arm, upper and lower leg
const BipedDims kDims{0.92f, 0.16f, 0.46f, 0.31f, 0.09f, 0.28f, 0.26f, 0.45f, 0.43f};

struct State {
    BipedPose bp;
    Xf base;
    float staff_pitch = 0, staff_roll = 0.08f;
    bool staff_held = true;
    Xf staff_free;          // where a dropped staff lies
    float hair_flow = 0.1f; // 0 hanging, 1 streaming back
    float drag = 0, ripple_phase = 0, ripple = 0.012f;
    float flash = 0, orb_glow = 0.8f;
    float air = 0;          // lift above the ground (running)
    float hitch = 0;        // robe hem raised off the ankles
};

void hold_staff(BipedPose& bp, float swing, float elbow)
{
    bp.arm[1].swing = swing;
    bp.arm[1].bend = elbow;
    bp.arm[1].spread = 0.12f;
    bp.arm[1].twist = 0.0f;
}

State pose_for(const Pose& p)
{
    State st;
    switch (p.act) {
    case Act::Walk: {
        float ph = p.phase();
        st.bp = gait_pose(ph, {.stride = 0.42f, .knee = 0.85f, .arm = 0.32f, .lean = 0.05f});
        hold_staff(st.bp, 0.2f + 0.12f * std::sin(ph), 1.05f);
        st.staff_pitch = 0.06f + 0.1f * std::sin(ph);
        st.hair_flow = 0.28f;
        st.ripple_phase = ph;
        st.ripple = 0.018f;
        st.drag = 0.03f;
        break;
    }
    case Act::Run: {
        float ph = p.phase();
        st.bp = gait_pose(ph, {.stride = 0.6f, .knee = 1.7f, .arm = 0.75f, .elbow = 1.2f, .lean = 0.26f, .twist = 0.14f});
        hold_staff(st.bp, 0.35f + 0.15f * std::sin(ph), 1.35f);
        st.staff_pitch = 0.55f;
        st.hair_flow = 0.5f;
        st.ripple_phase = ph * 2;
        st.ripple = 0.025f;
        st.drag = 0.2f;
        st.hitch = 0.22f;
        st.air = 0.05f * std::max(0.f, std::sin(2 * ph));
        break;
    }
    case Act::Idle: {
        float t = p.t();
        st.bp = idle_pose(t);
        hold_staff(st.bp, 0.12f, 1.15f);
        st.bp.arm[0].bend = 0.35f + 0.05f * t;
        st.staff_pitch = 0.03f;
        st.hair_flow = 0.08f + 0.06f * t;
        st.ripple_phase = t * 1.5f;
        st.ripple = 0.008f;
        st.orb_glow = 0.65f + 0.35f * t;
        break;
    }
    case Act::Shoot: {
        // Wind up over the head, strike on the fourth frame, follow through, recover.
        const int n = 8;
        // The blow is a thrust at chest height: the orb stays above the ground line facing the viewer too.
        static const float swing[n] = {0.15f, 1.6f, 2.7f, 1.3f, 1.2f, 0.85f, 0.45f, 0.15f};
        static const float elbow[n] = {1.1f, 0.9f, 0.6f, 0.55f, 0.6f, 0.75f, 0.95f, 1.1f};
        static const float pitch[n] = {0.03f, -0.3f, -1.3f, 1.45f, 1.35f, 0.95f, 0.45f, 0.03f};
        static const float lean[n] = {0.f, -0.08f, -0.16f, 0.3f, 0.27f, 0.16f, 0.05f, 0.f};
        static const float flash[n] = {0, 0, 0.1f, 1.f, 0.65f, 0.25f, 0, 0};
        static const float step[n] = {0, 0.05f, 0.1f, 0.4f, 0.4f, 0.3f, 0.12f, 0};
        static const float lswing[n] = {0.02f, -0.2f, -0.55f, 0.5f, 0.45f, 0.3f, 0.1f, 0.02f};
        static const float lspread[n] = {0.12f, 0.3f, 0.55f, 0.35f, 0.3f, 0.22f, 0.15f, 0.12f};
        float t = p.t();
        st.bp = idle_pose(0.3f);
        hold_staff(st.bp, keyframe(swing, n, t), keyframe(elbow, n, t));
        st.staff_pitch = keyframe(pitch, n, t);
        st.bp.lean = keyframe(lean, n, t);
        st.bp.head = -st.bp.lean * 0.5f;
        st.flash = keyframe(flash, n, t);
        st.orb_glow = 0.8f + 0.2f * st.flash;
        float stp = keyframe(step, n, t);
        lunge_legs(st.bp, stp, {.knee_step = 0.4f, .ankle = -0.2f, .push = -0.55f, .push_ankle = 0.4f});
        st.bp.leg[1].bend = 0.12f;
        st.bp.arm[0].swing = keyframe(lswing, n, t);
        st.bp.arm[0].spread = keyframe(lspread, n, t);
        st.bp.arm[0].bend = 0.4f;
        st.bp.twist = -0.25f * st.bp.lean;
        st.hair_flow = 0.15f + 0.5f * std::max(0.f, -keyframe(lean, n, t)) * 3;
        st.ripple_phase = t * 4;
        st.ripple = 0.015f;
        st.drag = -0.05f * stp;
        break;
    }
    case Act::Death: {
        float t = p.t();
        st.bp = collapse_pose(t, &st.base);
        st.staff_held = t < 0.2f;
        if (!st.staff_held) {
            // The staff slips from her hand and topples forward onto the ground.
            float drop = clampf((t - 0.2f) / 0.55f, 0.f, 1.f);
            // It pivots on its butt, which stays on the ground, and falls back to lie beside her.
            st.staff_free = Xf{}.move(0.25f, 0.03f, 0.25f).rz(-0.12f).rx(-(0.1f + drop * drop * 1.45f)).move(0, 0.85f, 0);
        }
        st.hair_flow = 0.3f;
        st.orb_glow = 0.8f * (1 - t) + 0.2f;
        break;
    }
    default:
        st.bp = idle_pose(0.f);
        break;
    }
    return st;
}

void draw_staff(Scene& s, const Look& m, const Xf& grip, float glow, float flash, float spin)
{
    // Along the staff's local +y: butt at -0.82, orb at +0.98.
    s.capsule(grip, V3(0, -0.82f, 0), V3(0, 0.86f, 0), 0.028f, 0.032f, m.wood);
    s.capsule(grip, V3(0, -0.85f, 0), V3(0, -0.76f, 0), 0.03f, 0.03f, m.gold);
    s.ellipsoid(grip, V3(0, 0.84f, 0), V3(0.045f, 0.03f, 0.045f), m.gold);
    // Two gold prongs cradle the orb.
    for (int k = 0; k < 2; k++) {
        float sg = k == 0 ? 1.f : -1.f;
        s.capsule(grip, V3(0, 0.86f, 0), V3(sg * 0.07f, 0.96f, 0), 0.016f, 0.014f, m.gold);
        s.capsule(grip, V3(sg * 0.07f, 0.96f, 0), V3(sg * 0.035f, 1.06f, 0), 0.014f, 0.01f, m.gold);
    }
    float r = 0.06f + 0.01f * glow;
    s.sphere(grip, V3(0, 0.98f, 0), r, m.orb);
    if (flash > 0.05f) burst(s, grip.move(0, 0.98f, 0), 0.12f + 0.28f * flash, 8, spin, m.flash, m.glow);
}

}  // namespace

void build_goddess(Scene& s, const Pose& p)
{
    State st = pose_for(p);
    Look m = materials(s, st.orb_glow);
    const BipedDims& d = kDims;
    BipedBones b = solve_biped(d, st.bp, st.base);
    bool dying = p.act == Act::Death;

    // Legs: slim, in soft boots; only the boots show below the robe.
    biped_legs(s, b, d, {0.04f, 0.033f, m.bodice, V3(0, -0.03f, 0.045f), V3(0.042f, 0.038f, 0.09f), m.boots, 0.065f, 0.045f, m.bodice},
               dying);

    // Robe from the waist, wrapping the legs, gold at the hem.
    Xf inv = inverse(b.body);
    float feet = std::min(inv.point(b.ankle_p[0]).y, inv.point(b.ankle_p[1]).y);
    RobeStyle rs;
    rs.top = d.hip_h + st.bp.offset.y + 0.08f;
    rs.bottom = feet + 0.05f + st.hitch;
    rs.top_r = 0.13f;
    rs.hem_r = 0.25f;
    rs.leg_r = st.hitch > 0 ? 0.06f : 0.085f;
    rs.ripple = st.ripple;
    rs.ripple_phase = st.ripple_phase;
    rs.drag = st.drag;
    rs.trim = 0.1f;
    rs.mat = m.robe;
    rs.trim_mat = m.gold;
    robe_skirt(s, b, rs);

    // Torso.
    float br = st.bp.breath;
    s.ellipsoid(b.pelvis, V3(0, 0.04f, 0), V3(0.14f, 0.1f, 0.105f), m.robe);
    s.ellipsoid(b.pelvis, V3(0, 0.1f, 0), V3(0.13f, 0.026f, 0.1f), m.gold);
    s.ellipsoid(b.chest, V3(0, -0.3f, 0), V3(0.105f, 0.13f, 0.08f), m.bodice);
    s.ellipsoid(b.chest, V3(0, -0.13f, 0.005f), V3(0.13f * (1 + 0.03f * br), 0.13f, 0.085f * (1 + 0.06f * br)), m.bodice);
    s.ellipsoid(b.chest, V3(0, -0.02f, 0.0f), V3(0.1f, 0.022f, 0.075f), m.gold);
    for (int k = 0; k < 2; k++) {
        float sg = side_sign(k);
        s.ellipsoid(b.chest, V3(sg * 0.05f, -0.14f, 0.055f), V3(0.05f, 0.05f, 0.045f), m.bodice);
        s.sphere(b.upper_arm[k], V3(0, -0.02f, 0), 0.058f, m.robe);
    }

    // Arms: sleeves to the elbow, flared cuffs, bare hands.
    for (int k = 0; k < 2; k++) {
        limb(s, b.upper_arm[k], d.arm_up, 0.045f, 0.04f, m.robe);
        limb(s, b.fore_arm[k], d.arm_low * 0.95f, 0.032f, 0.027f, m.skin);
        s.capsule(b.fore_arm[k], V3(0, -0.02f, 0), V3(0, -0.14f, 0), 0.042f, 0.055f, m.robe);
        s.ellipsoid(b.fore_arm[k], V3(0, -0.15f, 0), V3(0.057f, 0.014f, 0.057f), m.gold);
        s.ellipsoid(b.hand[k], V3(0, -0.035f, 0.005f), V3(0.03f, 0.045f, 0.036f), m.skin);
    }

    // Head: face, copper hair falling down the back, a gold circlet with a gem.
    limb(s, b.neck, d.neck + 0.02f, 0.038f, 0.036f, m.skin);
    Xf head = b.head.move(0, 0.1f, 0.01f);
    s.ellipsoid(head, V3(0, 0, 0), V3(0.095f, 0.115f, 0.1f), m.skin);
    s.ellipsoid(head, V3(0, 0.045f, -0.035f), V3(0.106f, 0.1f, 0.1f), m.hair);
    s.ellipsoid(head, V3(0, 0.075f, 0.055f), V3(0.075f, 0.035f, 0.045f), m.hair);  // fringe
    for (int k = 0; k < 2; k++) {
        float sg = side_sign(k);
        s.ellipsoid(head, V3(sg * 0.036f, 0.0f, 0.086f), V3(0.02f, 0.016f, 0.012f), m.eyes);
        s.ellipsoid(head, V3(sg * 0.075f, -0.04f, -0.01f), V3(0.04f, 0.08f, 0.05f), m.hair);  // locks by the face
    }
    s.ellipsoid(head, V3(0, 0.045f, 0.0f), V3(0.104f, 0.018f, 0.104f), m.gold);
    s.sphere(head, V3(0, 0.05f, 0.1f), 0.018f, m.orb);
    {
        V3 down = b.chest.dir(V3(0, -1, 0)), back = b.chest.dir(V3(0, 0, -1));
        V3 flow = normalize(down * (1 - st.hair_flow) + back * (st.hair_flow + 0.15f));
        V3 root = head.point(V3(0, -0.01f, -0.075f));
        const float rad[4] = {0.08f, 0.075f, 0.06f, 0.035f};
        V3 prev = root;
        for (int k = 1; k < 4; k++) {
            V3 c = root + flow * (0.14f * float(k)) + back * (0.025f * float(k) * (1 - st.hair_flow));
            s.capsule(Xf{}, prev, c, rad[k - 1], rad[k], m.hair);
            prev = c;
        }
    }

    // The staff: held in the right hand (it moves with her), or lying where it fell (on the real ground).
    s.set_contact(false);
    float spin = float(p.frame) * 0.4f;
    if (st.staff_held) {
        Xf grip = b.hand[1].move(0, -0.04f, 0.02f);
        Xf staff{b.body.r, grip.t};
        staff = staff.rx(st.staff_pitch + st.bp.lean * 0.5f).rz(-st.staff_roll);
        draw_staff(s, m, staff, st.orb_glow, st.flash, spin);
    }
    s.settle(dying ? 0.f : st.air);
    if (!st.staff_held) draw_staff(s, m, st.staff_free, st.orb_glow, 0, spin);
    s.shadow = {0, 0.02f, 0.26f, 0.2f};
    if (dying) s.shadow = {0, -0.3f * p.t(), 0.3f + 0.25f * p.t(), 0.22f + 0.2f * p.t()};
}
