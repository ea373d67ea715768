#pragma once
#include "frame/Geometry.h"

// Where a window's logical pixels land in its surface: each one becomes a
// block of scale x scale pixels, the first at `origin`.
class Viewport {
public:
    Viewport(Point origin, int scale) : origin_(origin), scale_(scale) {}

    // The largest whole scale at which `logical` fits in `area` (at least 1),
    // centred in it.
    static Viewport fitted(Size area, Size logical);

    Point origin() const { return origin_; }
    int scale() const { return scale_; }
    // The logical pixel that holds a surface pixel; points left of or above
    // the origin map to negative coordinates.
    Point toLogical(Point physical) const;
    Rect toPhysical(const Rect& logical) const;

private:
    Point origin_;
    int scale_;
};
