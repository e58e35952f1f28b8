// Body parts several creatures share: limbs along bones, robes that wrap the legs, capes, flames of glow.
#include "creatures/parts.h"
#include <algorithm>
#include <cmath>

float keyframe(const float* v, int n, float t)
{
    float x = clampf(t, 0.f, 1.f) * float(n - 1);
    int i = std::min(n - 2, int(x));
    return lerpf(v[i], v[i + 1], smooth01(x - float(i)));
}

V3 two_bone_knee(const V3& hip, const V3& foot, float l1, float l2, const V3& up)
{
    V3 d = foot - hip;
    float dist = std::max(1e-4f, std::min(length(d), l1 + l2 - 1e-3f));
    V3 dir = normalize(d);
    float a = (l1 * l1 - l2 * l2 + dist * dist) / (2 * dist);
    float h = std::sqrt(std::max(0.f, l1 * l1 - a * a));
    V3 side = normalize(up - dir * dot(up, dir));
    return hip + dir * a + side * h;
}

void limb(Scene& s, const Xf& bone, float len, float r0, float r1, int mat)
{
    s.capsule(bone, V3(0, 0, 0), V3(0, -len, 0), r0, r1, mat);
}

void biped_legs(Scene& s, const BipedBones& b, const BipedDims& d, const LegLook& look, bool dying)
{
    s.set_contact(true);
    for (int k = 0; k < 2; k++) {
        limb(s, b.shin[k], d.leg_low, look.shin_r0, look.shin_r1, look.shin_mat);
        s.ellipsoid(b.foot[k], look.foot_at, look.foot_size, look.foot_mat);
    }
    s.set_contact(dying);
    for (int k = 0; k < 2; k++) limb(s, b.thigh[k], d.leg_up, look.thigh_r0, look.thigh_r1, look.thigh_mat);
}

namespace {

float smooth_max(float a, float b, float k)
{
    float m = std::max(a, b);
    return m + std::log(std::exp((a - m) * k) + std::exp((b - m) * k)) / k;
}

// Horizontal position of a leg at height h (body space), walking down hip -> knee -> ankle.
V3 leg_at(const V3& hip, const V3& knee, const V3& ankle, float h)
{
    if (h >= hip.y) return hip;
    if (h >= knee.y && hip.y != knee.y) return lerp(knee, hip, (h - knee.y) / (hip.y - knee.y));
    if (h >= ankle.y && knee.y != ankle.y) return lerp(ankle, knee, (h - ankle.y) / (knee.y - ankle.y));
    return ankle;
}

}  // namespace

void robe_skirt(Scene& s, const BipedBones& b, const RobeStyle& st)
{
    Xf inv = inverse(b.body);
    V3 hip[2], knee[2], ankle[2];
    for (int k = 0; k < 2; k++) {
        hip[k] = inv.point(b.hip_p[k]);
        knee[k] = inv.point(b.knee_p[k]);
        ankle[k] = inv.point(b.ankle_p[k]);
    }
    const int rings = 10;
    auto ring_f = [&](int k) { return float(k) / float(rings - 1); };
    auto deform = [&](V3& p, float a, int k) {
        float f = ring_f(k);
        float r = std::sqrt(p.x * p.x + p.z * p.z);
        V3 dir(std::cos(a), 0, std::sin(a));
        for (int l = 0; l < 2; l++) {
            V3 lp = leg_at(hip[l], knee[l], ankle[l], p.y);
            float need = lp.x * dir.x + lp.z * dir.z + st.leg_r;
            r = smooth_max(r, need, 40.f);
        }
        r += st.ripple * std::sin(5 * a + st.ripple_phase + 3 * f) * f;
        float y = p.y;
        if (st.ragged > 0 && f > 0.75f) {
            float tear = 0.5f + 0.5f * std::sin(9 * a + 1.3f) * std::cos(4 * a);
            y += st.ragged * tear * (f - 0.75f) * 4;
        }
        p = V3(dir.x * r, y, dir.z * r - st.drag * f * f);
    };
    auto profile = [&](int k0, int k1, float shade_top, float shade_bottom) {
        std::vector<ProfilePoint> prof;
        for (int k = k0; k <= k1; k++) {
            float f = ring_f(k);
            float h = lerpf(st.top, st.bottom, f);
            float r = lerpf(st.top_r, st.hem_r, std::pow(f, 0.8f));
            prof.push_back({h, r, 0, 1, lerpf(shade_top, shade_bottom, f)});
        }
        return prof;
    };
    int split = st.trim > 0 ? std::max(1, int(std::round((1 - st.trim) * float(rings - 1)))) : rings - 1;
    // The trim lathe reuses the same ring numbers so both parts deform alike.
    auto main_prof = profile(0, split, 1.0f, 0.82f);
    s.lathe(b.body, main_prof, 18, st.mat, deform, false);
    if (split < rings - 1) {
        auto trim_prof = profile(split, rings - 1, 1.0f, 1.0f);
        s.lathe(b.body, trim_prof, 18, st.trim_mat, [&](V3& p, float a, int k) { deform(p, a, k + split); }, false);
    }
}

