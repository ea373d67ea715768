#include "Pictures.h"

#include "Easing.h"
#include "Flatten.h"
#include "Galaxy.h"
#include "LensFlare.h"
#include "Moon.h"
#include "Noise.h"
#include "Starfield.h"
#include "Sun.h"

#include <array>

namespace art {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
// The game shows only this part of the picture; everything is placed inside it.
constexpr Box kShown{56.0f, 16.0f, 640.0f, 462.0f};

constexpr Vec2 kSun{352.0f, 82.0f};
constexpr Vec2 kFlareEnd{205.0f, 452.0f};

bool isShown(Vec2 p) { return p.x >= kShown.left && p.x < kShown.right && p.y >= kShown.top && p.y < kShown.bottom; }

void addNebula(Raster& raster) {
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

// Rims alternate between three shades of violet.
constexpr Color violetRim(int shade) { return {0.45f + 0.08f * static_cast<float>(shade), 0.25f, 0.9f, 1.0f}; }

constexpr std::array<Ghost, 11> kGhosts{{{0.08f, 3.0f, 0.04f, 0.2f, violetRim(0)},
                                         {0.16f, 11.0f, 0.12f, 0.05f, violetRim(1)},
                                         {0.25f, 2.5f, 0.06f, 0.22f, violetRim(2)},
                                         {0.34f, 19.0f, 0.14f, 0.035f, violetRim(0)},
                                         {0.43f, 6.0f, 0.1f, 0.12f, violetRim(1)},
                                         {0.53f, 26.0f, 0.1f, 0.03f, violetRim(2)},
                                         {0.6f, 3.5f, 0.05f, 0.16f, violetRim(0)},
                                         {0.69f, 13.0f, 0.14f, 0.06f, violetRim(1)},
                                         {0.8f, 8.0f, 0.1f, 0.08f, violetRim(2)},
                                         {0.9f, 4.0f, 0.05f, 0.14f, violetRim(0)},
                                         {1.0f, 32.0f, 0.11f, 0.035f, violetRim(1)}}};

void addGalaxies(Raster& raster) {
    drawSpiralGalaxy(raster, {{126.0f, 402.0f}, 56.0f, -0.5f, 0.58f, 1.5f, 1.0f, 0x6A1A01U});
    drawSpiralGalaxy(raster, {{436.0f, 316.0f}, 40.0f, 0.7f, 0.74f, 1.8f, 0.9f, 0x6A1A02U});
    drawEdgeOnGalaxy(raster, {{562.0f, 212.0f}, 40.0f, 3.2f, -0.32f, 1.0f, 0x6A1A03U});
}

void addMoon(Raster& raster) {
    const Vec2 centre{140.0f, 222.0f};
    drawMoon(raster, {centre, 52.0f, kSun - centre, 0.45f, 55, 0x300DU});
}

}  // namespace

RgbImage drawBackground() {
    Raster raster(kWidth, kHeight, {0.0f, 0.0f, 0.0f, 1.0f});
    addNebula(raster);
    drawStarfield(raster, {kShown, 950, 0x57A125ULL});
    addGalaxies(raster);
    addMoon(raster);
    drawSun(raster, kSun, kShown);
    drawLensFlare(raster, kSun, kFlareEnd, kGhosts);
    // Nothing outside the shown part: the unseen corners stay exactly black.
    raster.attenuate([](Vec2 p) { return isShown(p) ? 1.0f : 0.0f; });
    return flattenDithered(raster);
}

}  // namespace art
