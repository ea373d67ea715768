#pragma once

#include "Grid.h"
#include "Shape.h"

#include <cstdint>

namespace art {

// A hard-edged pixel selection, for icons drawn in a handful of exact colours.
class Mask {
public:
    Mask(int width, int height) : cells_(width, height, 0) {}

    // Pixels at least half covered by the shape.
    static Mask of(const Shape& shape, int width, int height);

    int width() const { return cells_.width(); }
    int height() const { return cells_.height(); }
    // Pixels outside the mask's area count as unset.
    bool has(int x, int y) const { return cells_.contains(x, y) && cells_.at(x, y) != 0; }
    void set(int x, int y, bool on) { cells_.at(x, y) = on ? 1 : 0; }
    Mask shifted(int dx, int dy) const;

private:
    Grid<std::uint8_t> cells_;
};

}  // namespace art
