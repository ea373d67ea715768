#include "Pictures.h"

#include "Easing.h"
#include "Flatten.h"
#include "Galaxy.h"
#include "Moon.h"
#include "Noise.h"
#include "Random.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace art {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
// The game shows only this part of the picture; everything is placed inside it.
constexpr Box kShown{56.0f, 16.0f, 640.0f, 462.0f};

constexpr Vec2 kSun{352.0f, 82.0f};
constexpr Vec2 kFlareEnd{205.0f, 452.0f};

bool isShown(Vec2 p)
{
    return p.x >= kShown.left && p.x < kShown.right && p.y >= kShown.top && p.y < kShown.bottom;
}

void addNebula(Raster& raster)
{
    const Noise density(0x4E42A1U);
    const Noise tint(0x77C0DEU);
    const Color deepBlue{0.12f, 0.2f, 0.55f, 1.0f};
    const Color violet{0.38f, 0.12f, 0.5f, 1.0f};
    raster.shine(kShown, [&](Vec2 p) {
        const float cloud = smoothstep(0.5f, 0.82f, density.fractal(p * (1.0f / 95.0f), 5));
        const float hue = smoothstep(0.3f, 0.7f, tint.fractal(p * (1.0f / 160.0f), 3));
        return withAlpha(mix(deepBlue, violet, hue), cloud * 0.11f);
    });
}

Color starColor(Random& random)
{
    static constexpr std::array<Color, 5> kTemperatures{{{0.7f, 0.82f, 1.0f, 1.0f},
                                                         {1.0f, 0.93f, 0.7f, 1.0f},
                                                         {1.0f, 0.7f, 0.45f, 1.0f},
                                                         {1.0f, 0.5f, 0.42f, 1.0f},
                                                         {0.55f, 0.7f, 1.0f, 1.0f}}};
    const Color white{1.0f, 1.0f, 1.0f, 1.0f};
    const Color tint = kTemperatures[static_cast<std::size_t>(random.uniform() * kTemperatures.size())];
    // Most stars read as white with a hint of colour; a few are clearly coloured.
    return mix(white, tint, random.chance(0.14f) ? random.range(0.7f, 1.0f) : random.range(0.0f, 0.3f));
}

struct Star {
    Vec2 centre;
    float brightness = 0.0f;
    float sigma = 0.0f; // spread of the point image, pixels
    float spikes = 0.0f; // length of the diffraction cross, pixels
    Color color;
};

Star makeStar(Random& random)
{
    const Vec2 at{random.range(kShown.left, kShown.right), random.range(kShown.top, kShown.bottom)};
    const float kind = random.uniform();
    const Color color = starColor(random);
    if (kind < 0.8f) {
        // Faint stars sit on pixel centres so they stay single sharp points.
        const Vec2 snapped{std::floor(at.x) + 0.5f, std::floor(at.y) + 0.5f};
        return {snapped, random.range(0.12f, 0.6f), 0.42f, 0.0f, color};
    }
    if (kind < 0.975f) {
        return {at, random.range(0.55f, 1.0f), random.range(0.5f, 0.72f), 0.0f, color};
    }
    return {at, random.range(1.2f, 2.0f), 0.8f, random.range(4.0f, 8.0f), color};
}

float starProfile(const Star& star, Vec2 p)
{
    const Vec2 d = p - star.centre;
    const float point = std::exp(-dot(d, d) / (2.0f * star.sigma * star.sigma));
    if (star.spikes <= 0.0f) {
        return point * star.brightness;
    }
    const float across = std::min(std::abs(d.x), std::abs(d.y));
    const float along = std::max(std::abs(d.x), std::abs(d.y));
    const float cross = std::exp(-across * across / 0.35f) * std::exp(-along / (star.spikes * 0.4f));
    return (point + 0.5f * cross) * star.brightness;
}

void addStars(Raster& raster)
{
    Random random(0x57A125ULL);
    for (int i = 0; i < 950; ++i) {
        const Star star = makeStar(random);
        const float reach = 3.0f * star.sigma + star.spikes * 1.5f;
        raster.shine(Box{star.centre.x, star.centre.y, star.centre.x, star.centre.y}.grown(reach),
                     [&](Vec2 p) { return withAlpha(star.color, starProfile(star, p)); });
    }
}

