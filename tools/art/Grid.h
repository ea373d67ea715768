#pragma once

#include "Color.h"

#include <cstdint>
#include <vector>

namespace art {

// A row-major block of cells, row 0 at the top.
template <typename T>
class Grid {
public:
    Grid(int width, int height, T fill = T{})
        : width_(width), height_(height), cells_(static_cast<std::size_t>(width * height), fill) {}

    int width() const { return width_; }
    int height() const { return height_; }

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    T& at(int x, int y) { return cells_[index(x, y)]; }
    const T& at(int x, int y) const { return cells_[index(x, y)]; }

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y * width_ + x); }

    int width_;
    int height_;
    std::vector<T> cells_;
};

using RgbImage = Grid<Rgb>;

struct IndexedImage {
    Grid<std::uint8_t> indices;
    std::vector<Rgb> palette;
};

}  // namespace art
