#include "Starfield.h"

#include "Random.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace art {

namespace {

Color starColor(Random& random) {
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
    float sigma = 0.0f;   // spread of the point image, pixels
    float spikes = 0.0f;  // length of the diffraction cross, pixels
    Color color;
};

Star makeStar(Random& random, const Box& area) {
    const Vec2 at{random.range(area.left, area.right), random.range(area.top, area.bottom)};
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

float starProfile(const Star& star, Vec2 p) {
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

}  // namespace

void drawStarfield(Raster& raster, const Starfield& field) {
    Random random(field.seed);
    for (int i = 0; i < field.count; ++i) {
        const Star star = makeStar(random, field.area);
        const float reach = 3.0f * star.sigma + star.spikes * 1.5f;
        raster.shine(Box{star.centre.x, star.centre.y, star.centre.x, star.centre.y}.grown(reach),
                     [&](Vec2 p) { return withAlpha(star.color, starProfile(star, p)); });
    }
}

}  // namespace art
