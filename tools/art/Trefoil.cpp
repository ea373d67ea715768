#include "Trefoil.h"

#include <numbers>

namespace art {

namespace {

Shape blade(Vec2 centre, float scale, float degrees) {
    constexpr float kHalfWidth = 30.0f;
    const float reach = 20.0f * scale;
    const float from = (degrees - kHalfWidth) * std::numbers::pi_v<float> / 180.0f;
    const float to = (degrees + kHalfWidth) * std::numbers::pi_v<float> / 180.0f;
    const Shape wedge = Shape::polygon({centre, centre + polar(reach, from), centre + polar(reach, to)});
    return Shape::circle(centre, 8.8f * scale).minus(Shape::circle(centre, 3.4f * scale)).intersected(wedge);
}

}  // namespace

Shape trefoil(Vec2 centre, float scale) {
    return Shape::circle(centre, 2.2f * scale)
        .united(blade(centre, scale, 90.0f))
        .united(blade(centre, scale, 210.0f))
        .united(blade(centre, scale, 330.0f));
}

}  // namespace art
