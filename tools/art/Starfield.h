#pragma once

#include "Raster.h"

#include <cstdint>

namespace art {

struct Starfield {
    Box area;
    int count = 0;
    std::uint64_t seed = 0;
};

// Mostly faint single-pixel stars of mixed temperatures, a few brighter ones
// and a rare few with a diffraction cross; their light adds to the raster.
void drawStarfield(Raster& raster, const Starfield& field);

}  // namespace art
