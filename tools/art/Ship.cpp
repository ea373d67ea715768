#include "Pictures.h"

#include "Flatten.h"
#include "Light.h"
#include "ShipFigure.h"
#include "Spikes.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace art {

namespace {

// The sprite: at scale 1 the spike tips' oval lies just inside it.
constexpr int kWidth = 45;
constexpr int kHeight = 33;
constexpr Vec2 kCentre{22.5f, 16.5f};

// Sizes at scale 1, in pixels.
constexpr float kRimWidth = 1.6f;
constexpr float kSpikeHalfWidth = 3.3f;
// Where each spike stands on the hull, in degrees round the oval: three above,
// three below, two either side.
constexpr std::array<float, 10> kSpikeAngles{-90.0f, -132.0f, -48.0f, 90.0f,  132.0f,
                                             48.0f,  -16.0f,  16.0f,  164.0f, 196.0f};
constexpr Color kHullGrey[]{
    {0.2f, 0.21f, 0.23f, 1.0f}, {0.44f, 0.46f, 0.49f, 1.0f}, {0.66f, 0.68f, 0.71f, 1.0f}, {0.86f, 0.88f, 0.9f, 1.0f}};
constexpr Color kRim{0.15f, 0.16f, 0.18f, 1.0f};

Color domeShade(Vec2 centre, Vec2 radii, Vec2 p) {
    const Vec2 q{(p.x - centre.x) / radii.x, (p.y - centre.y) / radii.y};
    const float r2 = std::min(1.0f, dot(q, q));
    const float height = std::sqrt(1.0f - r2);
    const float lambert = std::clamp(dot(q, kUpperLeftLight) * 0.6f + height * 0.75f, 0.0f, 1.0f);
    const Vec2 glint = q - Vec2{-0.38f, -0.46f};
    const float highlight = std::exp(-dot(glint, glint) / 0.045f);
    // A faint seam where the upper dome meets the hull plating.
    const float seam = std::exp(-std::pow((std::sqrt(r2) - 0.66f) / 0.06f, 2.0f));
    const Color body = ramp(kHullGrey, lambert * 0.95f * (1.0f - 0.25f * seam));
    return mix(body, Color{1.0f, 1.0f, 1.0f, 1.0f}, highlight * 0.85f);
}

}  // namespace

void drawShipFigure(Raster& raster, Vec2 centre, float scale, float spikeBoldness) {
    const Vec2 hull = ship_figure::kHull * scale;
    const float rim = kRimWidth * scale;
    const Vec2 dome = hull - Vec2{rim, rim};
    drawSpikes(raster,
               {centre, hull * 0.85f, ship_figure::kTipOval * scale, kSpikeHalfWidth * scale * spikeBoldness,
                kUpperLeftLight, scale},
               kSpikeAngles);
    raster.fill(Shape::ellipse(centre, hull), kRim);
    raster.fill(Shape::ellipse(centre, dome), [=](Vec2 p) { return domeShade(centre, dome, p); });
}

RgbImage drawShip() {
    Raster raster(kWidth, kHeight);
    drawShipFigure(raster, kCentre, 1.0f);
    return flattenOnBlackKey(raster);
}

}  // namespace art
