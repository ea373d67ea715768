#include "frame/sdl/Viewport.h"

namespace {

// Division that rounds towards minus infinity, so that the pixel just left
// of a window is -1 and not 0.
int floorDiv(int value, int divisor) {
    int quotient = value / divisor;
    return value % divisor < 0 ? quotient - 1 : quotient;
}

}  // namespace

Viewport Viewport::fitted(Size area, Size logical) {
    int scale = 1;
    if (logical.width > 0 && logical.height > 0)
        scale = std::max(1, std::min(area.width / logical.width, area.height / logical.height));
    return {{(area.width - logical.width * scale) / 2, (area.height - logical.height * scale) / 2}, scale};
}

Point Viewport::toLogical(Point physical) const {
    return {floorDiv(physical.x - origin_.x, scale_), floorDiv(physical.y - origin_.y, scale_)};
}

Rect Viewport::toPhysical(const Rect& logical) const {
    return {origin_.x + logical.x * scale_, origin_.y + logical.y * scale_, logical.width * scale_,
            logical.height * scale_};
}
