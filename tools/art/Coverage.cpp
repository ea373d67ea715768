#include "Coverage.h"

#include <algorithm>

namespace art {

Grid<float> dilated(const Grid<float>& coverage) {
    Grid<float> wide(coverage.width() + 2, coverage.height() + 2);
    for (int y = 0; y < wide.height(); ++y) {
        for (int x = 0; x < wide.width(); ++x) {
            float strongest = 0.0f;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const float weight = dx != 0 && dy != 0 ? 0.6f : 1.0f;
                    const int sx = x - 1 + dx;
                    const int sy = y - 1 + dy;
                    if (coverage.contains(sx, sy)) {
                        strongest = std::max(strongest, coverage.at(sx, sy) * weight);
                    }
                }
            }
            wide.at(x, y) = strongest;
        }
    }
    return wide;
}

}  // namespace art
