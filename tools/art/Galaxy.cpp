#include "Galaxy.h"

#include "Easing.h"
#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr Color kBulgeLight{1.0f, 0.86f, 0.62f, 1.0f};
constexpr Color kInnerDiscLight{1.0f, 0.93f, 0.82f, 1.0f};
constexpr Color kArmLight{0.62f, 0.74f, 1.0f, 1.0f};
constexpr Color kNebulaKnot{1.0f, 0.42f, 0.68f, 1.0f};
constexpr Color kDustLight{0.85f, 0.6f, 0.45f, 1.0f};

Color addLight(Color a, Color b, float weight) {
    return {a.r + b.r * weight, a.g + b.g * weight, a.b + b.b * weight, 1.0f};
}

// Position in the galaxy's own plane, in units of its radius.
Vec2 deprojected(const SpiralGalaxy& galaxy, Vec2 p) {
    const Vec2 q = rotated(p - galaxy.centre, -galaxy.angle);
    return Vec2{q.x, q.y / galaxy.axisRatio} * (1.0f / galaxy.radius);
}

Color spiralLight(const SpiralGalaxy& galaxy, const Noise& noise, Vec2 p) {
    const Vec2 q = deprojected(galaxy, p);
    const float r = length(q);
    if (r > 1.4f) {
        return {0.0f, 0.0f, 0.0f, 0.0f};
    }
    // Two logarithmic arms; the dust lane trails each arm's inner edge.
    const float phase = 2.0f * (std::atan2(q.y, q.x) - galaxy.winding * std::log(r + 0.03f));
    const float arm = std::pow(0.5f + 0.5f * std::cos(phase), 3.0f);
    const float dust = std::pow(0.5f + 0.5f * std::cos(phase + 1.1f), 10.0f) * smoothstep(0.08f, 0.3f, r);
    const float mottle = noise.fractal(q * 7.0f, 4);
    const float disc = std::exp(-r * 3.0f) * (1.0f - 0.7f * dust) * smoothstep(1.35f, 0.9f, r);
    const float arms = disc * (0.14f + 1.9f * arm * (0.35f + mottle)) * smoothstep(0.03f, 0.2f, r);
    const float bulge = std::exp(-(r * r) / 0.014f);
    const float knots =
        smoothstep(0.64f, 0.78f, noise.value(q * 30.0f)) * arm * std::exp(-r * 1.8f) * smoothstep(0.12f, 0.3f, r);

    Color light{0.0f, 0.0f, 0.0f, 1.0f};
    light = addLight(light, mix(kInnerDiscLight, kArmLight, smoothstep(0.05f, 0.45f, r)), arms * 0.55f);
    light = addLight(light, kBulgeLight, bulge * 1.3f);
    light = addLight(light, kNebulaKnot, knots * 0.5f);
    return withAlpha(light, galaxy.brightness);
}

Color edgeOnLight(const EdgeOnGalaxy& galaxy, const Noise& noise, Vec2 p) {
    const Vec2 q = rotated(p - galaxy.centre, -galaxy.angle);
    const float u = q.x / galaxy.halfLength;
    const float v = q.y / galaxy.halfThickness;
    const float disc = std::exp(-std::abs(u) * 2.6f) * std::exp(-v * v * 1.4f);
    const float bulge = std::exp(-(u * u * 22.0f + v * v * 0.35f));
    const float halo = 0.25f * std::exp(-std::sqrt(u * u + v * v * 0.05f) * 4.0f);
    const float lane = std::exp(-std::pow((v + 0.1f) / 0.32f, 2.0f)) * smoothstep(1.0f, 0.4f, std::abs(u));
    const float clumps = 0.55f + 0.45f * noise.fractal({q.x * 0.35f, q.y * 0.9f}, 3);
    const float block = 1.0f - 0.8f * lane * clumps;

    Color light{0.0f, 0.0f, 0.0f, 1.0f};
    light = addLight(light, mix(kInnerDiscLight, kArmLight, smoothstep(0.1f, 0.7f, std::abs(u))),
                     disc * clumps * 0.9f * block);
    light = addLight(light, kBulgeLight, bulge * 1.1f * block);
    light = addLight(light, kDustLight, halo * 0.3f);
    return withAlpha(light, galaxy.brightness);
}

}  // namespace

void drawSpiralGalaxy(Raster& raster, const SpiralGalaxy& galaxy) {
    const Noise noise(galaxy.seed);
    const float reach = galaxy.radius * 1.4f;
    raster.shine({galaxy.centre.x - reach, galaxy.centre.y - reach, galaxy.centre.x + reach, galaxy.centre.y + reach},
                 [&](Vec2 p) { return spiralLight(galaxy, noise, p); });
}

void drawEdgeOnGalaxy(Raster& raster, const EdgeOnGalaxy& galaxy) {
    const Noise noise(galaxy.seed);
    const float reach = galaxy.halfLength * 1.2f;
    raster.shine({galaxy.centre.x - reach, galaxy.centre.y - reach, galaxy.centre.x + reach, galaxy.centre.y + reach},
                 [&](Vec2 p) { return edgeOnLight(galaxy, noise, p); });
}

}  // namespace art
