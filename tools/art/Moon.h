#pragma once

#include "Raster.h"

#include <cstdint>

namespace art {

struct Moon {
    Vec2 centre;
    float radius = 0.0f;
    Vec2 towardsLight;            // on screen; the light also falls from in front
    float lightElevation = 0.0f;  // share of the light coming from the viewer's side, 0..1
    int craters = 0;
    std::uint32_t seed = 0;
    Color rock{0.93f, 0.92f, 0.9f, 1.0f};  // colour of the lit surface
};

// A lit, cratered sphere, opaque over whatever lies behind it.
void drawMoon(Raster& raster, const Moon& moon);

}  // namespace art
