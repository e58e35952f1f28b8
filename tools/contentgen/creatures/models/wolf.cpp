// The wolf: a grey four-legged hunter with a pale ruff, bushy tail and snapping jaws (also the giant wolf boss).
#include "creatures/creature_defs.h"
#include "creatures/parts.h"
#include <algorithm>
#include <cmath>

namespace {

// Leg order: 0 left front, 1 right front, 2 left hind, 3 right hind.
struct LegState {
    float swing = 0;  // forward (+) of the whole leg
    float lift = 0;   // fold while the paw is off the ground
};

struct State {
    Xf body;          // hips-to-shoulders frame, origin between them at ground level
    float pitch = 0;  // nose up (+)
    float flex = 0;   // spine arch: shoulders and hips drawn together (gallop)
    float crouch = 0; // body lowered
    float shove = 0;  // body forward (lunge)
    LegState leg[4];
    float neck = 0.45f, head = 0.05f, jaw = 0.05f, head_yaw = 0;
    float tail_up = 0.2f, tail_wag = 0, ears = 0, breath = 0;
    float roll = 0;   // death: lying on the side
    float air = 0;
    bool dead = false;
};

const float kHipZ = -0.34f, kShoulderZ = 0.3f, kBodyH = 0.62f;

void gait(State& st, float ph, const float offsets[4], float stride, float lift)
{
    for (int k = 0; k < 4; k++) {
        float a = ph - 2 * kPi * offsets[k];
        st.leg[k].swing = stride * std::sin(a);
        float up = std::max(0.f, std::cos(a - 0.3f));
        st.leg[k].lift = lift * up * up;
    }
}

State pose_for(const Pose& p)
{
    State st;
    switch (p.act) {
    case Act::Walk: {
        static const float off[4] = {0.25f, 0.75f, 0.f, 0.5f};
        float ph = p.phase();
        gait(st, ph, off, 0.32f, 0.9f);
        st.head = 0.15f + 0.05f * std::sin(2 * ph);
        st.tail_wag = 0.25f * std::sin(ph);
        st.pitch = 0.02f * std::sin(2 * ph);
        break;
    }
    case Act::Run: {
        // A gallop: hind legs drive together, front legs reach together, the spine flexes.
        static const float off[4] = {0.55f, 0.62f, 0.f, 0.08f};
        float ph = p.phase();
        gait(st, ph, off, 0.62f, 1.3f);
        st.flex = 0.1f * std::sin(ph + 0.8f);
        st.pitch = 0.09f * std::sin(ph - 0.8f);
        st.neck = 0.25f;
        st.head = 0.1f;
        st.tail_up = 0.05f;
        st.tail_wag = 0.1f * std::sin(ph);
        st.ears = -0.4f;
        st.air = 0.06f * std::max(0.f, std::sin(ph + 0.4f));
        st.jaw = 0.15f;
        break;
    }
    case Act::Idle: {
        float t = p.t();
        st.breath = t;
        st.head_yaw = 0.25f * (smooth01(t) - 0.5f);
        st.tail_wag = 0.3f * (t - 0.5f);
        st.head = 0.0f + 0.05f * t;
        st.jaw = 0.05f + 0.12f * t;  // panting
        st.ears = 0.15f * t;
        break;
    }
    case Act::Attack: {
        // Crouch, gather, lunge and bite on the fourth frame, then back off.
        const int n = 8;
        static const float crouch[n] = {0, 0.1f, 0.16f, 0.02f, 0.f, 0.04f, 0.03f, 0};
        static const float shove[n] = {0, -0.08f, -0.12f, 0.28f, 0.3f, 0.18f, 0.06f, 0};
        static const float jaw[n] = {0.05f, 0.2f, 0.45f, 0.6f, 0.1f, 0.15f, 0.08f, 0.05f};
        static const float neck[n] = {0.45f, 0.2f, 0.1f, 0.25f, 0.3f, 0.35f, 0.42f, 0.45f};
        static const float front[n] = {0, -0.1f, -0.15f, 0.55f, 0.45f, 0.25f, 0.1f, 0};
        static const float flift[n] = {0, 0, 0.2f, 0.5f, 0.2f, 0.1f, 0, 0};
        static const float hind[n] = {0, 0.15f, 0.25f, -0.35f, -0.3f, -0.15f, -0.05f, 0};
        static const float pitch[n] = {0, -0.06f, -0.1f, 0.1f, 0.06f, 0.02f, 0, 0};
        float t = p.t();
        st.crouch = keyframe(crouch, n, t);
        st.shove = keyframe(shove, n, t);
        st.jaw = keyframe(jaw, n, t);
        st.neck = keyframe(neck, n, t);
        st.head = 0.05f;
        st.pitch = keyframe(pitch, n, t);
        for (int k = 0; k < 2; k++) {
            st.leg[k].swing = keyframe(front, n, t) - st.shove * 0.5f;
            st.leg[k].lift = keyframe(flift, n, t);
            st.leg[k + 2].swing = keyframe(hind, n, t) - st.shove * 0.5f;
        }
        st.ears = -0.5f * keyframe(flift, n, t) - 0.2f;
        st.tail_up = 0.1f;
        break;
    }
    case Act::Death: {
        // Stagger, legs give way, roll onto the side.
        const int n = 8;
        static const float crouch[n] = {0, 0.05f, 0.14f, 0.22f, 0.2f, 0.1f, 0.05f, 0.04f};
        static const float roll[n] = {0, 0.05f, 0.15f, 0.45f, 0.95f, 1.35f, 1.5f, 1.55f};
        static const float legs[n] = {0, 0.1f, 0.3f, 0.4f, 0.5f, 0.55f, 0.5f, 0.5f};
        float t = p.t();
        st.crouch = keyframe(crouch, n, t);
        st.roll = keyframe(roll, n, t);
        for (int k = 0; k < 4; k++) {
            st.leg[k].swing = (k < 2 ? 1.f : -1.f) * keyframe(legs, n, t) * 0.6f;
            st.leg[k].lift = 0.2f * keyframe(legs, n, t);
        }
        st.neck = 0.45f - 0.6f * t;
        st.head = 0.1f + 0.3f * t;
        st.jaw = 0.25f * t;
        st.tail_up = 0.2f - 0.4f * t;
        st.ears = -0.5f * t;
        st.dead = true;
        break;
    }
    default:
        break;
    }
    return st;
}

}  // namespace

