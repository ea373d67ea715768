#include "Shape.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace art {

namespace {

Box unionOf(const Box& a, const Box& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

Box intersectionOf(const Box& a, const Box& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

float segmentDistance(Vec2 p, Vec2 a, Vec2 b) {
    const Vec2 ab = b - a;
    const float lengthSquared = dot(ab, ab);
    const float t = lengthSquared > 0.0f ? std::clamp(dot(p - a, ab) / lengthSquared, 0.0f, 1.0f) : 0.0f;
    return length(p - (a + ab * t));
}

// Even-odd crossing test combined with the nearest edge distance.
float polygonDistance(const std::vector<Vec2>& points, Vec2 p) {
    float nearest = INFINITY;
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const Vec2 a = points[j];
        const Vec2 b = points[i];
        nearest = std::min(nearest, segmentDistance(p, a, b));
        const bool straddles = (a.y > p.y) != (b.y > p.y);
        if (straddles && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) {
            inside = !inside;
        }
    }
    return inside ? -nearest : nearest;
}

}  // namespace

Shape::Shape(Distance distance, Box bounds) : distance_(std::move(distance)), bounds_(bounds) {}

float Shape::coverage(Vec2 p) const { return std::clamp(0.5f - distance_(p), 0.0f, 1.0f); }

Shape Shape::united(const Shape& other) const {
    return {[a = *this, b = other](Vec2 p) { return std::min(a.distance(p), b.distance(p)); },
            unionOf(bounds_, other.bounds_)};
}

Shape Shape::minus(const Shape& other) const {
    return {[a = *this, b = other](Vec2 p) { return std::max(a.distance(p), -b.distance(p)); }, bounds_};
}

Shape Shape::intersected(const Shape& other) const {
    return {[a = *this, b = other](Vec2 p) { return std::max(a.distance(p), b.distance(p)); },
            intersectionOf(bounds_, other.bounds_)};
}

Shape Shape::innerBand(float width) const {
    return {[a = *this, width](Vec2 p) {
                const float d = a.distance(p);
                return std::max(d, -d - width);
            },
            bounds_};
}

Shape Shape::grown(float margin) const {
    return {[a = *this, margin](Vec2 p) { return a.distance(p) - margin; }, bounds_.grown(margin)};
}

Shape Shape::circle(Vec2 centre, float radius) {
    return {[centre, radius](Vec2 p) { return length(p - centre) - radius; },
            {centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius}};
}

// First-order distance estimate: exact on the boundary, which is all that
// anti-aliasing needs.
Shape Shape::ellipse(Vec2 centre, Vec2 radii) {
    return {[centre, radii](Vec2 p) {
                const Vec2 q = p - centre;
                const float k0 = length({q.x / radii.x, q.y / radii.y});
                const float k1 = length({q.x / (radii.x * radii.x), q.y / (radii.y * radii.y)});
                return k1 > 0.0f ? k0 * (k0 - 1.0f) / k1 : -std::min(radii.x, radii.y);
            },
            {centre.x - radii.x, centre.y - radii.y, centre.x + radii.x, centre.y + radii.y}};
}

Shape Shape::capsule(Vec2 from, Vec2 to, float radius) {
    return {[from, to, radius](Vec2 p) { return segmentDistance(p, from, to) - radius; },
            Box{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x), std::max(from.y, to.y)}.grown(
                radius)};
}

Shape Shape::box(Box box, float cornerRadius) {
    const Vec2 centre{(box.left + box.right) * 0.5f, (box.top + box.bottom) * 0.5f};
    const Vec2 half{(box.right - box.left) * 0.5f - cornerRadius, (box.bottom - box.top) * 0.5f - cornerRadius};
    return {[centre, half, cornerRadius](Vec2 p) {
                const Vec2 q{std::abs(p.x - centre.x) - half.x, std::abs(p.y - centre.y) - half.y};
                const float outside = length({std::max(q.x, 0.0f), std::max(q.y, 0.0f)});
                return outside + std::min(std::max(q.x, q.y), 0.0f) - cornerRadius;
            },
            box};
}

Shape Shape::polygon(std::vector<Vec2> points) {
    Box bounds{INFINITY, INFINITY, -INFINITY, -INFINITY};
    for (const Vec2 point : points) {
        bounds = unionOf(bounds, {point.x, point.y, point.x, point.y});
    }
    return {[points = std::move(points)](Vec2 p) { return polygonDistance(points, p); }, bounds};
}

}  // namespace art
