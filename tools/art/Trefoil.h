#pragma once

#include "Shape.h"

namespace art {

// The radiation sign's three blades round a small hub: one blade down, two up.
// At scale 1 the blades reach 8.8 pixels from the centre.
Shape trefoil(Vec2 centre, float scale);

}  // namespace art
