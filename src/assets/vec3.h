#pragma once

#include <cmath>

// Position, direction or normal in table units.
struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// Mapping coordinate of a model vertex.
struct Vec2 {
    float u = 0.0f;
    float v = 0.0f;
};

inline Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

inline Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

inline Vec3 operator/(const Vec3& a, float divisor) { return {a.x / divisor, a.y / divisor, a.z / divisor}; }

inline Vec3 cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline float length(const Vec3& a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }

// Unit vector of a; a zero vector stays zero rather than turning into NaN.
inline Vec3 normalize(const Vec3& a)
{
    const float len = length(a);
    if (len == 0.0f)
        return {0.0f, 0.0f, 0.0f};
    return a / len;
}
