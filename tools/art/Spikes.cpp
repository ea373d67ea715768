#include "Spikes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace art {

namespace {

constexpr Color kBronze[]{
    {0.30f, 0.15f, 0.05f, 1.0f}, {0.58f, 0.31f, 0.11f, 1.0f}, {0.82f, 0.49f, 0.2f, 1.0f}, {1.0f, 0.74f, 0.43f, 1.0f}};

float radians(float degrees) { return degrees * std::numbers::pi_v<float> / 180.0f; }

Vec2 onOval(Vec2 centre, Vec2 radii, float angle) {
    return centre + Vec2{radii.x * std::cos(angle), radii.y * std::sin(angle)};
}

// Each spike is a two-faceted blade: the face turned to the light is bright.
void drawSpike(Raster& raster, const SpikeCrown& crown, float degrees) {
    const float angle = radians(degrees);
    const Vec2 base = onOval(crown.centre, crown.baseRadii, angle);
    const Vec2 tip = onOval(crown.centre, crown.tipRadii, angle);
    const Vec2 axis = normalized(tip - base);
    const Vec2 side{-axis.y, axis.x};
    const float span = length(tip - base);
    const Shape blade = Shape::polygon({base + side * crown.halfWidth, tip, base - side * crown.halfWidth});
    raster.fill(blade, [=, light = crown.light, scale = crown.scale](Vec2 p) {
        // A sharp ridge runs down the middle of the blade.
        const float across = std::clamp(dot(p - base, side) * 1.5f / scale, -1.0f, 1.0f);
        const float facing = dot(side, light) * across;
        const float along = dot(p - base, axis) / span;
        return ramp(kBronze, 0.52f + 0.42f * facing + 0.12f * (1.0f - along));
    });
}

}  // namespace

void drawSpikes(Raster& raster, const SpikeCrown& crown, std::span<const float> degrees) {
    for (const float angle : degrees) {
        drawSpike(raster, crown, angle);
    }
}

}  // namespace art
