#include "AlienShip.h"

#include "art/Easing.h"

#include <algorithm>
#include <cmath>

namespace video {

using art::Color;
using art::Shape;
using art::Vec2;

namespace {

constexpr float kHullHalfHeight = art::ship_figure::kHull.y * AlienShip::kScale;
constexpr Color kStreakCore{1.0f, 0.95f, 0.82f, 1.0f};
constexpr Color kStreakTail{1.0f, 0.55f, 0.2f, 1.0f};

// Below this speed the ship is drifting, not streaking.
constexpr float kStreakFrom = 25.0f;
// How far the streak reaches out behind the spikes: the distance covered in this many seconds.
constexpr float kStreakSeconds = 0.2f;
constexpr float kLongestStreak = 60.0f;

}  // namespace

// A soft wedge of light trailing back along the path, thinning and cooling with distance.
void AlienShip::drawStreak(art::Raster& layer, Vec2 centre, Vec2 velocity) {
    const float speed = length(velocity);
    const float reach = kSpikeReach.x + std::min(kLongestStreak, speed * kStreakSeconds);
    const float strength = art::smoothstep(kStreakFrom, 3.0f * kStreakFrom, speed);
    if (strength <= 0.0f) {
        return;
    }
    const Vec2 back = normalized(velocity) * -1.0f;
    const Vec2 side{-back.y, back.x};
    layer.fill(Shape::capsule(centre, centre + back * reach, kHullHalfHeight), [=](Vec2 p) {
        const float along = std::clamp(dot(p - centre, back) / reach, 0.0f, 1.0f);
        const float width = kHullHalfHeight * (1.0f - 0.7f * along);
        const float across = dot(p - centre, side) / width;
        const float fade = std::pow(1.0f - along, 1.6f) * std::exp(-across * across * 2.0f);
        return withAlpha(mix(kStreakCore, kStreakTail, along), strength * 0.75f * fade);
    });
}

void AlienShip::draw(art::Raster& layer, Vec2 centre, Vec2 velocity) const {
    drawStreak(layer, centre, velocity);
    art::drawShipFigure(layer, centre, kScale);
}

}  // namespace video
