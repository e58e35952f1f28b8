// The frog king: a giant warty toad with a gold crown, golden eyes and a throat that swells before it spits lightning.
#include "creatures/creature_defs.h"
#include "creatures/parts.h"
#include <algorithm>
#include <cmath>

namespace {

struct State {
    float pitch = 0.32f;  // body tilt, front up
    float lift = 0;       // height of the hop
    float extend = 0;     // hind legs stretched out (0 folded)
    float reach = 0;      // front legs reaching forward (landing)
    float mouth = 0;      // jaw open
    float sac = 0.2f;     // throat sac swell
    float blink = 0;
    float spit = 0;       // crackling ball in the mouth
    float roll = 0;       // death: over onto the back
    float breath = 0;
    bool dead = false;
};

State pose_for(const Pose& p)
{
    State st;
    switch (p.act) {
    case Act::Walk: {
        // One hop per loop: crouch, launch, fly, land.
        const int n = 8;
        static const float lift[n] = {0, 0, 0.12f, 0.3f, 0.34f, 0.2f, 0.04f, 0};
        static const float ext[n] = {0, 0.05f, 0.75f, 1.f, 0.6f, 0.25f, 0.05f, 0};
        static const float pitch[n] = {0.25f, 0.18f, 0.05f, 0.02f, 0.1f, 0.2f, 0.3f, 0.3f};
        static const float reach[n] = {0, 0, 0.2f, 0.5f, 0.7f, 0.6f, 0.2f, 0};
        float t = float(p.frame) / float(p.count);  // a loop: the last frame leads back into the first
        st.lift = keyframe(lift, n, t);
        st.extend = keyframe(ext, n, t);
        st.pitch = keyframe(pitch, n, t);
        st.reach = keyframe(reach, n, t);
        st.sac = 0.15f;
        break;
    }
    case Act::Idle: {
        float t = p.t();
        st.sac = 0.2f + 0.8f * smooth01(t);
        st.breath = t;
        st.blink = t > 0.95f ? 1.f : 0.f;
        break;
    }
    case Act::Attack: {
        // Rear up, swell the throat, then open wide and spit lightning on the fourth frame.
        const int n = 8;
        static const float pitch[n] = {0.32f, 0.45f, 0.55f, 0.42f, 0.4f, 0.38f, 0.34f, 0.32f};
        static const float sac[n] = {0.2f, 0.8f, 1.2f, 0.3f, 0.2f, 0.2f, 0.2f, 0.2f};
        static const float mouth[n] = {0, 0, 0.1f, 0.75f, 0.6f, 0.35f, 0.1f, 0};
        static const float spit[n] = {0, 0.1f, 0.3f, 1.f, 0.5f, 0.1f, 0, 0};
        float t = p.t();
        st.pitch = keyframe(pitch, n, t);
        st.sac = keyframe(sac, n, t);
        st.mouth = keyframe(mouth, n, t);
        st.spit = keyframe(spit, n, t);
        st.reach = 0.1f;
        break;
    }
    case Act::Death: {
        const int n = 8;
        static const float roll[n] = {0, 0.05f, 0.2f, 0.7f, 1.5f, 2.4f, 2.9f, 3.0f};
        static const float ext[n] = {0, 0.3f, 0.6f, 0.8f, 0.9f, 1.f, 1.f, 1.f};
        float t = p.t();
        st.roll = keyframe(roll, n, t);
        st.extend = keyframe(ext, n, t);
        st.mouth = 0.3f * t;
        st.sac = 0.1f;
        st.blink = t > 0.5f ? 1.f : 0.f;
        st.pitch = 0.32f * (1 - t);
        st.dead = true;
        break;
    }
    default:
        break;
    }
    return st;
}

}  // namespace

