#pragma once

#include <algorithm>
#include <cmath>
#include <compare>
#include <cstdint>

namespace art {

// Linear-ish working colour: straight (not premultiplied) alpha, channels 0..1.
struct Color {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 1.0f;
};

// An 8-bit colour as it lands in a file.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend constexpr auto operator<=>(Rgb, Rgb) = default;
};

constexpr Rgb rgb8(std::uint32_t hex) {
    return {static_cast<std::uint8_t>(hex >> 16), static_cast<std::uint8_t>(hex >> 8), static_cast<std::uint8_t>(hex)};
}

constexpr Color toColor(Rgb c, float alpha = 1.0f) { return {c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, alpha}; }

// Rounds each channel to 8 bits; alpha is ignored.
inline Rgb toRgb(Color c) {
    auto channel = [](float v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
    return {channel(c.r), channel(c.g), channel(c.b)};
}

constexpr Color hexColor(std::uint32_t hex, float alpha = 1.0f) { return toColor(rgb8(hex), alpha); }

constexpr Color withAlpha(Color c, float alpha) { return {c.r, c.g, c.b, alpha}; }

constexpr Color scaled(Color c, float k) { return {c.r * k, c.g * k, c.b * k, c.a}; }

constexpr Color mix(Color from, Color to, float t) {
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
            from.a + (to.a - from.a) * t};
}

// Piecewise-linear ramp through evenly spaced stops; t is clamped to 0..1.
template <std::size_t N>
constexpr Color ramp(const Color (&stops)[N], float t) {
    const float position = std::clamp(t, 0.0f, 1.0f) * static_cast<float>(N - 1);
    const auto index = std::min(static_cast<std::size_t>(position), N - 2);
    return mix(stops[index], stops[index + 1], position - static_cast<float>(index));
}

}  // namespace art
