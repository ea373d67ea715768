#pragma once

#include "Raster.h"

#include <cstdint>

namespace art {

struct SpiralGalaxy {
    Vec2 centre;
    float radius = 0.0f;
    float angle = 0.0f;      // of the major axis, radians
    float axisRatio = 1.0f;  // minor over major: how far the disc is tilted away
    float winding = 0.0f;    // how tightly the arms wrap
    float brightness = 1.0f;
    std::uint32_t seed = 0;
};

struct EdgeOnGalaxy {
    Vec2 centre;
    float halfLength = 0.0f;
    float halfThickness = 0.0f;
    float angle = 0.0f;
    float brightness = 1.0f;
    std::uint32_t seed = 0;
};

void drawSpiralGalaxy(Raster& raster, const SpiralGalaxy& galaxy);
void drawEdgeOnGalaxy(Raster& raster, const EdgeOnGalaxy& galaxy);

}  // namespace art
