#include "Mask.h"

namespace art {

namespace {

constexpr int kSamples = 4;

int samplesInside(const Shape& shape, int x, int y) {
    int inside = 0;
    for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
            const Vec2 p{static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / kSamples,
                         static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / kSamples};
            inside += shape.contains(p) ? 1 : 0;
        }
    }
    return inside;
}

}  // namespace

Mask Mask::of(const Shape& shape, int width, int height) {
    Mask mask(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            mask.set(x, y, 2 * samplesInside(shape, x, y) >= kSamples * kSamples);
        }
    }
    return mask;
}

Mask Mask::shifted(int dx, int dy) const {
    Mask moved(width(), height());
    for (int y = 0; y < height(); ++y) {
        for (int x = 0; x < width(); ++x) {
            moved.set(x, y, has(x - dx, y - dy));
        }
    }
    return moved;
}

}  // namespace art
