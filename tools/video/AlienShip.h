#pragma once

#include "art/Raster.h"
#include "art/ShipFigure.h"
#include "art/Vec2.h"

namespace video {

// The player's little alien ship, drawn as the game's sprite is but at about
// half its size. At speed it leaves a streak of light behind it.
class AlienShip {
public:
    // A little over half: at exactly half the dark rim no longer tones down the
    // spike bases, and they read as the title's gold.
    static constexpr float kScale = 0.51f;
    // Half-width and half-height of the oval through the spike tips.
    static constexpr art::Vec2 kSpikeReach = art::ship_figure::kTipOval * kScale;

    void draw(art::Raster& layer, art::Vec2 centre, art::Vec2 velocity) const;

private:
    static void drawStreak(art::Raster& layer, art::Vec2 centre, art::Vec2 velocity);
};

}  // namespace video
