#pragma once

#include "Raster.h"

#include <span>

namespace art {

// Bronze blades standing out from an oval body, each the same shape.
struct SpikeCrown {
    Vec2 centre;
    Vec2 baseRadii;  // the oval the blades stand on
    Vec2 tipRadii;   // the oval their tips reach
    float halfWidth = 0.0f;
    Vec2 light;  // unit direction the light comes from, on screen
    // The scale a figure is drawn at: the ridge down each blade stays as sharp
    // for its size, so a half-size figure has a ridge half as wide.
    float scale = 1.0f;
};

// One blade per angle, in degrees round the oval.
void drawSpikes(Raster& raster, const SpikeCrown& crown, std::span<const float> degrees);

}  // namespace art
