#pragma once

#include "Raster.h"

#include <cstdint>

namespace art {

struct Planet {
    Vec2 centre;
    float radius = 0.0f;
    Vec2 towardsLight;            // on screen
    float lightElevation = 0.0f;  // share of the light coming from the viewer's side, 0..1
    Color sea;
    Color land;
    float landShare = 0.0f;  // of the surface, 0..1
    float clouds = 0.0f;     // cover, 0 for a clear sky
    Color air;               // the atmosphere's glow at the limb
    std::uint32_t seed = 0;
};

// A lit globe of seas and continents under thin cloud, in a glowing shell of air.
void drawPlanet(Raster& raster, const Planet& planet);

}  // namespace art
