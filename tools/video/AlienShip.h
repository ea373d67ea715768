#pragma once

#include "art/Raster.h"
#include "art/Vec2.h"

namespace video {

// The player's little alien ship seen from above: a grey dome ringed with
// bronze spikes. At speed it leaves a streak of light behind it.
class AlienShip {
public:
    // Half-width and half-height of the oval through the spike tips.
    static constexpr art::Vec2 kSpikeReach{11.0f, 8.0f};

    void draw(art::Raster& layer, art::Vec2 centre, art::Vec2 velocity) const;

private:
    static void drawStreak(art::Raster& layer, art::Vec2 centre, art::Vec2 velocity);
    static void drawSpike(art::Raster& layer, art::Vec2 centre, float degrees);
    static void drawHull(art::Raster& layer, art::Vec2 centre);
};

} // namespace video