void cape(Scene& s, const BipedBones& b, const BipedDims& d, const CapeStyle& st)
{
    const int W = 7, H = 8;
    std::vector<V3> pts;
    std::vector<float> shades;
    float beta = st.lift * 1.25f;
    for (int i = 0; i < H; i++) {
        float v = float(i) / float(H - 1);
        for (int j = 0; j < W; j++) {
            float u = float(j) / float(W - 1) * 2 - 1;
            V3 top = b.chest.point(V3(u * st.width * 0.5f, -0.01f, -0.1f - 0.03f * (1 - u * u)));
            float len = v * st.length;
            float bb = beta + 0.35f * v * st.lift;
            V3 hang(u * st.flare * v, -len * std::cos(bb), -len * std::sin(bb) - 0.06f * v);
            hang.z -= st.wave * std::sin(kPi * v * 1.5f + st.wave_phase + u * 1.7f) * v;
            hang.x += st.wave * 0.5f * std::sin(st.wave_phase * 0.7f + v * 3.f) * v;
            // Opening the cape pulls its edges out and up, like a pair of wings.
            float au = std::fabs(u);
            hang.x += u * st.spread * (0.55f * std::sqrt(v) + 0.15f);
            hang.y += st.spread * au * 0.35f * std::sqrt(v);
            hang.z += st.spread * au * 0.25f * v;
            pts.push_back(top + b.body.dir(hang));
            shades.push_back(1.f - 0.15f * v);
        }
    }
    s.sheet(pts, W, H, st.mat, &shades, st.lining_mat);
    if (st.collar > 0) {
        std::vector<V3> cp;
        const int CW = 7;
        for (int i = 0; i < 2; i++)
            for (int j = 0; j < CW; j++) {
                float a = kPi * float(j) / float(CW - 1);  // around the back of the neck
                float r = 0.11f + 0.05f * float(i);
                V3 p(std::cos(a) * r, -0.03f + float(i) * st.collar, -std::sin(a) * r * 0.9f);
                cp.push_back(b.chest.point(p));
            }
        s.sheet(cp, CW, 2, st.mat, nullptr, st.lining_mat);
    }
    (void)d;
}

void burst(Scene& s, const Xf& at, float radius, int rays, float spin, int mat, int core_mat)
{
    s.sphere(at, V3(0, 0, 0), radius * 0.38f, core_mat);
    for (int k = 0; k < rays; k++) {
        float a = spin + 2 * kPi * float(k) / float(rays);
        float e = (k & 1) ? 0.35f : -0.25f;
        V3 dir(std::cos(a) * std::cos(e), std::sin(a) * std::cos(e), std::sin(e));
        float len = radius * ((k & 1) ? 0.75f : 1.0f);
        s.cone(at, dir * (radius * 0.2f), dir * len, radius * 0.09f, mat, 5);
    }
}

void tufts(Scene& s, const Xf& bone, float len, float radius, int rings, int per_ring, float tuft, int mat, float twist)
{
    for (int r = 0; r < rings; r++) {
        float y = -len * (float(r) + 0.5f) / float(rings);
        for (int k = 0; k < per_ring; k++) {
            float a = twist + 2 * kPi * (float(k) + 0.5f * float(r & 1)) / float(per_ring);
            V3 out(std::cos(a), 0, std::sin(a));
            V3 base = out * (radius * 0.8f) + V3(0, y, 0);
            V3 tip = out * (radius + tuft * 0.3f) + V3(0, y - tuft * 1.2f, 0);
            s.cone(bone, base, tip, tuft * 0.55f, mat, 5);
        }
    }
}
