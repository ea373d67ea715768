#pragma once

#include "ScalableInk.h"
#include "art/Raster.h"
#include "art/SdlLettering.h"

namespace video {

// The game's name in gold with a warm glow. It grows into place while fading
// in, and a gleam can run across it once it has settled.
class TitleCard {
public:
    TitleCard(const art::SdlLettering& lettering, art::Vec2 centre, float width);

    // reveal: 0 (not shown) .. 1 (settled); gleam: 0..1 across, negative for none.
    void draw(art::Raster& frame, float reveal, float gleam) const;

private:
    static art::Color gold(const PlacedInk& letters, art::Vec2 p, float gleam);

    ScalableInk ink_;
    art::Vec2 centre_;
    float width_;
};

}  // namespace video