void build_wolf(Scene& s, const Pose& p)
{
    State st = pose_for(p);
    int fur = s.material(V3(0.50f, 0.50f, 0.54f), 0.08f, 10);
    int fur_dark = s.material(V3(0.30f, 0.30f, 0.34f), 0.08f, 10);
    int fur_pale = s.material(V3(0.84f, 0.82f, 0.78f), 0.06f, 10);
    int nose = s.material(V3(0.08f, 0.07f, 0.08f), 0.8f, 40);
    int eye = s.material(V3(1.0f, 0.78f, 0.15f), 0.f, 10, 0.9f, 0.f);
    int mouth = s.material(V3(0.55f, 0.12f, 0.15f), 0.3f, 16);
    int tooth = s.material(V3(0.98f, 0.96f, 0.9f), 0.4f, 20);
    int claw = s.material(V3(0.2f, 0.18f, 0.16f), 0.5f, 20);

    // The body frame: rolled over for the death, pitched and crouched for the lunge.
    Xf base = Xf{}.rz(st.roll).move(0, -st.crouch, st.shove).rx(-st.pitch);
    float hip_h = kBodyH, sh_h = kBodyH + 0.04f;
    V3 hips(0, hip_h + st.breath * 0.005f, kHipZ + st.flex), shoulders(0, sh_h, kShoulderZ - st.flex);
    Xf hipx = base.move(hips), shx = base.move(shoulders);

    // Legs: front (upper, fore, paw) and hind (thigh, shin, hock, paw).
    s.set_contact(true);
    for (int k = 0; k < 4; k++) {
        bool front = k < 2;
        float sg = (k & 1) ? -1.f : 1.f;
        const LegState& l = st.leg[k];
        Xf root = (front ? shx : hipx).move(sg * 0.12f, front ? -0.06f : 0.f, 0);
        if (front) {
            Xf up = root.rx(-(l.swing - 0.2f));
            Xf fore = up.move(0, -0.28f, 0).rx(-(0.2f + 0.2f * l.lift));
            Xf paw = fore.move(0, -0.26f, 0).rx(1.6f * l.lift);
            limb(s, up, 0.28f, 0.1f, 0.065f, fur);
            limb(s, fore, 0.26f, 0.055f, 0.042f, fur);
            limb(s, paw, 0.08f, 0.04f, 0.038f, fur_pale);
            Xf pad{base.r, paw.point(V3(0, -0.08f, 0))};
            s.ellipsoid(pad, V3(0, 0.01f, 0.04f), V3(0.048f, 0.035f, 0.07f), fur_pale);
            s.cone(pad, V3(0, 0.0f, 0.08f), V3(0, -0.01f, 0.12f), 0.02f, claw, 5);
        } else {
            Xf thigh = root.rx(-(l.swing + 0.3f + 0.3f * l.lift));
            Xf shin = thigh.move(0, -0.3f, 0).rx(0.95f + 0.4f * l.lift);
            Xf hock = shin.move(0, -0.28f, 0).rx(-(0.72f + 0.1f * l.lift));
            s.ellipsoid(thigh, V3(0, -0.12f, 0), V3(0.11f, 0.2f, 0.14f), fur);
            limb(s, shin, 0.28f, 0.075f, 0.05f, fur);
            limb(s, hock, 0.22f, 0.04f, 0.036f, fur_dark);
            Xf pad{base.r, hock.point(V3(0, -0.22f, 0))};
            s.ellipsoid(pad, V3(0, 0.01f, 0.04f), V3(0.046f, 0.033f, 0.07f), fur_pale);
            s.cone(pad, V3(0, 0.0f, 0.08f), V3(0, -0.01f, 0.12f), 0.02f, claw, 5);
        }
    }
    s.set_contact(st.dead);

    // Body: deep chest, tucked belly, a pale ruff at the throat.
    V3 mid = lerp(hips, shoulders, 0.5f);
    s.ellipsoid(base, shoulders + V3(0, -0.03f, -0.02f), V3(0.19f, 0.25f * (1 + 0.03f * st.breath), 0.24f), fur);
    s.ellipsoid(base, mid + V3(0, 0.0f, 0), V3(0.16f, 0.17f, 0.32f), fur);
    s.ellipsoid(base, hips + V3(0, 0.02f, -0.02f), V3(0.16f, 0.17f, 0.19f), fur);
    tufts(s, base.move(shoulders + V3(0, 0.14f, 0.02f)), 0.3f, 0.17f, 1, 10, 0.08f, fur, 0.5f);
    s.ellipsoid(base, mid + V3(0, 0.11f, -0.02f), V3(0.1f, 0.06f, 0.34f), fur_dark);  // dark saddle
    s.ellipsoid(base, shoulders + V3(0, -0.1f, 0.14f), V3(0.13f, 0.16f, 0.1f), fur_pale);

    // Neck and head: long muzzle, pricked ears, amber eyes, jaws that open.
    // The neck leans forward from the shoulders; the head levels the muzzle again.
    float lean = 1.25f - st.neck;
    Xf neck = shx.move(0, 0.04f, 0.08f).ry(st.head_yaw).rx(lean);
    s.capsule(neck, V3(0, 0, 0), V3(0, 0.26f, 0), 0.14f, 0.11f, fur);
    tufts(s, neck.move(0, 0.22f, 0), 0.2f, 0.12f, 1, 9, 0.075f, fur_pale, 0.2f);
    Xf head = neck.move(0, 0.27f, 0.0f).rx(-lean - st.head);
    s.ellipsoid(head, V3(0, 0, 0), V3(0.12f, 0.11f, 0.13f), fur);
    s.capsule(head, V3(0, -0.01f, 0.08f), V3(0, -0.03f, 0.26f), 0.07f, 0.045f, fur);
    s.ellipsoid(head, V3(0, 0.0f, 0.27f), V3(0.03f, 0.025f, 0.025f), nose);
    Xf jaw = head.move(0, -0.05f, 0.06f).rx(st.jaw);
    s.capsule(jaw, V3(0, 0, 0.02f), V3(0, -0.01f, 0.18f), 0.05f, 0.032f, fur_pale);
    if (st.jaw > 0.12f) {
        s.ellipsoid(head, V3(0, -0.06f, 0.14f), V3(0.04f, 0.03f, 0.09f), mouth);
        for (int k = 0; k < 2; k++) {
            float sg = side_sign(k);
            s.cone(head, V3(sg * 0.03f, -0.04f, 0.22f), V3(sg * 0.03f, -0.09f, 0.22f), 0.011f, tooth, 4);
            s.cone(jaw, V3(sg * 0.025f, -0.0f, 0.15f), V3(sg * 0.025f, 0.05f, 0.15f), 0.01f, tooth, 4);
        }
    }
    for (int k = 0; k < 2; k++) {
        float sg = side_sign(k);
        s.ellipsoid(head, V3(sg * 0.055f, 0.04f, 0.1f), V3(0.022f, 0.015f, 0.014f), st.dead && p.t() > 0.6f ? fur_dark : eye);
        Xf ear = head.move(sg * 0.06f, 0.08f, -0.02f).rx(-st.ears);
        s.cone(ear, V3(0, 0, 0), V3(sg * 0.03f, 0.14f, -0.02f), 0.045f, fur_dark, 6);
    }

    // Bushy tail.
    {
        V3 prev = hips + V3(0, 0.06f, -0.14f);
        float r = 0.06f;
        for (int k = 1; k <= 4; k++) {
            float up = st.tail_up - 0.5f * float(k) / 4.f;
            V3 next = prev + V3(std::sin(st.tail_wag) * 0.05f * float(k), up * 0.12f - 0.08f, -0.1f);
            s.capsule(base, prev, next, r, r * 1.15f, k == 4 ? fur_pale : fur);
            prev = next;
            r *= 1.12f;
        }
    }

    s.settle(st.air);
    s.shadow = {0, -0.02f, 0.26f, 0.52f};
    if (st.dead) s.shadow = {-0.25f * p.t(), -0.02f, 0.26f + 0.2f * p.t(), 0.52f};
}
