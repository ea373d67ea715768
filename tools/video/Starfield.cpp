#include "Starfield.h"

#include "art/Easing.h"
#include "art/Random.h"

#include <array>
#include <cmath>

namespace video {

using art::Color;
using art::Vec2;

namespace {

constexpr int kStars = 150;
// Sideways drift of the farthest and of the nearest stars, pixels per second.
constexpr float kFarSpeed = 0.5f;
constexpr float kNearSpeed = 4.5f;
constexpr float kNebulaSpeed = 0.3f;
// Stars leave on the left and come back on the right, this far outside the frame.
constexpr float kWrapMargin = 4.0f;

Color starColor(art::Random& random) {
    static constexpr std::array<Color, 4> kTints{
        {{0.7f, 0.82f, 1.0f, 1.0f}, {1.0f, 0.93f, 0.72f, 1.0f}, {1.0f, 0.72f, 0.5f, 1.0f}, {0.6f, 0.72f, 1.0f, 1.0f}}};
    const Color tint = kTints[static_cast<std::size_t>(random.uniform() * kTints.size())];
    return mix(Color{1.0f, 1.0f, 1.0f, 1.0f}, tint, random.range(0.2f, 0.8f));
}

}  // namespace

Starfield::Starfield(int width, int height, std::uint32_t seed)
    : width_(width), height_(height), seed_(seed), density_(seed ^ 0x4E42A1U), tint_(seed ^ 0x77C0DEU) {
    for (int i = 0; i < kStars; ++i) {
        stars_.push_back(makeStar(static_cast<std::uint64_t>(i)));
    }
}

// Mostly faint, far stars; near ones are fewer, brighter and a touch larger.
Starfield::Star Starfield::makeStar(std::uint64_t index) const {
    art::Random random(seed_ * 0x9E37ULL + index);
    const Vec2 at{random.range(0.0f, static_cast<float>(width_) + 2.0f * kWrapMargin) - kWrapMargin,
                  random.range(0.0f, static_cast<float>(height_))};
    const float nearness = std::pow(random.uniform(), 2.5f);
    const float brightness = random.range(0.15f, 0.5f) + 0.8f * nearness;
    const float sigma = 0.5f + 0.2f * nearness;  // wide enough not to shimmer as it crosses pixels
    const float twinkle = random.chance(0.2f) ? random.range(0.0f, 6.28f) : -1.0f;
    return {at, nearness, brightness, sigma, twinkle, starColor(random)};
}

Vec2 Starfield::position(const Star& star, float t) const {
    const float span = static_cast<float>(width_) + 2.0f * kWrapMargin;
    const float travelled = (kFarSpeed + (kNearSpeed - kFarSpeed) * star.nearness) * t;
    const float x = std::fmod(star.at.x + kWrapMargin - travelled, span);
    return {(x < 0.0f ? x + span : x) - kWrapMargin, star.at.y};
}

void Starfield::drawNebula(art::Raster& sky, float t) const {
    const Color deepBlue{0.1f, 0.18f, 0.5f, 1.0f};
    const Color violet{0.4f, 0.12f, 0.48f, 1.0f};
    const Vec2 drift{kNebulaSpeed * t, 0.0f};
    sky.shine({0.0f, 0.0f, static_cast<float>(width_), static_cast<float>(height_)}, [&](Vec2 p) {
        const Vec2 q = p + drift;
        const float cloud = art::smoothstep(0.45f, 0.85f, density_.fractal(q * (1.0f / 46.0f), 5));
        const float hue = art::smoothstep(0.3f, 0.7f, tint_.fractal(q * (1.0f / 70.0f), 3));
        return withAlpha(mix(deepBlue, violet, hue), cloud * 0.24f);
    });
}

void Starfield::drawStar(art::Raster& sky, const Star& star, float t) const {
    const Vec2 centre = position(star, t);
    const float flicker = star.twinkle < 0.0f ? 1.0f : 0.8f + 0.2f * std::sin(t * 5.0f + star.twinkle);
    const float reach = 3.0f * star.sigma;
    sky.shine(art::Box{centre.x, centre.y, centre.x, centre.y}.grown(reach), [&](Vec2 p) {
        const Vec2 d = p - centre;
        const float point = std::exp(-dot(d, d) / (2.0f * star.sigma * star.sigma));
        return withAlpha(star.color, point * star.brightness * flicker);
    });
}

void Starfield::draw(art::Raster& sky, float t) const {
    drawNebula(sky, t);
    for (const Star& star : stars_) {
        drawStar(sky, star, t);
    }
}

}  // namespace video
