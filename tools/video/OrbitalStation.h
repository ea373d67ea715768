#pragma once

#include "art/Raster.h"

namespace video {

// The small station in orbit near the Moon: a hub between two solar wings,
// navigation lights that blink, and the emitter the shot comes from.
class OrbitalStation {
public:
    // Where the beam leaves the emitter of a station centred there.
    static art::Vec2 muzzle(art::Vec2 centre);
    // charge: 0..1, the emitter's glow before a shot.
    void draw(art::Raster& layer, art::Vec2 centre, float t, float charge) const;

private:
    static void drawWing(art::Raster& layer, art::Vec2 c, float side);
    static void drawHub(art::Raster& layer, art::Vec2 c);
    static void drawEmitter(art::Raster& layer, art::Vec2 c, float charge);
    static void drawLights(art::Raster& layer, art::Vec2 c, float t);
};

}  // namespace video
