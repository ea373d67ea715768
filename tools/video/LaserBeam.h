#pragma once

#include "art/Raster.h"

namespace video {

// The station's shot: a green beam from the muzzle through the aim point and
// on out of the picture, drawn as emitted light.
class LaserBeam {
public:
    LaserBeam(art::Vec2 muzzle, art::Vec2 aim);

    // reach: 0..1 of the way out; strength: 0..1, the beam thins as it fades.
    void draw(art::Raster& frame, float reach, float strength) const;

private:
    art::Color lightAt(const art::Shape& axis, art::Vec2 p, float strength) const;

    art::Vec2 muzzle_;
    art::Vec2 direction_;
};

}  // namespace video
