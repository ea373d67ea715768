#pragma once

#include "ScalableInk.h"

namespace video {

// The coverage blurred by a Gaussian, grown on every side to hold the blur.
PlacedInk blurred(const PlacedInk& ink, float sigma);

}  // namespace video
