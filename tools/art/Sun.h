#pragma once

#include "Raster.h"

namespace art {

// A bright cyan-white star seen close up: a burnt-out core, a wide glow and
// a cross of streaks; its light adds to the raster within the area.
void drawSun(Raster& raster, Vec2 centre, const Box& area);

}  // namespace art
