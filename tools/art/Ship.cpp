#include "Pictures.h"

#include "Flatten.h"
#include "Spikes.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace art {

namespace {

constexpr int kWidth = 45;
constexpr int kHeight = 33;
constexpr Vec2 kCentre{22.5f, 16.5f};
constexpr Vec2 kHull{12.5f, 9.0f};
constexpr float kRimWidth = 1.6f;
// Spike tips lie on this larger oval, just inside the picture.
constexpr Vec2 kTipOval{21.9f, 15.9f};
constexpr float kSpikeHalfWidth = 3.3f;
// Where each spike stands on the hull, in degrees round the oval: three above,
// three below, two either side.
constexpr std::array<float, 10> kSpikeAngles{-90.0f, -132.0f, -48.0f, 90.0f, 132.0f, 48.0f, -16.0f, 16.0f, 164.0f, 196.0f};
// Light falls from the upper left.
constexpr Vec2 kLight{-0.55f, -0.83f};

constexpr Color kHullGrey[]{{0.2f, 0.21f, 0.23f, 1.0f},
                            {0.44f, 0.46f, 0.49f, 1.0f},
                            {0.66f, 0.68f, 0.71f, 1.0f},
                            {0.86f, 0.88f, 0.9f, 1.0f}};
constexpr Color kRim{0.15f, 0.16f, 0.18f, 1.0f};

Color domeShade(Vec2 p)
{
    const Vec2 radii = kHull - Vec2{kRimWidth, kRimWidth};
    const Vec2 q{(p.x - kCentre.x) / radii.x, (p.y - kCentre.y) / radii.y};
    const float r2 = std::min(1.0f, dot(q, q));
    const float height = std::sqrt(1.0f - r2);
    const float lambert = std::clamp(dot(q, kLight) * 0.6f + height * 0.75f, 0.0f, 1.0f);
    const Vec2 glint = q - Vec2{-0.38f, -0.46f};
    const float highlight = std::exp(-dot(glint, glint) / 0.045f);
    // A faint seam where the upper dome meets the hull plating.
    const float seam = std::exp(-std::pow((std::sqrt(r2) - 0.66f) / 0.06f, 2.0f));
    const Color body = ramp(kHullGrey, lambert * 0.95f * (1.0f - 0.25f * seam));
    return mix(body, Color{1.0f, 1.0f, 1.0f, 1.0f}, highlight * 0.85f);
}

} // namespace

RgbImage drawShip()
{
    Raster raster(kWidth, kHeight);
    drawSpikes(raster, {kCentre, kHull * 0.85f, kTipOval, kSpikeHalfWidth, kLight}, kSpikeAngles);
    raster.fill(Shape::ellipse(kCentre, kHull), kRim);
    raster.fill(Shape::ellipse(kCentre, kHull - Vec2{kRimWidth, kRimWidth}), domeShade);
    return flattenOnBlackKey(raster);
}

} // namespace art
