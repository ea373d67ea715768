#include "Pictures.h"

#include "Flatten.h"
#include "LensFlare.h"
#include "Moon.h"
#include "Planet.h"
#include "Starfield.h"
#include "Sun.h"

#include <array>

namespace art {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
// The title screen shows only this part of the picture.
constexpr Box kShown{0.0f, 0.0f, 632.0f, 454.0f};

constexpr Vec2 kSun{110.0f, 90.0f};
// The flare runs from the sun through the middle of the view, as a lens throws it.
constexpr Vec2 kFlareEnd{560.0f, 390.0f};
constexpr Vec2 kPlanet{500.0f, 228.0f};

constexpr Color kTeal{0.15f, 1.15f, 1.05f, 1.0f};
constexpr Color kViolet{0.55f, 0.22f, 0.95f, 1.0f};

// Fainter the further they fall from the sun.
constexpr std::array<Ghost, 12> kGhosts{{{0.1f, 7.0f, 0.16f, 0.12f, kTeal, 6},
                                         {0.17f, 16.0f, 0.2f, 0.05f, kViolet, 0},
                                         {0.24f, 4.0f, 0.1f, 0.2f, kTeal, 0},
                                         {0.32f, 24.0f, 0.16f, 0.04f, kTeal, 6},
                                         {0.4f, 9.0f, 0.14f, 0.1f, kViolet, 6},
                                         {0.47f, 5.0f, 0.08f, 0.16f, kTeal, 0},
                                         {0.55f, 30.0f, 0.12f, 0.03f, kViolet, 0},
                                         {0.64f, 12.0f, 0.1f, 0.06f, kTeal, 6},
                                         {0.72f, 6.0f, 0.06f, 0.1f, kViolet, 0},
                                         {0.8f, 20.0f, 0.08f, 0.03f, kTeal, 0},
                                         {0.9f, 9.0f, 0.05f, 0.05f, kViolet, 6},
                                         {1.0f, 38.0f, 0.06f, 0.02f, kTeal, 0}}};

bool isShown(Vec2 p) { return p.x < kShown.right && p.y < kShown.bottom; }

void addWorlds(Raster& raster) {
    drawPlanet(raster, {kPlanet, 88.0f, kSun - kPlanet, 0.5f, hexColor(0x0A2E8C), hexColor(0xD8A43C), 0.3f, 0.35f,
                        hexColor(0x6EB4FF), 0xEA27U});
    const Vec2 moon{604.0f, 336.0f};
    drawMoon(raster, {moon, 15.0f, kSun - moon, 0.3f, 14, 0x7A11U, hexColor(0xF0D2A0)});
    const Vec2 redPlanet{292.0f, 128.0f};
    drawPlanet(raster, {redPlanet, 6.5f, kSun - redPlanet, 0.5f, hexColor(0x8C2A14), hexColor(0xD05A2C), 0.6f, 0.0f,
                        hexColor(0xFF9070), 0x3A25U});
}

}  // namespace

RgbImage drawSpace() {
    Raster raster(kWidth, kHeight, {0.0f, 0.0f, 0.0f, 1.0f});
    drawStarfield(raster, {kShown, 900, 0x71AC0FULL});
    addWorlds(raster);
    drawSun(raster, kSun, kShown);
    drawLensFlare(raster, kSun, kFlareEnd, kGhosts);
    // The unseen strips stay exactly black.
    raster.attenuate([](Vec2 p) { return isShown(p) ? 1.0f : 0.0f; });
    return flattenDithered(raster);
}

}  // namespace art
