#pragma once

#include "Grid.h"
#include "Raster.h"

namespace art {

// An opaque picture: composited over black and dithered so soft glows do not band.
// Exact black stays exact black.
RgbImage flattenDithered(const Raster& raster);

// An opaque picture rounded to the nearest 8-bit colour, so flat areas keep
// their exact colour.
RgbImage flattenRounded(const Raster& raster);

// A sprite keyed on black: nearly clear pixels become the key, the rest are
// composited over black and kept off #000000 so nothing opaque turns see-through.
RgbImage flattenOnBlackKey(const Raster& raster);

}  // namespace art
