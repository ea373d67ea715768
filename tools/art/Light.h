#pragma once

#include "Vec2.h"

namespace art {

// The ship and the start button are lit alike: light falls from the upper left.
// A unit direction on screen, pointing towards the light.
inline constexpr Vec2 kUpperLeftLight{-0.55f, -0.83f};

}  // namespace art
