#pragma once

#include "Grid.h"

#include <cstddef>
#include <vector>

namespace art {

// Reduces a picture to at most paletteSize colours by median cut. The pinned
// colours head the palette, so pixels of exactly those colours keep them.
IndexedImage quantize(const RgbImage& image, std::size_t paletteSize, const std::vector<Rgb>& pinned);

}  // namespace art
