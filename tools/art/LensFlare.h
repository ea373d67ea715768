#pragma once

#include "Raster.h"

#include <span>

namespace art {

// One reflection of the sun inside the lens: a disc with a brighter rim.
struct Ghost {
    float along = 0.0f;  // 0 at the sun, 1 at the flare's end
    float radius = 0.0f;
    float ring = 0.0f;  // brightness of the rim
    float fill = 0.0f;  // brightness of the disc inside it
    Color tint;
    int sides = 0;  // of the aperture's polygon; 0 for a round one
};

// Adds the ghosts' light along the line from the sun to the flare's end.
void drawLensFlare(Raster& raster, Vec2 sun, Vec2 end, std::span<const Ghost> ghosts);

}  // namespace art
