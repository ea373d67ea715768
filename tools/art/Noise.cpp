#include "Noise.h"

#include "Easing.h"

#include <cmath>

namespace art {

namespace {

float lerp(float a, float b, float t) { return a + (b - a) * t; }

}  // namespace

float Noise::hash(int x, int y) const {
    std::uint32_t h =
        seed_ ^ (static_cast<std::uint32_t>(x) * 0x27D4EB2DU) ^ (static_cast<std::uint32_t>(y) * 0x165667B1U);
    h ^= h >> 15;
    h *= 0x85EBCA6BU;
    h ^= h >> 13;
    h *= 0xC2B2AE35U;
    h ^= h >> 16;
    return static_cast<float>(h >> 8) / static_cast<float>(1U << 24);
}

float Noise::value(Vec2 p) const {
    const float fx = std::floor(p.x);
    const float fy = std::floor(p.y);
    const int x = static_cast<int>(fx);
    const int y = static_cast<int>(fy);
    const float tx = smoothstep(0.0f, 1.0f, p.x - fx);
    const float ty = smoothstep(0.0f, 1.0f, p.y - fy);
    const float top = lerp(hash(x, y), hash(x + 1, y), tx);
    const float bottom = lerp(hash(x, y + 1), hash(x + 1, y + 1), tx);
    return lerp(top, bottom, ty);
}

float Noise::fractal(Vec2 p, int octaves) const {
    float sum = 0.0f;
    float weight = 0.5f;
    float total = 0.0f;
    for (int octave = 0; octave < octaves; ++octave) {
        // Offsetting each octave keeps lattice points from lining up.
        sum += weight * value(p + Vec2{17.3f * static_cast<float>(octave), 9.1f * static_cast<float>(octave)});
        total += weight;
        weight *= 0.5f;
        p = p * 2.0f;
    }
    return sum / total;
}

}  // namespace art
