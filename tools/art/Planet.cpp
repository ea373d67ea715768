#include "Planet.h"

#include "Easing.h"
#include "Noise.h"
#include "Vec3.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr Color kCloud{0.96f, 0.97f, 1.0f, 1.0f};
constexpr float kHaloWidth = 0.07f;  // of the radius

struct Globe {
    const Planet& planet;
    Noise noise;
    Vec3 light;
};

// Longitude and latitude, scaled to the size of the continents.
Vec2 mapPosition(Vec3 n) { return {std::atan2(n.x, n.z) * 1.6f, std::asin(std::clamp(n.y, -1.0f, 1.0f)) * 1.6f}; }

// What lies at a point of the map: how much of it is land, and its colour.
struct Ground {
    float land = 0.0f;
    Color color;
};

Ground ground(const Globe& globe, Vec2 at) {
    const Planet& planet = globe.planet;
    const float height = globe.noise.fractal(at + Vec2{5.3f, 2.9f}, 6);
    // Fractal noise clusters round one half, so a small shift of the shore changes the land's share a lot.
    const float shore = 0.5f + (0.5f - planet.landShare) * 0.5f;
    const float land = smoothstep(shore - 0.008f, shore + 0.008f, height);
    // Coastal shallows shine lighter than the open sea; inland, ridges and plains vary the tone.
    const float shallows = smoothstep(shore - 0.06f, shore, height);
    const Color sea = mix(planet.sea, scaled(planet.sea, 1.8f), shallows * 0.7f);
    const float relief = globe.noise.fractal(at * 5.0f + Vec2{1.1f, 7.7f}, 3);
    const Color soil = scaled(planet.land, 0.6f + 0.6f * relief);
    return {land, mix(sea, soil, land)};
}

float cloudCover(const Globe& globe, Vec2 at) {
    // Stretched along the parallels, as winds draw them out.
    const float wisps = globe.noise.fractal({at.x * 1.4f + 20.0f, at.y * 4.0f}, 5);
    return smoothstep(1.0f - globe.planet.clouds, 1.05f - globe.planet.clouds * 0.6f, wisps) * 0.85f;
}

Color shade(const Globe& globe, Vec2 p) {
    const Planet& planet = globe.planet;
    const Vec2 d = (p - planet.centre) * (1.0f / planet.radius);
    const Vec3 n{d.x, d.y, std::sqrt(std::max(0.0f, 1.0f - dot(d, d)))};
    const Vec2 at = mapPosition(n);
    const float cloud = cloudCover(globe, at);
    const Ground below = ground(globe, at);
    const float facing = dot(n, globe.light);
    const float lit = smoothstep(-0.15f, 0.35f, facing) * (0.25f + 0.75f * std::max(0.0f, facing));
    // The sea mirrors the sun where the surface turns halfway to it.
    const Vec3 half = normalized({globe.light.x, globe.light.y, globe.light.z + 1.0f});
    const float glint = std::pow(std::max(0.0f, dot(n, half)), 60.0f) * (1.0f - below.land) * (1.0f - cloud) * 0.6f;
    const float limb = std::pow(1.0f - n.z, 2.5f) * smoothstep(-0.2f, 0.3f, facing);
    Color color = scaled(mix(below.color, kCloud, cloud), lit);
    color = mix(color, planet.air, limb * 0.8f);
    return {color.r + glint, color.g + glint, color.b + glint, 1.0f};
}

// A thin glow round the limb on the lit side, fading fast inwards and slowly
// outwards; running across the edge keeps the limb from aliasing.
Color halo(const Globe& globe, Vec2 p) {
    const Planet& planet = globe.planet;
    const Vec2 d = (p - planet.centre) * (1.0f / planet.radius);
    const float r = length(d);
    const float beyond = r >= 1.0f ? (r - 1.0f) / kHaloWidth : (1.0f - r) / (kHaloWidth * 0.35f);
    const Vec3 edge = normalized({d.x, d.y, 0.15f});
    const float lit = smoothstep(-0.3f, 0.4f, dot(edge, globe.light));
    return withAlpha(planet.air, std::exp(-beyond) * lit * 0.7f);
}

}  // namespace

void drawPlanet(Raster& raster, const Planet& planet) {
    const Globe globe{planet, Noise(planet.seed), lightDirection(planet.towardsLight, planet.lightElevation)};
    const Shape disc = Shape::circle(planet.centre, planet.radius);
    raster.fill(disc, [&](Vec2 p) { return shade(globe, p); });
    raster.shine(disc.bounds().grown(planet.radius * kHaloWidth * 5.0f), [&](Vec2 p) { return halo(globe, p); });
}

}  // namespace art