void addSun(Raster& raster)
{
    const Color glowColor{0.5f, 0.88f, 1.0f, 1.0f};
    const Color white{1.0f, 1.0f, 1.0f, 1.0f};
    raster.shine(kShown, [&](Vec2 p) {
        const Vec2 d = p - kSun;
        const float r = length(d);
        const float core = std::clamp(7.0f - r, 0.0f, 1.0f) * 3.0f + 1.4f * std::exp(-r / 4.5f);
        const float glow = 0.9f / (1.0f + (r / 9.0f) * (r / 9.0f)) + 0.16f * std::exp(-r / 60.0f);
        const float streak = std::exp(-d.y * d.y / 1.2f) * std::exp(-std::abs(d.x) / 55.0f) * 0.9f
                             + std::exp(-d.x * d.x / 0.9f) * std::exp(-std::abs(d.y) / 26.0f) * 0.5f;
        const Color tone = mix(glowColor, white, std::clamp(core, 0.0f, 1.0f));
        return withAlpha(tone, core + glow + streak);
    });
}

struct Ghost {
    float along = 0.0f;  // 0 at the sun, 1 at the flare's end
    float radius = 0.0f;
    float ring = 0.0f;   // brightness of the rim
    float fill = 0.0f;   // brightness of the disc inside it
};

constexpr std::array<Ghost, 11> kGhosts{{{0.08f, 3.0f, 0.04f, 0.2f},
                                         {0.16f, 11.0f, 0.12f, 0.05f},
                                         {0.25f, 2.5f, 0.06f, 0.22f},
                                         {0.34f, 19.0f, 0.14f, 0.035f},
                                         {0.43f, 6.0f, 0.1f, 0.12f},
                                         {0.53f, 26.0f, 0.1f, 0.03f},
                                         {0.6f, 3.5f, 0.05f, 0.16f},
                                         {0.69f, 13.0f, 0.14f, 0.06f},
                                         {0.8f, 8.0f, 0.1f, 0.08f},
                                         {0.9f, 4.0f, 0.05f, 0.14f},
                                         {1.0f, 32.0f, 0.11f, 0.035f}}};

// A soft rim whose outer edge runs warmer and inner edge bluer, like a real lens.
Color ghostLight(const Ghost& ghost, Vec2 centre, Vec2 p, int index)
{
    const float r = length(p - centre);
    const float width = 1.2f + ghost.radius * 0.07f;
    auto rim = [&](float at) { return std::exp(-std::pow((r - at) / width, 2.0f)) * ghost.ring; };
    const float inside = smoothstep(ghost.radius + 0.5f, ghost.radius - 1.5f, r) * ghost.fill;
    const float tilt = 0.08f * static_cast<float>(index % 3);
    return {0.5f * rim(ghost.radius + 1.0f) + (0.45f + tilt) * (inside + rim(ghost.radius)),
            0.25f * (inside + rim(ghost.radius)),
            0.6f * rim(ghost.radius - 1.0f) + 0.9f * (inside + rim(ghost.radius)), 1.0f};
}

void addLensFlare(Raster& raster)
{
    for (std::size_t i = 0; i < kGhosts.size(); ++i) {
        const Ghost& ghost = kGhosts[i];
        const Vec2 centre = kSun + (kFlareEnd - kSun) * ghost.along;
        const float reach = ghost.radius + 6.0f;
        raster.shine(Box{centre.x, centre.y, centre.x, centre.y}.grown(reach),
                     [&](Vec2 p) { return ghostLight(ghost, centre, p, static_cast<int>(i)); });
    }
}

void addGalaxies(Raster& raster)
{
    drawSpiralGalaxy(raster, {{126.0f, 402.0f}, 56.0f, -0.5f, 0.58f, 1.5f, 1.0f, 0x6A1A01U});
    drawSpiralGalaxy(raster, {{436.0f, 316.0f}, 40.0f, 0.7f, 0.74f, 1.8f, 0.9f, 0x6A1A02U});
    drawEdgeOnGalaxy(raster, {{562.0f, 212.0f}, 40.0f, 3.2f, -0.32f, 1.0f, 0x6A1A03U});
}

void addMoon(Raster& raster)
{
    const Vec2 centre{140.0f, 222.0f};
    drawMoon(raster, {centre, 52.0f, kSun - centre, 0.45f, 55, 0x300DU});
}

} // namespace

RgbImage drawBackground()
{
    Raster raster(kWidth, kHeight, {0.0f, 0.0f, 0.0f, 1.0f});
    addNebula(raster);
    addStars(raster);
    addGalaxies(raster);
    addMoon(raster);
    addSun(raster);
    addLensFlare(raster);
    // Nothing outside the shown part: the unseen corners stay exactly black.
    raster.attenuate([](Vec2 p) { return isShown(p) ? 1.0f : 0.0f; });
    return flattenDithered(raster);
}

} // namespace art
