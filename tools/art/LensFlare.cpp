#include "LensFlare.h"

#include "Easing.h"

#include <cmath>
#include <numbers>

namespace art {

namespace {

// Distance scaled so that the ghost's outline lies at its radius, whatever its shape.
float apertureRadius(const Ghost& ghost, Vec2 d) {
    const float r = length(d);
    if (ghost.sides == 0) {
        return r;
    }
    const float sector = 2.0f * std::numbers::pi_v<float> / static_cast<float>(ghost.sides);
    const float angle = std::atan2(d.y, d.x) + std::numbers::pi_v<float>;
    const float fromFace = std::fmod(angle, sector) - sector * 0.5f;
    return r * std::cos(fromFace) / std::cos(sector * 0.5f);
}

// A soft rim whose outer edge runs warmer and inner edge bluer, like a real lens.
Color ghostLight(const Ghost& ghost, Vec2 centre, Vec2 p) {
    const float r = apertureRadius(ghost, p - centre);
    const float width = 1.2f + ghost.radius * 0.07f;
    auto rim = [&](float at) { return std::exp(-std::pow((r - at) / width, 2.0f)) * ghost.ring; };
    const float inside = smoothstep(ghost.radius + 0.5f, ghost.radius - 1.5f, r) * ghost.fill;
    return {0.5f * rim(ghost.radius + 1.0f) + ghost.tint.r * (inside + rim(ghost.radius)),
            ghost.tint.g * (inside + rim(ghost.radius)),
            0.6f * rim(ghost.radius - 1.0f) + ghost.tint.b * (inside + rim(ghost.radius)), 1.0f};
}

}  // namespace

void drawLensFlare(Raster& raster, Vec2 sun, Vec2 end, std::span<const Ghost> ghosts) {
    for (const Ghost& ghost : ghosts) {
        const Vec2 centre = sun + (end - sun) * ghost.along;
        const float reach = ghost.radius + 6.0f;
        raster.shine(Box{centre.x, centre.y, centre.x, centre.y}.grown(reach),
                     [&](Vec2 p) { return ghostLight(ghost, centre, p); });
    }
}

}  // namespace art
