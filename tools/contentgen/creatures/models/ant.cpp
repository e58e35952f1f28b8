// The giant ant: glossy red-brown, six legs walking in tripods, feelers and snapping mandibles.
#include "creatures/creature_defs.h"
#include "creatures/parts.h"
#include <algorithm>
#include <cmath>

namespace {

struct State {
    float rear = 0;     // front of the body raised (radians)
    float roll = 0;     // death: turned over onto the back
    float mandible = 0.2f;
    float feeler = 0;   // antenna wave phase
    float gaster = 0;   // abdomen bob
    float curl = 0;     // legs drawn in (death)
    float lunge = 0;
    float step_phase = 0, stride = 0, lift = 0;
    float twitch = 0;
};

State pose_for(const Pose& p)
{
    State st;
    switch (p.act) {
    case Act::Walk: {
        float ph = p.phase();
        st.step_phase = ph;
        st.stride = 0.16f;
        st.lift = 0.1f;
        st.feeler = ph;
        st.gaster = 0.03f * std::sin(2 * ph);
        st.mandible = 0.2f;
        break;
    }
    case Act::Idle: {
        float t = p.t();
        st.feeler = t * 2.5f;
        st.gaster = 0.04f * smooth01(t);
        st.mandible = 0.15f + 0.2f * t;
        break;
    }
    case Act::Attack: {
        // Rear up with the jaws wide, then drive down and snap on the fourth frame.
        const int n = 8;
        static const float rear[n] = {0, 0.22f, 0.38f, -0.05f, -0.02f, 0.05f, 0.02f, 0};
        static const float mand[n] = {0.2f, 0.6f, 0.9f, -0.1f, 0.0f, 0.15f, 0.2f, 0.2f};
        static const float lunge[n] = {0, -0.05f, -0.08f, 0.18f, 0.16f, 0.1f, 0.04f, 0};
        float t = p.t();
        st.rear = keyframe(rear, n, t);
        st.mandible = keyframe(mand, n, t);
        st.lunge = keyframe(lunge, n, t);
        st.feeler = t * 6;
        st.gaster = -0.05f * st.rear;
        break;
    }
    case Act::Death: {
        // Turned over onto its back, legs curling up with a last twitch.
        const int n = 8;
        static const float roll[n] = {0, 0.1f, 0.5f, 1.3f, 2.3f, 2.9f, 3.05f, 3.1f};
        static const float curl[n] = {0, 0.1f, 0.3f, 0.5f, 0.6f, 0.8f, 0.7f, 0.9f};
        float t = p.t();
        st.roll = keyframe(roll, n, t);
        st.curl = keyframe(curl, n, t);
        st.mandible = 0.5f;
        st.feeler = t * 3;
        st.twitch = t;
        break;
    }
    default:
        break;
    }
    return st;
}

}  // namespace

