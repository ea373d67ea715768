#include "MetalLettering.h"

#include "Coverage.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

float inkAt(const Grid<float>& ink, int x, int y) { return ink.contains(x, y) ? ink.at(x, y) : 0.0f; }

// Positive where the letter's edge faces the upper left, negative where it
// faces the lower right.
float edgeFacingLight(const Grid<float>& ink, int x, int y) {
    return inkAt(ink, x + 1, y + 1) - inkAt(ink, x - 1, y - 1);
}

Color letterColor(const Grid<float>& ink, int x, int y, const MetalFinish& finish) {
    const float down = (static_cast<float>(y) + 0.5f) / static_cast<float>(ink.height());
    const Color base = ramp(finish.tones, down);
    const float edge = std::clamp(edgeFacingLight(ink, x, y) * finish.bevel, -1.0f, 1.0f);
    const Color toward = edge > 0.0f ? Color{1.0f, 0.97f, 0.88f, 1.0f} : Color{0.0f, 0.0f, 0.0f, 1.0f};
    return mix(base, toward, std::abs(edge) * 0.6f);
}

}  // namespace

void drawMetalLettering(Raster& raster, const Grid<float>& ink, int left, int top, const MetalFinish& finish) {
    Grid<float> outline = ink;
    for (int i = 0; i < finish.outlineWidth; ++i) {
        outline = dilated(outline);
    }
    if (finish.outlineWidth > 0) {
        raster.stamp(outline, left - finish.outlineWidth, top - finish.outlineWidth,
                     [&](Vec2) { return finish.outline; });
    }
    raster.stamp(ink, left, top, [&](Vec2 p) {
        return letterColor(ink, static_cast<int>(p.x) - left, static_cast<int>(p.y) - top, finish);
    });
}

}  // namespace art
