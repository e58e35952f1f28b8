// A two-legged skeleton: dimensions, a pose of joint angles, forward kinematics, and the stock gait cycles.
#pragma once
#include "creatures/math3d.h"

// Model space: +y up, +z forward (the way the creature faces), +x the creature's left.
struct BipedDims {
    float hip_h = 0.9f;       // pelvis height when standing straight
    float pelvis_w = 0.2f;    // distance between the hip joints
    float spine = 0.5f;       // pelvis to shoulder line
    float shoulder_w = 0.36f; // distance between the shoulder joints
    float neck = 0.1f;
    float arm_up = 0.3f, arm_low = 0.28f;
    float leg_up = 0.44f, leg_low = 0.42f;
};

struct LimbPose {
    float swing = 0;   // forward (+) / back (-) about the side axis
    float spread = 0;  // away from the body (+)
    float bend = 0;    // elbow forward / knee backward (+)
    float twist = 0;   // about the limb's own axis
    float end = 0;     // wrist / ankle pitch
};

struct BipedPose {
    V3 offset;                      // body shift in model space
    float yaw = 0, roll = 0;        // pelvis turn and side tilt
    float lean = 0;                 // whole upper body forward (+) at the hips
    float bend = 0, twist = 0, side = 0;  // spine
    float neck = 0, head = 0, head_yaw = 0, head_roll = 0;
    float breath = 0;               // 0..1 chest rise
    LimbPose arm[2], leg[2];        // [0] left (+x), [1] right (-x)
};

// Joint frames: each limb frame has its bone running down its local -y from its origin.
struct BipedBones {
    Xf body;                  // the base everything hangs from
    Xf pelvis, chest, neck, head;
    Xf upper_arm[2], fore_arm[2], hand[2];
    Xf thigh[2], shin[2], foot[2];
    V3 hip_p[2], knee_p[2], ankle_p[2];     // joint positions in model space
    V3 shoulder_p[2], elbow_p[2], wrist_p[2];
};

inline float side_sign(int s) { return s == 0 ? 1.f : -1.f; }

BipedBones solve_biped(const BipedDims& d, const BipedPose& p, const Xf& base = Xf{});

// Stock cycles; phase runs 0..2pi over one loop.
struct GaitStyle {
    float stride = 0.45f;     // leg swing amplitude (radians)
    float knee = 0.9f;        // knee lift in the swing phase
    float arm = 0.35f;        // arm swing amplitude
    float elbow = 0.25f;      // elbow bend
    float lean = 0.05f;
    float sway = 0.04f;       // pelvis roll
    float twist = 0.08f;      // shoulder counter-rotation
    float spread = 0.08f;     // arms out from the body
};
BipedPose gait_pose(float phase, const GaitStyle& s);
// A death: recoil, sink to the knees, topple backwards and lie still; t runs 0..1. The fall is returned
// as a turn of the whole body about the feet (apply it as the base of solve_biped, then settle).
// With `sideways` the body topples onto its right side instead (deaths drawn facing the camera).
BipedPose collapse_pose(float t, Xf* base, float arm_fling = 1.f, bool sideways = false);
// Both arms posed alike (two-handed strikes and guards).
void both_arms(BipedPose& p, float swing, float bend, float spread);
// The legs of a lunge: the left foot steps out by `step` (hip swing) while the right pushes off behind.
// Each factor is per unit of step, except the front knee's bend before the step.
struct LungeStyle {
    float knee = 0.15f, knee_step = 0.6f;  // front knee
    float ankle = -0.3f;                   // front foot pitch
    float push = -0.5f, push_ankle = 0.5f; // back leg swing and foot pitch
};
void lunge_legs(BipedPose& p, float step, const LungeStyle& st);
// Idle breathing: t runs 0..1 (played forward and back).
BipedPose idle_pose(float t, float arm_spread = 0.12f);
