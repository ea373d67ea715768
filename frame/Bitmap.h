#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "frame/Color.h"

// A picture as loaded from a file: pixels 0x00RRGGBB, rows top to bottom.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    bool empty() const { return pixels.empty(); }
    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    // The see-through colour of a transparent picture.
    Rgb bottomLeft() const { return at(0, height - 1); }
};
