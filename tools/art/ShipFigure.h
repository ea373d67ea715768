#pragma once

#include "Raster.h"

namespace art {

namespace ship_figure {
// Half-width and half-height of the hull, and of the oval through the spike tips, at scale 1.
inline constexpr Vec2 kHull{12.5f, 9.0f};
inline constexpr Vec2 kTipOval{21.9f, 15.9f};
}  // namespace ship_figure

// The player's ship seen from above: a grey dome ringed with ten bronze spikes.
// At scale 1 it fills the game's sprite; the intro video draws it smaller.
// The smallest icons widen the spikes by spikeBoldness so each still shows.
void drawShipFigure(Raster& raster, Vec2 centre, float scale, float spikeBoldness = 1.0f);

}  // namespace art
