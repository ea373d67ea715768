#include "LaserBeam.h"

#include <algorithm>
#include <cmath>

namespace video {

using art::Color;
using art::Vec2;

namespace {

constexpr Color kGreen = art::hexColor(0x00FF80);
constexpr Color kWhiteHot{0.85f, 1.0f, 0.92f, 1.0f};
// Long enough to leave the picture from anywhere on it.
constexpr float kLength = 240.0f;
constexpr float kGlowReach = 6.0f;

}  // namespace

LaserBeam::LaserBeam(Vec2 muzzle, Vec2 aim) : muzzle_(muzzle), direction_(normalized(aim - muzzle)) {}

// A hot thin core in a green glow, with a flare at the muzzle.
Color LaserBeam::lightAt(const art::Shape& axis, Vec2 p, float strength) const {
    const float width = 0.4f + 0.6f * strength;
    const float d = axis.distance(p) / width;
    const float core = std::exp(-d * d / 0.5f);
    const float glow = 0.55f * std::exp(-d * d / 7.0f);
    const Vec2 m = p - muzzle_;
    const float flare = 1.2f * std::exp(-dot(m, m) / 5.0f);
    const Color light = mix(kGreen, kWhiteHot, std::min(1.0f, core * 0.7f + flare * 0.3f));
    return withAlpha(light, strength * (core + glow + flare));
}

void LaserBeam::draw(art::Raster& frame, float reach, float strength) const {
    if (strength <= 0.0f || reach <= 0.0f) {
        return;
    }
    // A capsule of no thickness: its distance is the distance to the beam's axis.
    const art::Shape axis = art::Shape::capsule(muzzle_, muzzle_ + direction_ * (kLength * reach), 0.0f);
    frame.shine(axis.bounds().grown(kGlowReach), [&](Vec2 p) { return lightAt(axis, p, strength); });
}

}  // namespace video
