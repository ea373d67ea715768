#pragma once

#include "Grid.h"

namespace art {

// Spreads coverage by one pixel on every side, for an outline round lettering;
// the result is two pixels wider and taller.
Grid<float> dilated(const Grid<float>& coverage);

}  // namespace art
