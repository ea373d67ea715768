#pragma once

#include <cmath>

namespace art {

struct Vec2 {
    float x = 0.0f;
    float y = 0.0f;
};

constexpr Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
constexpr Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
constexpr Vec2 operator*(Vec2 a, float s) { return {a.x * s, a.y * s}; }
constexpr Vec2 operator*(float s, Vec2 a) { return a * s; }

constexpr float dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }

inline float length(Vec2 a) { return std::hypot(a.x, a.y); }

inline Vec2 normalized(Vec2 a) {
    const float len = length(a);
    return len > 0.0f ? a * (1.0f / len) : Vec2{};
}

// Positive angles turn clockwise on screen, where y grows downwards.
inline Vec2 rotated(Vec2 a, float radians) {
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    return {a.x * c - a.y * s, a.x * s + a.y * c};
}

inline Vec2 polar(float radius, float radians) { return {radius * std::cos(radians), radius * std::sin(radians)}; }

}  // namespace art
