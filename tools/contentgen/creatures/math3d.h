// Small vector and rigid-transform arithmetic for posing and rendering the creature models.
#pragma once
#include <cmath>

constexpr float kPi = 3.14159265358979f;

struct V3 {
    float x = 0, y = 0, z = 0;
    V3() = default;
    constexpr V3(float ax, float ay, float az) : x(ax), y(ay), z(az) {}
    V3 operator+(const V3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    V3 operator-(const V3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    V3 operator-() const { return {-x, -y, -z}; }
    V3 operator*(float s) const { return {x * s, y * s, z * s}; }
    V3 operator/(float s) const { return {x / s, y / s, z / s}; }
    V3& operator+=(const V3& o) { x += o.x; y += o.y; z += o.z; return *this; }
    V3& operator-=(const V3& o) { x -= o.x; y -= o.y; z -= o.z; return *this; }
    V3& operator*=(float s) { x *= s; y *= s; z *= s; return *this; }
};

inline V3 mul(const V3& a, const V3& b) { return {a.x * b.x, a.y * b.y, a.z * b.z}; }
inline float dot(const V3& a, const V3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline V3 cross(const V3& a, const V3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float length(const V3& a) { return std::sqrt(dot(a, a)); }
inline V3 normalize(const V3& a)
{
    float l = length(a);
    return l > 1e-12f ? a / l : V3(0, 1, 0);
}
inline V3 lerp(const V3& a, const V3& b, float t) { return a + (b - a) * t; }
inline float lerpf(float a, float b, float t) { return a + (b - a) * t; }
inline float clampf(float v, float lo, float hi) { return v < lo ? lo : (v > hi ? hi : v); }
inline float smooth01(float t)
{
    t = clampf(t, 0.f, 1.f);
    return t * t * (3 - 2 * t);
}
inline float deg(float d) { return d * kPi / 180.f; }

// 3x3 rotation, stored as rows.
struct M3 {
    V3 r0{1, 0, 0}, r1{0, 1, 0}, r2{0, 0, 1};
    V3 operator*(const V3& v) const { return {dot(r0, v), dot(r1, v), dot(r2, v)}; }
    V3 col(int i) const
    {
        return i == 0 ? V3(r0.x, r1.x, r2.x) : i == 1 ? V3(r0.y, r1.y, r2.y) : V3(r0.z, r1.z, r2.z);
    }
    M3 operator*(const M3& o) const
    {
        M3 m;
        V3 c0 = o.col(0), c1 = o.col(1), c2 = o.col(2);
        m.r0 = {dot(r0, c0), dot(r0, c1), dot(r0, c2)};
        m.r1 = {dot(r1, c0), dot(r1, c1), dot(r1, c2)};
        m.r2 = {dot(r2, c0), dot(r2, c1), dot(r2, c2)};
        return m;
    }
};

inline M3 rot_x(float a)
{
    float c = std::cos(a), s = std::sin(a);
    M3 m;
    m.r1 = {0, c, -s};
    m.r2 = {0, s, c};
    return m;
}
inline M3 rot_y(float a)
{
    float c = std::cos(a), s = std::sin(a);
    M3 m;
    m.r0 = {c, 0, s};
    m.r2 = {-s, 0, c};
    return m;
}
inline M3 rot_z(float a)
{
    float c = std::cos(a), s = std::sin(a);
    M3 m;
    m.r0 = {c, -s, 0};
    m.r1 = {s, c, 0};
    return m;
}

// A rigid transform: p' = r * p + t. Bones are chains of these.
struct Xf {
    M3 r;
    V3 t;
    V3 point(const V3& p) const { return r * p + t; }
    V3 dir(const V3& d) const { return r * d; }
    Xf operator*(const Xf& o) const { return {r * o.r, r * o.t + t}; }
    Xf move(float x, float y, float z) const { return *this * Xf{M3{}, V3(x, y, z)}; }
    Xf move(const V3& v) const { return *this * Xf{M3{}, v}; }
    Xf rx(float a) const { return *this * Xf{rot_x(a), {}}; }
    Xf ry(float a) const { return *this * Xf{rot_y(a), {}}; }
    Xf rz(float a) const { return *this * Xf{rot_z(a), {}}; }
};

inline M3 transpose(const M3& m)
{
    M3 t;
    t.r0 = m.col(0);
    t.r1 = m.col(1);
    t.r2 = m.col(2);
    return t;
}
inline Xf inverse(const Xf& x)
{
    M3 rt = transpose(x.r);
    return {rt, -(rt * x.t)};
}
