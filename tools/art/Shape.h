#pragma once

#include "Vec2.h"

#include <functional>
#include <vector>

namespace art {

struct Box {
    float left = 0.0f;
    float top = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;

    Box grown(float margin) const { return {left - margin, top - margin, right + margin, bottom + margin}; }
};

// A region given by its signed distance (negative inside, in pixels), which
// makes anti-aliased coverage, outlines and boolean combinations cheap.
class Shape {
public:
    using Distance = std::function<float(Vec2)>;

    Shape(Distance distance, Box bounds);

    float distance(Vec2 p) const { return distance_(p); }
    // Fraction of a one-pixel footprint centred on p that lies inside.
    float coverage(Vec2 p) const;
    bool contains(Vec2 p) const { return distance_(p) < 0.0f; }
    const Box& bounds() const { return bounds_; }

    Shape united(const Shape& other) const;
    Shape minus(const Shape& other) const;
    Shape intersected(const Shape& other) const;
    // The band of the given width just inside the boundary.
    Shape innerBand(float width) const;
    Shape grown(float margin) const;

    static Shape circle(Vec2 centre, float radius);
    static Shape ellipse(Vec2 centre, Vec2 radii);
    static Shape capsule(Vec2 from, Vec2 to, float radius);
    static Shape box(Box box, float cornerRadius = 0.0f);
    static Shape polygon(std::vector<Vec2> points);

private:
    Distance distance_;
    Box bounds_;
};

}  // namespace art
