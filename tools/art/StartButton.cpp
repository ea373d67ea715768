#include "Pictures.h"

#include "Easing.h"
#include "Flatten.h"
#include "FontLocator.h"
#include "Light.h"
#include "MetalLettering.h"
#include "Noise.h"
#include "Spikes.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace art {

namespace {

// The button at rest; the lit one is the same plate drawn a little larger.
constexpr int kWidth = 153;
constexpr int kHeight = 113;
constexpr int kLitWidth = 159;
constexpr int kLitHeight = 115;

// Sizes at rest, in pixels.
constexpr Vec2 kTips{75.0f, 55.5f};
constexpr Vec2 kPlate{51.0f, 37.0f};
constexpr float kRimWidth = 5.0f;
constexpr Vec2 kStone = kPlate - Vec2{kRimWidth, kRimWidth};
constexpr Vec2 kGlass{37.0f, 20.5f};
constexpr Vec2 kWordBox{62.0f, 24.0f};
constexpr float kSpikeHalfWidth = 7.5f;
constexpr std::array<float, 12> kSpikeAngles{0.0f,   30.0f,  60.0f,  90.0f,  120.0f, 150.0f,
                                             180.0f, 210.0f, 240.0f, 270.0f, 300.0f, 330.0f};

constexpr Color kSteel[]{hexColor(0x2A2C30), hexColor(0x5E636A), hexColor(0x9EA4AC), hexColor(0xE4E8EE)};
constexpr Color kStoneDark = hexColor(0x1C1917);
constexpr Color kStoneLight = hexColor(0x5C544B);
constexpr Color kGroove = hexColor(0x0A0908);
constexpr Color kGlassDeep = hexColor(0x03070C);
constexpr Color kGlassLow = hexColor(0x123040);
constexpr Color kGlowCore = hexColor(0xFFF6CC);
constexpr Color kGlowEdge = hexColor(0xF08A1E);

constexpr MetalFinish kGoldBronze{
    {hexColor(0xFFF2B8), hexColor(0xF4C658), hexColor(0x9A5E1C), hexColor(0xD09A40), hexColor(0xF6CE70)},
    1.0f,
    hexColor(0x1A0C02),
    1};
constexpr MetalFinish kDarkTeal{
    {hexColor(0x1A6A6A), hexColor(0x0E5252), hexColor(0x053A3C), hexColor(0x084646), hexColor(0x0C5858)}, 0.5f, {}, 0};

// Where the plate lies in a picture: centred, its sizes scaled to the picture.
struct Plate {
    Vec2 centre;
    Vec2 scale;