void build_ant(Scene& s, const Pose& p)
{
    State st = pose_for(p);
    int shell = s.material(V3(0.55f, 0.18f, 0.09f), 0.9f, 45);
    int shell_dark = s.material(V3(0.32f, 0.09f, 0.05f), 0.9f, 45);
    int leg = s.material(V3(0.38f, 0.13f, 0.07f), 0.7f, 35);
    int eye = s.material(V3(0.04f, 0.04f, 0.05f), 1.3f, 70);
    int jaw = s.material(V3(0.62f, 0.38f, 0.12f), 0.8f, 40);
    bool dying = p.act == Act::Death;

    const float body_h = 0.42f;
    Xf base = Xf{}.move(0, body_h, st.lunge).rz(st.roll);
    Xf front = base.move(0, 0, 0.12f).rx(-st.rear);  // thorax and head pivot on the waist

    s.set_contact(dying);  // a turned-over ant rests on its back
    // Abdomen: a big glossy gaster with darker bands, on a thin waist.
    Xf gaster = base.move(0, 0.08f + st.gaster, -0.42f).rx(0.25f);
    s.ellipsoid(gaster, V3(0, 0, 0), V3(0.27f, 0.23f, 0.37f), shell);
    for (int k = 0; k < 3; k++)
        s.ellipsoid(gaster, V3(0, 0.0f, 0.1f - 0.12f * float(k)), V3(0.275f - 0.03f * float(k), 0.235f - 0.03f * float(k), 0.03f),
                    shell_dark);
    s.sphere(base, V3(0, 0.02f, -0.08f), 0.07f, shell_dark);
    // Thorax.
    s.ellipsoid(front, V3(0, 0.02f, 0.12f), V3(0.13f, 0.12f, 0.22f), shell);
    s.ellipsoid(front, V3(0, 0.09f, 0.2f), V3(0.1f, 0.07f, 0.1f), shell_dark);

    // Head with big eyes, feelers and mandibles.
    Xf head = front.move(0, 0.08f, 0.45f).rx(0.2f);
    s.ellipsoid(head, V3(0, 0, 0), V3(0.17f, 0.14f, 0.16f), shell);
    for (int k = 0; k < 2; k++) {
        float sg = side_sign(k);
        s.ellipsoid(head, V3(sg * 0.13f, 0.04f, 0.04f), V3(0.05f, 0.055f, 0.06f), eye);
        // Feelers: elbowed, waving.
        float w = std::sin(st.feeler + float(k) * 1.7f);
        V3 a0(sg * 0.06f, 0.11f, 0.1f), a1(sg * (0.14f + 0.03f * w), 0.34f, 0.12f + 0.04f * w);
        V3 a2 = a1 + V3(sg * 0.06f, 0.02f + 0.04f * w, 0.24f);
        s.capsule(head, a0, a1, 0.018f, 0.014f, leg);
        s.capsule(head, a1, a2, 0.014f, 0.01f, leg);
        // Mandibles swing open sideways.
        Xf m = head.move(sg * 0.07f, -0.06f, 0.13f).ry(sg * (0.15f + st.mandible));
        s.capsule(m, V3(0, 0, 0), V3(sg * -0.02f, -0.01f, 0.15f), 0.035f, 0.025f, jaw);
        s.cone(m, V3(sg * -0.02f, -0.01f, 0.14f), V3(sg * -0.1f, -0.02f, 0.2f), 0.025f, jaw, 6);
    }

    // Six legs: tripods (left front, right middle, left hind) alternate with the others.
    s.set_contact(true);
    for (int k = 0; k < 6; k++) {
        int pair = k / 2;
        float sg = (k & 1) ? -1.f : 1.f;
        bool tripod_a = (pair == 1) ? (k & 1) : !(k & 1);
        float ph = st.step_phase + (tripod_a ? 0.f : kPi);
        float swing = st.stride * std::sin(ph);
        float up = std::max(0.f, std::cos(ph)) * st.lift;
        const Xf& seg = pair == 0 ? front : base;
        V3 hip = seg.point(V3(sg * 0.1f, -0.04f, pair == 0 ? 0.24f : (pair == 1 ? 0.05f : -0.02f)));
        float zf = pair == 0 ? 0.55f : (pair == 1 ? 0.08f : -0.45f);
        float xf = pair == 1 ? 0.52f : 0.46f;
        V3 foot_local(sg * xf, -body_h + up, zf + swing);
        if (pair == 0 && st.rear > 0.05f) foot_local += V3(-sg * 0.1f, st.rear * 0.8f, 0.1f);  // front legs lifted
        // Dying legs curl in toward the belly.
        foot_local = lerp(foot_local, V3(sg * 0.2f, 0.15f, foot_local.z * 0.5f), st.curl);
        if (dying) foot_local.x += 0.04f * std::sin(st.twitch * 20 + float(k)) * st.curl;
        V3 foot = base.point(foot_local);
        V3 up_dir = base.dir(V3(sg * 0.4f, 1, 0));
        V3 knee = two_bone_knee(hip, foot, 0.36f, 0.44f, up_dir);
        s.capsule(Xf{}, hip, knee, 0.04f, 0.03f, leg);
        s.capsule(Xf{}, knee, foot, 0.03f, 0.018f, leg);
        s.sphere(Xf{}, knee, 0.034f, shell_dark);
    }

    s.settle(0);
    s.shadow = {0, 0.0f, 0.55f, 0.7f};
}
