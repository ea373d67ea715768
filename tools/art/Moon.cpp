#include "Moon.h"

#include "Easing.h"
#include "Noise.h"
#include "Random.h"
#include "Vec3.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

namespace {

struct Crater {
    Vec3 centre;  // unit vector on the sphere
    float angularRadius = 0.0f;
    float depth = 0.0f;  // steepness of the bowl walls
    float rays = 0.0f;   // brightness of ejecta rays, for young craters
};

constexpr float kEarthshine = 0.035f;
constexpr float kRimWidth = 0.3f;  // of the crater radius
// Shading varies quickly across crater rims; averaging a few samples per pixel keeps them clean.
constexpr int kSubsamples = 3;

// Uniform over the visible face, so the limb gets foreshortened craters too.
Vec3 visiblePoint(Random& random) {
    for (;;) {
        const float x = random.range(-0.95f, 0.95f);
        const float y = random.range(-0.95f, 0.95f);
        if (x * x + y * y < 0.9f) {
            return {x, y, std::sqrt(1.0f - x * x - y * y)};
        }
    }
}

// Many small craters, a few large ones.
std::vector<Crater> scatterCraters(const Moon& moon) {
    Random random(moon.seed);
    std::vector<Crater> craters;
    for (int i = 0; i < moon.craters; ++i) {
        const float size = random.uniform();
        craters.push_back({visiblePoint(random), 0.03f + 0.17f * size * size * size * size, random.range(0.25f, 0.45f),
                           random.chance(0.1f) ? random.range(0.06f, 0.12f) : 0.0f});
    }
    return craters;
}

struct SurfacePoint {
    Vec3 normal;
    float albedo = 0.0f;
};

// Slope of the crater's height profile across its radius: a parabolic bowl
// rising to a rim that falls away outside.
float craterSlope(float t, float depth) {
    if (t < 1.0f) {
        return 2.0f * depth * t;
    }
    const float u = (t - 1.0f) / kRimWidth;
    return -2.0f * depth * u * std::exp(-u * u) * 1.6f;
}

void applyCrater(SurfacePoint& point, Vec3 position, const Crater& crater, const Noise& noise) {
    const float cosine = std::clamp(dot(position, crater.centre), -1.0f, 1.0f);
    const float t = std::acos(cosine) / crater.angularRadius;
    if (t > 1.0f + 3.0f * kRimWidth) {
        return;
    }
    const Vec3 outward = normalized(position - crater.centre * cosine);
    point.normal = point.normal - outward * craterSlope(t, crater.depth);
    point.albedo *= t < 1.0f ? 0.95f : 1.0f;
    if (crater.rays > 0.0f && t > 1.0f) {
        // Sampling noise around a circle keeps the spokes seamless all the way round.
        const float azimuth = std::atan2(position.y - crater.centre.y, position.x - crater.centre.x);
        const float spokes = noise.value({std::cos(azimuth) * 4.0f + 40.0f, std::sin(azimuth) * 4.0f});
        point.albedo += crater.rays * smoothstep(0.55f, 0.8f, spokes) * std::exp(-(t - 1.0f) * 1.2f);
    }
}

float baseAlbedo(Vec3 position, const Noise& noise) {
    const float longitude = std::atan2(position.x, position.z);
    const float latitude = std::asin(std::clamp(position.y, -1.0f, 1.0f));
    const Vec2 surface{longitude * 1.8f, latitude * 1.8f};
    const float maria = smoothstep(0.48f, 0.62f, noise.fractal(surface + Vec2{3.7f, 1.3f}, 5));
    const float grain = noise.fractal(surface * 10.0f, 3) - 0.5f;
    return 0.62f - 0.24f * maria + 0.08f * grain;
}

float brightness(const Moon& moon, const std::vector<Crater>& craters, const Noise& noise, Vec3 light, Vec2 p) {
    const Vec2 d = (p - moon.centre) * (1.0f / moon.radius);
    const Vec3 position{d.x, d.y, std::sqrt(std::max(0.0f, 1.0f - dot(d, d)))};
    SurfacePoint point{position, baseAlbedo(position, noise)};
    for (const Crater& crater : craters) {
        applyCrater(point, position, crater, noise);
    }
    const float lambert = std::max(0.0f, dot(normalized(point.normal), light));
    return point.albedo * (kEarthshine + 1.1f * lambert);
}

Color shade(const Moon& moon, const std::vector<Crater>& craters, const Noise& noise, Vec3 light, Vec2 p) {
    float sum = 0.0f;
    for (int sy = 0; sy < kSubsamples; ++sy) {
        for (int sx = 0; sx < kSubsamples; ++sx) {
            const Vec2 offset{(static_cast<float>(sx) + 0.5f) / kSubsamples - 0.5f,
                              (static_cast<float>(sy) + 0.5f) / kSubsamples - 0.5f};
            sum += brightness(moon, craters, noise, light, p + offset);
        }
    }
    const float lit = sum / (kSubsamples * kSubsamples);
    return {moon.rock.r * lit, moon.rock.g * lit, moon.rock.b * lit + 0.012f, 1.0f};
}

}  // namespace

void drawMoon(Raster& raster, const Moon& moon) {
    const Noise noise(moon.seed);
    const std::vector<Crater> craters = scatterCraters(moon);
    const Vec3 light = lightDirection(moon.towardsLight, moon.lightElevation);
    raster.fill(Shape::circle(moon.centre, moon.radius), [&](Vec2 p) { return shade(moon, craters, noise, light, p); });
}

}  // namespace art