    Vec2 sized(Vec2 atRest) const { return {atRest.x * scale.x, atRest.y * scale.y}; }
    // Position relative to an oval of the given size at rest: 1 on its edge.
    Vec2 within(Vec2 p, Vec2 atRest) const {
        const Vec2 radii = sized(atRest);
        return {(p.x - centre.x) / radii.x, (p.y - centre.y) / radii.y};
    }
    Shape oval(Vec2 atRest) const { return Shape::ellipse(centre, sized(atRest)); }
};

// A rounded band of polished steel: bright where it faces the light.
Color rimShade(const Plate& plate, Vec2 p) {
    const Vec2 q = plate.within(p, kPlate);
    const float across = std::clamp((1.0f - length(q)) * kPlate.y / kRimWidth, 0.0f, 1.0f);
    const float facing = dot(normalized(q), kUpperLeftLight) * (1.0f - 2.0f * across);
    return ramp(kSteel, 0.5f + 0.45f * facing);
}

// Dark mottled stone, domed a little towards the light.
Color stoneShade(const Noise& grain, const Plate& plate, Vec2 p) {
    const float mottle = grain.fractal(p * 0.11f, 5);
    const float speckle = grain.hash(static_cast<int>(p.x), static_cast<int>(p.y));
    const float tone = smoothstep(0.3f, 0.75f, mottle) * 0.8f + (speckle > 0.93f ? 0.25f : 0.0f);
    const float dome = 0.85f + 0.3f * dot(plate.within(p, kPlate), kUpperLeftLight);
    return scaled(mix(kStoneDark, kStoneLight, tone), dome);
}

Color darkGlass(const Plate& plate, Vec2 p) {
    const Vec2 q = plate.within(p, kGlass);
    // Light gathers in the lower part of a dark lens.
    const float low = smoothstep(-0.2f, 0.9f, q.y) * (1.0f - smoothstep(0.5f, 1.0f, length(q)));
    return mix(kGlassDeep, kGlassLow, low);
}

Color glowingGlass(const Plate& plate, Vec2 p) {
    const Color glow[]{kGlowCore, kGlowCore, kGlowEdge};
    return ramp(glow, length(plate.within(p, kGlass)));
}

// The lit glass throws a warm light onto the stone round it.
Color glowSpill(const Plate& plate, Vec2 p) {
    const float beyond = length(plate.within(p, kGlass)) - 1.0f;
    return withAlpha(kGlowEdge, beyond > 0.0f ? 0.5f * std::exp(-beyond * 4.0f) : 0.0f);
}

void drawPlate(Raster& raster, const Plate& plate) {
    const Noise grain(0x5704EU);
    raster.fill(plate.oval(kPlate), [&](Vec2 p) { return rimShade(plate, p); });
    raster.fill(plate.oval(kStone), [&](Vec2 p) { return stoneShade(grain, plate, p); });
    // A dark groove seats the glass in the stone.
    raster.fill(plate.oval(kGlass + Vec2{2.0f, 2.0f}), kGroove);
}

void drawGlass(Raster& raster, const Plate& plate, bool lit) {
    const Shape glass = plate.oval(kGlass);
    if (lit) {
        raster.shine(plate.oval(kStone).bounds(), [&](Vec2 p) { return glowSpill(plate, p); });
        raster.fill(glass, [&](Vec2 p) { return glowingGlass(plate, p); });
    } else {
        raster.fill(glass, [&](Vec2 p) { return darkGlass(plate, p); });
    }
    // A reflection of the light across the top of the glass.
    const Vec2 top = plate.sized(kGlass);
    const Shape sheen = Shape::ellipse(plate.centre - Vec2{0.0f, top.y * 0.5f}, {top.x * 0.78f, top.y * 0.42f});
    raster.fill(sheen.intersected(glass), [&](Vec2 p) {
        const float down = (p.y - (plate.centre.y - top.y)) / (top.y * 0.9f);
        return Color{1.0f, 1.0f, 1.0f, 0.55f * (1.0f - smoothstep(0.0f, 1.0f, down))};
    });
}

void drawWord(Raster& raster, const SdlLettering& lettering, const Plate& plate, const MetalFinish& finish) {
    const Vec2 box = plate.sized(kWordBox);
    const Grid<float> ink = lettering.renderToFit(locateFont("Liberation Serif:bold"), "Start", static_cast<int>(box.x),
                                                  static_cast<int>(box.y));
    const int left = static_cast<int>(std::lround(plate.centre.x - static_cast<float>(ink.width()) * 0.5f));
    const int top = static_cast<int>(std::lround(plate.centre.y - static_cast<float>(ink.height()) * 0.5f));
    drawMetalLettering(raster, ink, left, top, finish);
}

RgbImage drawButton(const SdlLettering& lettering, int width, int height, bool lit) {
    const Plate plate{{static_cast<float>(width) * 0.5f, static_cast<float>(height) * 0.5f},
                      {static_cast<float>(width) / kWidth, static_cast<float>(height) / kHeight}};
    Raster raster(width, height);
    const float spikeWidth = kSpikeHalfWidth * (plate.scale.x + plate.scale.y) * 0.5f;
    drawSpikes(raster, {plate.centre, plate.sized(kPlate * 0.9f), plate.sized(kTips), spikeWidth, kUpperLeftLight},
               kSpikeAngles);
    drawPlate(raster, plate);
    drawGlass(raster, plate, lit);
    drawWord(raster, lettering, plate, lit ? kDarkTeal : kGoldBronze);
    return flattenOnBlackKey(raster);
}

}  // namespace

RgbImage drawStartButton(const SdlLettering& lettering) { return drawButton(lettering, kWidth, kHeight, false); }

RgbImage drawLitStartButton(const SdlLettering& lettering) {
    return drawButton(lettering, kLitWidth, kLitHeight, true);
}

}  // namespace art
