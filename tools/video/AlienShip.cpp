#include "AlienShip.h"

#include "art/Easing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace video {

using art::Color;
using art::Shape;
using art::Vec2;

namespace {

constexpr Vec2 kHull{6.4f, 4.6f};
constexpr float kRimWidth = 0.8f;
constexpr float kSpikeHalfWidth = 1.7f;
// Three spikes above, three below, two either side, as on the game's sprite.
constexpr std::array<float, 10> kSpikeAngles{-90.0f, -132.0f, -48.0f, 90.0f, 132.0f, 48.0f, -16.0f, 16.0f, 164.0f, 196.0f};
constexpr Vec2 kLight{-0.55f, -0.83f};

constexpr Color kBronze[]{{0.30f, 0.15f, 0.05f, 1.0f},
                          {0.58f, 0.31f, 0.11f, 1.0f},
                          {0.82f, 0.49f, 0.2f, 1.0f},
                          {1.0f, 0.74f, 0.43f, 1.0f}};
constexpr Color kHullGrey[]{{0.2f, 0.21f, 0.23f, 1.0f},
                            {0.44f, 0.46f, 0.49f, 1.0f},
                            {0.66f, 0.68f, 0.71f, 1.0f},
                            {0.88f, 0.9f, 0.92f, 1.0f}};
constexpr Color kRim{0.15f, 0.16f, 0.18f, 1.0f};
constexpr Color kStreakCore{1.0f, 0.95f, 0.82f, 1.0f};
constexpr Color kStreakTail{1.0f, 0.55f, 0.2f, 1.0f};

// Below this speed the ship is drifting, not streaking.
constexpr float kStreakFrom = 25.0f;
// How far the streak reaches out behind the spikes: the distance covered in this many seconds.
constexpr float kStreakSeconds = 0.2f;
constexpr float kLongestStreak = 60.0f;

Vec2 onOval(Vec2 centre, Vec2 radii, float angle)
{
    return centre + Vec2{radii.x * std::cos(angle), radii.y * std::sin(angle)};
}

Color domeShade(Vec2 centre, Vec2 p)
{
    const Vec2 radii = kHull - Vec2{kRimWidth, kRimWidth};
    const Vec2 q{(p.x - centre.x) / radii.x, (p.y - centre.y) / radii.y};
    const float r2 = std::min(1.0f, dot(q, q));
    const float lambert = std::clamp(dot(q, kLight) * 0.6f + std::sqrt(1.0f - r2) * 0.75f, 0.0f, 1.0f);
    const Vec2 glint = q - Vec2{-0.38f, -0.46f};
    const Color body = art::ramp(kHullGrey, lambert * 0.95f);
    return mix(body, Color{1.0f, 1.0f, 1.0f, 1.0f}, 0.85f * std::exp(-dot(glint, glint) / 0.06f));
}

} // namespace

// A soft wedge of light trailing back along the path, thinning and cooling with distance.
void AlienShip::drawStreak(art::Raster& layer, Vec2 centre, Vec2 velocity)
{
    const float speed = length(velocity);
    const float reach = kSpikeReach.x + std::min(kLongestStreak, speed * kStreakSeconds);
    const float strength = art::smoothstep(kStreakFrom, 3.0f * kStreakFrom, speed);
    if (strength <= 0.0f) {
        return;
    }
    const Vec2 back = normalized(velocity) * -1.0f;
    const Vec2 side{-back.y, back.x};
    layer.fill(Shape::capsule(centre, centre + back * reach, kHull.y), [=](Vec2 p) {
        const float along = std::clamp(dot(p - centre, back) / reach, 0.0f, 1.0f);
        const float width = kHull.y * (1.0f - 0.7f * along);
        const float across = dot(p - centre, side) / width;
        const float fade = std::pow(1.0f - along, 1.6f) * std::exp(-across * across * 2.0f);
        return withAlpha(mix(kStreakCore, kStreakTail, along), strength * 0.75f * fade);
    });
}

// Each spike is a two-faceted blade: the face turned to the light is bright.
void AlienShip::drawSpike(art::Raster& layer, Vec2 centre, float degrees)
{
    const float angle = degrees * std::numbers::pi_v<float> / 180.0f;
    const Vec2 base = onOval(centre, kHull * 0.85f, angle);
    const Vec2 tip = onOval(centre, kSpikeReach, angle);
    const Vec2 axis = normalized(tip - base);
    const Vec2 side{-axis.y, axis.x};
    const float span = length(tip - base);
    layer.fill(Shape::polygon({base + side * kSpikeHalfWidth, tip, base - side * kSpikeHalfWidth}), [=](Vec2 p) {
        const float across = std::clamp(dot(p - base, side) * 3.0f, -1.0f, 1.0f);
        const float along = dot(p - base, axis) / span;
        return art::ramp(kBronze, 0.52f + 0.42f * dot(side, kLight) * across + 0.12f * (1.0f - along));
    });
}

void AlienShip::drawHull(art::Raster& layer, Vec2 centre)
{
    layer.fill(Shape::ellipse(centre, kHull), kRim);
    layer.fill(Shape::ellipse(centre, kHull - Vec2{kRimWidth, kRimWidth}), [=](Vec2 p) { return domeShade(centre, p); });
}

void AlienShip::draw(art::Raster& layer, Vec2 centre, Vec2 velocity) const
{
    drawStreak(layer, centre, velocity);
    for (const float angle : kSpikeAngles) {
        drawSpike(layer, centre, angle);
    }
    drawHull(layer, centre);
}

} // namespace video
