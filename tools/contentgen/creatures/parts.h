// Body parts several creatures share: limbs along bones, robes that wrap the legs, capes, flames of glow.
#pragma once
#include "creatures/biped.h"
#include "creatures/scene.h"

// The knee of a two-bone limb from hip to foot (bone lengths l1, l2), bent toward `up`.
V3 two_bone_knee(const V3& hip, const V3& foot, float l1, float l2, const V3& up);

// Smoothly interpolates n keyframe values spread evenly over t = 0..1 (value k sits at t = k / (n - 1)).
float keyframe(const float* v, int n, float t);

// A capsule down a bone's local -y axis.
void limb(Scene& s, const Xf& bone, float len, float r0, float r1, int mat);

// Plain two-bone legs: shins and feet stand on the ground, the thighs touch it only while the body lies dead.
struct LegLook {
    float shin_r0, shin_r1;
    int shin_mat;
    V3 foot_at, foot_size;  // the foot's ellipsoid in the ankle frame
    int foot_mat;
    float thigh_r0, thigh_r1;
    int thigh_mat;
};
void biped_legs(Scene& s, const BipedBones& b, const BipedDims& d, const LegLook& look, bool dying);

struct RobeStyle {
    float top = 1.0f;       // height of the waistband in body space
    float bottom = 0.08f;   // height of the hem when standing
    float top_r = 0.15f, hem_r = 0.27f;
    float leg_r = 0.07f;    // room left around each leg
    float ripple = 0.015f, ripple_phase = 0.f;
    float drag = 0.f;       // hem trailing backward (running)
    float ragged = 0.f;     // torn hem: uneven length
    float trim = 0.08f;     // fraction of the length in the trim colour (0: none)
    int mat = 0, trim_mat = 0;
};
// A skirt from the waist down that bulges around the legs of a solved biped.
void robe_skirt(Scene& s, const BipedBones& b, const RobeStyle& st);

struct CapeStyle {
    float width = 0.34f, length = 1.0f;
    float flare = 0.25f;     // extra width at the hem
    float lift = 0.f;        // 0 hanging, 1 streaming straight back
    float wave = 0.04f, wave_phase = 0.f;
    float spread = 0.f;      // 0 closed, 1 opened wide like wings
    float collar = 0.f;      // height of a standing collar
    int mat = 0, lining_mat = 0;
};
// A cloth sheet hung from the shoulders of a solved biped, falling behind it.
void cape(Scene& s, const BipedBones& b, const BipedDims& d, const CapeStyle& st);

// Shaggy fur: tufts pointing out and down around a bone (local -y), in `rings` rings of `per_ring`.
void tufts(Scene& s, const Xf& bone, float len, float radius, int rings, int per_ring, float tuft, int mat,
           float twist = 0.f);

// Rays of light bursting from a point (strike flashes, casting sparks).
void burst(Scene& s, const Xf& at, float radius, int rays, float spin, int mat, int core_mat);
