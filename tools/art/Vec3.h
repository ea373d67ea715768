#pragma once

#include "Vec2.h"

#include <cmath>

namespace art {

// A direction in front of the screen: x right, y down, z towards the viewer.
struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

constexpr Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
constexpr Vec3 operator*(Vec3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
constexpr float dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

inline Vec3 normalized(Vec3 a) {
    const float len = std::sqrt(dot(a, a));
    return len > 0.0f ? a * (1.0f / len) : a;
}

// Unit vector towards a light seen on screen in the given direction, with the
// given share of it falling from the viewer's side.
inline Vec3 lightDirection(Vec2 towardsLight, float elevation) {
    const Vec2 screen = normalized(towardsLight) * std::sqrt(1.0f - elevation * elevation);
    return {screen.x, screen.y, elevation};
}

}  // namespace art
