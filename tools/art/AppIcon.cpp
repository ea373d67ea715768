#include "Pictures.h"

#include "ShipFigure.h"
#include "Starfield.h"

#include <cmath>

namespace art {

namespace {

// Deep blue at the heart of the tile, nearly black at its edges, so the grey
// ship stands out on light and dark menus alike.
constexpr Color kSpace[]{{0.1f, 0.16f, 0.36f, 1.0f}, {0.04f, 0.06f, 0.16f, 1.0f}, {0.01f, 0.01f, 0.04f, 1.0f}};
// Stars only where they are more than a speck of noise.
constexpr int kStarsFrom = 48;

Shape tile(float size) {
    const float margin = std::floor(size / 32.0f);
    return Shape::box({margin, margin, size - margin, size - margin}, size * 0.16f);
}

}  // namespace

Raster drawAppIcon(int size) {
    const auto s = static_cast<float>(size);
    const Vec2 centre{s / 2.0f, s / 2.0f};
    Raster raster(size, size);
    const Shape backdrop = tile(s);
    raster.fill(backdrop, [=](Vec2 p) { return ramp(kSpace, length(p - centre) / (s * 0.7f)); });
    if (size >= kStarsFrom) {
        const float inset = s * 0.1f;
        drawStarfield(raster, {{inset, inset, s - inset, s - inset}, size / 5, 0x1C0FULL + size});
    }
    // The spike tips reach nearly to the tile's sides. Below 32 pixels they
    // reach it and stand wider, or the crown blurs into a faint ring.
    const bool tiny = size < 32;
    drawShipFigure(raster, centre, s * (tiny ? 0.5f : 0.45f) / ship_figure::kTipOval.x, tiny ? 1.6f : 1.0f);
    return raster;
}

}  // namespace art
