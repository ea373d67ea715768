#pragma once

#include "Color.h"
#include "Grid.h"
#include "Shape.h"

#include <functional>

namespace art {

// Colour of a paint at a point, in picture coordinates (pixel centres at +0.5).
using Paint = std::function<Color(Vec2)>;

// A float RGBA canvas that shapes are composited onto.
class Raster {
public:
    Raster(int width, int height, Color fill = {0.0f, 0.0f, 0.0f, 0.0f});

    int width() const { return pixels_.width(); }
    int height() const { return pixels_.height(); }
    const Color& at(int x, int y) const { return pixels_.at(x, y); }

    // Composites the paint over the canvas, weighted by the shape's coverage.
    void fill(const Shape& shape, const Paint& paint);
    void fill(const Shape& shape, Color color);
    // Composites the paint weighted by a coverage grid whose top-left lands at (left, top).
    void stamp(const Grid<float>& coverage, int left, int top, const Paint& paint);
    // Adds emitted light (rgb scaled by alpha) inside the area; alpha is untouched.
    void shine(const Box& area, const Paint& light);
    // Makes every pixel whose centre lies inside the shape fully transparent.
    void erase(const Shape& shape);
    // Multiplies every pixel's colour by the factor the function gives for it.
    void attenuate(const std::function<float(Vec2)>& factor);

private:
    template <typename Visit>
    void forEachPixelIn(const Box& area, Visit visit);

    Grid<Color> pixels_;
};

}  // namespace art
