#pragma once

#include "Raster.h"

namespace art {

// How lettering is finished: a colour ramp running down the letters, a lip
// that catches the light on their upper-left edges and a dark outline.
struct MetalFinish {
    Color tones[5];      // from the letters' top row to their bottom row
    float bevel = 0.0f;  // strength of the lit and shaded edges
    Color outline;
    int outlineWidth = 0;  // pixels; 0 leaves the letters bare
};

// Composites the lettering onto the raster with its top-left ink pixel at (left, top).
void drawMetalLettering(Raster& raster, const Grid<float>& ink, int left, int top, const MetalFinish& finish);

}  // namespace art
