#include "IntroScene.h"

#include "LaserBeam.h"
#include "art/Flatten.h"
#include "art/Moon.h"

#include <cstdint>

namespace video {

using art::Raster;
using art::Vec2;

namespace {

constexpr std::uint32_t kSkySeed = 0x1A7E0U;
constexpr float kMoonRadius = 36.0f;
// The sun is off to the upper left, as it is for the station and the ship.
constexpr Vec2 kTowardsSun{-1.0f, -0.7f};
constexpr float kSunElevation = 0.35f;  // enough front light to show the craters, dark enough to read round
constexpr int kMoonCraters = 40;
constexpr std::uint32_t kMoonSeed = 0x300DU;
constexpr Vec2 kTitleCentre{92.0f, 55.0f};
constexpr float kTitleWidth = 150.0f;

art::Box wholeOf(const Raster& raster) {
    return {0.0f, 0.0f, static_cast<float>(raster.width()), static_cast<float>(raster.height())};
}

void composite(Raster& under, const Raster& over, float opacity) {
    under.fill(art::Shape::box(wholeOf(under)), [&](Vec2 p) {
        const art::Color c = over.at(static_cast<int>(p.x), static_cast<int>(p.y));
        return withAlpha(c, c.a * opacity);
    });
}

}  // namespace

IntroScene::IntroScene(const art::SdlLettering& lettering)
    : stars_(kFormat.width, kFormat.height, kSkySeed), title_(lettering, kTitleCentre, kTitleWidth) {}

Raster IntroScene::foreground(float t) const {
    Raster layer(kFormat.width, kFormat.height);
    art::drawMoon(layer, {timing_.moonCentre(t), kMoonRadius, kTowardsSun, kSunElevation, kMoonCraters, kMoonSeed});
    station_.draw(layer, timing_.stationCentre(t), t, timing_.charge(t));
    if (timing_.shipInSight(t)) {
        ship_.draw(layer, timing_.shipCentre(t), timing_.shipVelocity(t));
    }
    return layer;
}

art::RgbImage IntroScene::frame(int index) const {
    const float t = static_cast<float>(index) / static_cast<float>(kFormat.framesPerSecond);
    Raster picture(kFormat.width, kFormat.height, {0.0f, 0.0f, 0.0f, 1.0f});
    stars_.draw(picture, t);
    const float opacity = timing_.sceneOpacity(t);
    if (opacity > 0.0f) {
        composite(picture, foreground(t), opacity);
    }
    LaserBeam(OrbitalStation::muzzle(timing_.stationCentre(t)), timing_.beamAim())
        .draw(picture, timing_.beamReach(t), timing_.beamStrength(t));
    title_.draw(picture, timing_.titleReveal(t), timing_.titleGleam(t));
    const float brightness = timing_.brightness(t);
    picture.attenuate([brightness](Vec2) { return brightness; });
    return art::flattenRounded(picture);
}

}  // namespace video
