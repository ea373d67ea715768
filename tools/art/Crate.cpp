#include "Pictures.h"

#include "Mask.h"
#include "Trefoil.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr int kWidth = 48;
constexpr int kHeight = 27;
// The capsule keeps a one-pixel black margin so the launch bays, whose corners
// are rounded, never clip its outline.
constexpr float kRadius = 12.5f;
constexpr Vec2 kLeftEnd{1.0f + kRadius, 13.5f};
constexpr Vec2 kRightEnd{47.0f - kRadius, 13.5f};
constexpr Vec2 kMiddle{24.0f, 13.5f};
constexpr Vec2 kLight{-0.6f, -0.8f};

constexpr Rgb kBlack = rgb8(0x000000);
constexpr Rgb kWhite = rgb8(0xFFFFFF);
constexpr Rgb kLightGrey = rgb8(0xC0C0C0);
constexpr Rgb kGrey = rgb8(0x808080);
constexpr Rgb kYellow = rgb8(0xFFFF00);

// Points away from the capsule's spine: the outline's surface normal.
Vec2 outward(Vec2 p) {
    const float x = std::clamp(p.x, kLeftEnd.x, kRightEnd.x);
    return normalized(p - Vec2{x, kMiddle.y});
}

// The outline is a round tube three pixels thick: bright along its crest on the
// lit side, grey where it turns away.
Rgb tubeColor(float depth, Vec2 p) {
    const float lit = dot(outward(p), kLight);
    if (depth < 1.0f) {
        return lit > 0.25f ? kLightGrey : kGrey;
    }
    if (depth < 2.0f) {
        return lit > -0.35f ? kWhite : kLightGrey;
    }
    return lit > 0.6f ? kLightGrey : kGrey;
}

}  // namespace

RgbImage drawCrate() {
    const Shape capsule = Shape::capsule(kLeftEnd, kRightEnd, kRadius);
    const Mask symbol = Mask::of(trefoil(kMiddle, 1.0f), kWidth, kHeight);
    RgbImage image(kWidth, kHeight, kBlack);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const Vec2 p{static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f};
            const float depth = -capsule.distance(p);
            if (depth > 0.0f && depth < 3.0f) {
                image.at(x, y) = tubeColor(depth, p);
            } else if (symbol.has(x, y)) {
                image.at(x, y) = kYellow;
            }
        }
    }
    return image;
}

}  // namespace art
