#include "Pictures.h"

#include "Mask.h"
#include "Trefoil.h"

namespace art {

namespace {

constexpr int kWidth = 63;
constexpr int kHeight = 62;
constexpr Vec2 kCentre{31.5f, 31.0f};
constexpr float kRingOuter = 30.6f;
constexpr float kRingInner = 25.4f;
constexpr float kTrefoilScale = 2.4f;

constexpr Rgb kYellow = rgb8(0xFFFF00);

}  // namespace

// Hard-edged in two exact colours, so the game's black key cuts it out cleanly.
RgbImage drawRadiationSign() {
    const Shape ring = Shape::circle(kCentre, kRingOuter).minus(Shape::circle(kCentre, kRingInner));
    const Mask sign = Mask::of(ring.united(trefoil(kCentre, kTrefoilScale)), kWidth, kHeight);
    RgbImage image(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (sign.has(x, y)) {
                image.at(x, y) = kYellow;
            }
        }
    }
    return image;
}

}  // namespace art