void build_frog(Scene& s, const Pose& p)
{
    State st = pose_for(p);
    int skin = s.material(V3(0.40f, 0.58f, 0.22f), 0.45f, 24);
    int skin_dark = s.material(V3(0.24f, 0.38f, 0.14f), 0.35f, 20);
    int belly = s.material(V3(0.92f, 0.86f, 0.52f), 0.3f, 18);
    int sac = s.material(V3(0.96f, 0.88f, 0.55f), 0.6f, 30);
    int gold = s.material(V3(1.0f, 0.78f, 0.25f), 0.8f, 35);
    int ruby = s.material(V3(0.9f, 0.1f, 0.18f), 1.0f, 50, 0.3f);
    int iris = s.material(V3(1.0f, 0.75f, 0.15f), 0.9f, 50, 0.3f);
    int pupil = s.material(V3(0.03f, 0.03f, 0.03f), 1.f, 60);
    int mouth = s.material(V3(0.6f, 0.15f, 0.2f), 0.3f, 16);
    int spark = s.material(V3(0.8f, 0.95f, 1.0f), 0.f, 10, 1.f, 0.f);
    int orb = s.material(V3(0.5f, 0.8f, 1.0f), 0.8f, 40, 0.9f);

    Xf root = Xf{}.rz(st.roll).move(0, st.lift, 0);
    Xf body = root.move(0, 0.55f, -0.05f).rx(-st.pitch);
    bool dead = st.dead;

    // Hind legs: huge folded thighs that stretch out for the leap.
    s.set_contact(true);
    for (int k = 0; k < 2; k++) {
        float sx = side_sign(k);
        V3 hip = body.point(V3(sx * 0.36f, -0.1f, -0.35f));
        float e = st.extend;
        V3 fold_knee = root.point(V3(sx * 0.62f, 0.45f, 0.05f));
        V3 fold_ankle = root.point(V3(sx * 0.58f, 0.05f, -0.42f));
        V3 fold_toe = root.point(V3(sx * 0.72f, 0.0f, 0.15f));
        V3 ext_knee = root.point(V3(sx * 0.48f, 0.12f, -0.7f));
        V3 ext_ankle = root.point(V3(sx * 0.45f, -0.05f - st.lift * 0.8f, -1.05f));
        V3 ext_toe = root.point(V3(sx * 0.45f, -0.2f - st.lift, -1.35f));
        V3 knee = lerp(fold_knee, ext_knee, e), ankle = lerp(fold_ankle, ext_ankle, e), toe = lerp(fold_toe, ext_toe, e);
        s.capsule(Xf{}, hip, knee, 0.2f, 0.13f, skin);
        s.capsule(Xf{}, knee, ankle, 0.12f, 0.07f, skin_dark);
        s.capsule(Xf{}, ankle, toe, 0.07f, 0.05f, skin);
        for (int f = -1; f <= 1; f++) {
            V3 dir = normalize(toe - ankle);
            V3 side = normalize(cross(dir, V3(0, 1, 0)));
            s.capsule(Xf{}, toe, toe + dir * 0.16f + side * (0.09f * float(f)), 0.035f, 0.03f, skin);
        }
    }
    // Front legs: short and splayed, propping the chest.
    for (int k = 0; k < 2; k++) {
        float sx = side_sign(k);
        V3 sh = body.point(V3(sx * 0.32f, -0.12f, 0.38f));
        V3 hand = root.point(V3(sx * 0.4f, st.reach > 0.3f ? -0.1f * st.lift : 0.f, 0.62f + 0.3f * st.reach));
        if (st.lift > 0.02f) hand.y = std::max(hand.y, sh.y - 0.55f);
        V3 elbow = two_bone_knee(sh, hand, 0.3f, 0.3f, root.dir(V3(sx * 0.6f, 0.2f, -1)));
        s.capsule(Xf{}, sh, elbow, 0.09f, 0.07f, skin);
        s.capsule(Xf{}, elbow, hand, 0.07f, 0.05f, skin);
        for (int f = -1; f <= 2; f++) {
            float a = float(f) * 0.45f - 0.2f;
            V3 d(sx * std::sin(a), 0, std::cos(a));
            s.capsule(Xf{}, hand, hand + root.dir(d) * 0.13f, 0.028f, 0.024f, skin);
        }
    }
    s.set_contact(dead);

    // Body: a fat warty back, pale belly.
    float br = st.breath;
    s.ellipsoid(body, V3(0, 0, 0), V3(0.56f, 0.46f * (1 + 0.02f * br), 0.66f), skin);
    s.ellipsoid(body, V3(0, -0.12f, 0.18f), V3(0.46f, 0.34f, 0.5f), belly);
    static const float warts[][3] = {{0.2f, 0.4f, -0.1f}, {-0.25f, 0.38f, 0.05f}, {0.05f, 0.45f, 0.1f}, {0.3f, 0.3f, -0.35f},
                                     {-0.32f, 0.28f, -0.3f}, {0.0f, 0.35f, -0.4f}, {-0.1f, 0.42f, -0.15f}, {0.4f, 0.2f, 0.1f},
                                     {-0.42f, 0.2f, 0.12f}};
    for (const auto& w : warts) {
        V3 c(w[0], w[1], w[2]);
        s.ellipsoid(body, c, V3(0.07f, 0.05f, 0.07f), skin_dark);
    }

    // Head: wide mouth, throat sac, goggling golden eyes, a crown.
    Xf head = body.move(0, 0.3f, 0.48f).rx(st.pitch * 0.5f);
    s.ellipsoid(head, V3(0, 0, 0), V3(0.52f, 0.3f, 0.42f), skin);
    Xf jaw = head.move(0, -0.08f, -0.1f).rx(st.mouth * 0.9f);
    s.ellipsoid(jaw, V3(0, -0.06f, 0.18f), V3(0.48f, 0.13f, 0.36f), belly);
    if (st.mouth > 0.05f) {
        s.ellipsoid(head, V3(0, -0.12f, 0.2f), V3(0.4f, 0.06f + 0.2f * st.mouth, 0.3f), mouth);
        s.capsule(jaw, V3(0, -0.02f, 0.1f), V3(0, 0.02f, 0.3f + 0.1f * st.mouth), 0.07f, 0.06f, mouth);  // tongue
    }
    s.ellipsoid(head, V3(0, -0.02f, 0.32f), V3(0.46f, 0.025f, 0.12f), skin_dark);  // lip line
    s.ellipsoid(jaw, V3(0, -0.16f, 0.1f), V3(0.3f * (0.6f + 0.4f * st.sac), 0.14f * (0.5f + st.sac), 0.26f), sac);
    for (int k = 0; k < 2; k++) {
        float sx = side_sign(k);
        Xf e = head.move(sx * 0.26f, 0.24f, 0.1f);
        s.sphere(e, V3(0, 0, 0), 0.15f, skin);
        if (st.blink > 0.5f) {
            s.ellipsoid(e, V3(0, 0.01f, 0.04f), V3(0.155f, 0.05f, 0.13f), skin_dark);
        } else {
            s.ellipsoid(e, V3(0, 0.02f, 0.07f), V3(0.11f, 0.1f, 0.09f), iris);
            s.ellipsoid(e, V3(0, 0.02f, 0.145f), V3(0.06f, 0.025f, 0.02f), pupil);
        }
        s.sphere(head, V3(sx * 0.1f, 0.1f, 0.36f), 0.025f, skin_dark);  // nostril
    }
    // The crown: a gold band with points and rubies.
    Xf crown = head.move(0, 0.3f, -0.08f);
    std::vector<ProfilePoint> band = {{0, 0.17f, 0, 1}, {0.1f, 0.19f, 0, 1}};
    s.lathe(crown, band, 16, gold, nullptr, false);
    for (int k = 0; k < 5; k++) {
        float a = 2 * kPi * float(k) / 5.f + 0.3f;
        V3 at(std::cos(a) * 0.18f, 0.08f, std::sin(a) * 0.18f);
        s.cone(crown, at, at + V3(std::cos(a) * 0.03f, 0.17f, std::sin(a) * 0.03f), 0.05f, gold, 6);
        s.sphere(crown, at + V3(std::cos(a) * 0.02f, -0.02f, std::sin(a) * 0.02f), 0.03f, ruby);
    }

    if (st.spit > 0.05f) {
        Xf mouth_at = head.move(0, -0.1f, 0.45f + 0.25f * st.spit);
        s.sphere(mouth_at, V3(0, 0, 0), 0.07f + 0.08f * st.spit, orb);
        burst(s, mouth_at, 0.15f + 0.3f * st.spit, 9, float(p.frame) * 0.6f, spark, orb);
    }

    s.settle(dead ? 0.f : st.lift);
    s.shadow = {0, -0.1f, 0.7f, 0.75f};
}
