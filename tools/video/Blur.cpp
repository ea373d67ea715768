#include "Blur.h"

#include <cmath>
#include <vector>

namespace video {

using art::Grid;

namespace {

std::vector<float> gaussianKernel(float sigma, int radius) {
    std::vector<float> kernel;
    float total = 0.0f;
    for (int i = -radius; i <= radius; ++i) {
        kernel.push_back(std::exp(-static_cast<float>(i * i) / (2.0f * sigma * sigma)));
        total += kernel.back();
    }
    for (float& weight : kernel) {
        weight /= total;
    }
    return kernel;
}

// One pass of the separable blur, along x or along y.
Grid<float> pass(const Grid<float>& source, const std::vector<float>& kernel, int dx, int dy) {
    const int radius = static_cast<int>(kernel.size() / 2);
    Grid<float> out(source.width(), source.height());
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            float sum = 0.0f;
            for (int i = -radius; i <= radius; ++i) {
                const int sx = x + i * dx;
                const int sy = y + i * dy;
                sum +=
                    source.contains(sx, sy) ? source.at(sx, sy) * kernel[static_cast<std::size_t>(i + radius)] : 0.0f;
            }
            out.at(x, y) = sum;
        }
    }
    return out;
}

}  // namespace

PlacedInk blurred(const PlacedInk& ink, float sigma) {
    const int radius = static_cast<int>(std::ceil(3.0f * sigma));
    Grid<float> padded(ink.coverage.width() + 2 * radius, ink.coverage.height() + 2 * radius);
    for (int y = 0; y < ink.coverage.height(); ++y) {
        for (int x = 0; x < ink.coverage.width(); ++x) {
            padded.at(x + radius, y + radius) = ink.coverage.at(x, y);
        }
    }
    const std::vector<float> kernel = gaussianKernel(sigma, radius);
    return {pass(pass(padded, kernel, 1, 0), kernel, 0, 1), ink.left - radius, ink.top - radius};
}

}  // namespace video
