#include "frame/web/GlyphScale.h"

#include <cstdlib>

namespace {

// FreeType's rounded a * b / c, the sign kept apart.
std::int64_t mulDiv(std::int64_t a, std::int64_t b, std::int64_t c) {
    std::int64_t magnitude = (std::llabs(a) * std::llabs(b) + c / 2) / c;
    return (a < 0) != (b < 0) ? -magnitude : magnitude;
}

}  // namespace

GlyphScale::GlyphScale(int unitsPerEm, int pixels)
    : scale_(((std::int64_t{pixels} * 64 << 16) + unitsPerEm / 2) / unitsPerEm),
      multiplier_((((scale_ * unitsPerEm + 0x8000) >> 16) << 16) / unitsPerEm) {}

std::int64_t GlyphScale::advance(int units) const { return (std::llabs(mulDiv(units, scale_, 64)) + 512) >> 10; }

std::int64_t GlyphScale::kerning(int units) const { return (units * multiplier_ + 0x8000) >> 16; }

int GlyphScale::ceilPixels(int units) const {
    std::int64_t product = units * scale_;
    std::int64_t scaled = (product + 0x8000 - (product < 0)) >> 16;
    return static_cast<int>((scaled + 63) >> 6);
}
