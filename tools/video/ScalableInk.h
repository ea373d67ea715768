#pragma once

#include "art/Grid.h"
#include "art/Vec2.h"

namespace video {

// Coverage placed on the picture: its top-left pixel lands at (left, top).
struct PlacedInk {
    art::Grid<float> coverage;
    int left = 0;
    int top = 0;
};

// Lettering rendered once, large, and shrunk to any size and sub-pixel
// position by averaging, so a zoom runs smoothly instead of stepping through
// font sizes.
class ScalableInk {
public:
    explicit ScalableInk(art::Grid<float> ink);

    // Scaled to the given width, centred on the given point.
    PlacedInk placed(art::Vec2 centre, float width) const;

private:
    float sample(art::Vec2 p) const;

    art::Grid<float> ink_;
};

}  // namespace video
