#include "Flatten.h"

#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

// Below this much cover an edge pixel reads as background, not as a dark fringe.
constexpr float kOpaqueFrom = 0.25f;

Color overBlack(Color c) { return {c.r * c.a, c.g * c.a, c.b * c.a, 1.0f}; }

// Adding a per-pixel offset in [0, 1) before truncating spreads the rounding
// error as fine noise instead of visible steps.
std::uint8_t dithered(float value, float offset) {
    return static_cast<std::uint8_t>(std::clamp(std::floor(value * 255.0f + offset), 0.0f, 255.0f));
}

template <typename Convert>
RgbImage convert(const Raster& raster, Convert pixel) {
    RgbImage image(raster.width(), raster.height());
    for (int y = 0; y < raster.height(); ++y) {
        for (int x = 0; x < raster.width(); ++x) {
            image.at(x, y) = pixel(raster.at(x, y), x, y);
        }
    }
    return image;
}

}  // namespace

RgbImage flattenDithered(const Raster& raster) {
    const Noise dither(0xD17E5EEDU);
    return convert(raster, [&](Color c, int x, int y) {
        const Color flat = overBlack(c);
        const float offset = dither.hash(x, y);
        return Rgb{dithered(flat.r, offset), dithered(flat.g, offset), dithered(flat.b, offset)};
    });
}

RgbImage flattenRounded(const Raster& raster) {
    return convert(raster, [](Color c, int, int) { return toRgb(overBlack(c)); });
}

RgbImage flattenOnBlackKey(const Raster& raster) {
    return convert(raster, [](Color c, int, int) {
        if (c.a < kOpaqueFrom) {
            return Rgb{};
        }
        const Rgb opaque = toRgb(overBlack(c));
        return opaque == Rgb{} ? Rgb{1, 1, 1} : opaque;
    });
}

}  // namespace art
