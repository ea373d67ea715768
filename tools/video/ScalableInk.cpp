#include "ScalableInk.h"

#include <cmath>
#include <utility>

namespace video {

using art::Grid;
using art::Vec2;

ScalableInk::ScalableInk(Grid<float> ink) : ink_(std::move(ink)) {}

// Bilinear, with ink pixel centres at +0.5 and nothing outside.
float ScalableInk::sample(Vec2 p) const {
    const float fx = std::floor(p.x - 0.5f);
    const float fy = std::floor(p.y - 0.5f);
    const float tx = p.x - 0.5f - fx;
    const float ty = p.y - 0.5f - fy;
    const int x = static_cast<int>(fx);
    const int y = static_cast<int>(fy);
    auto at = [&](int cx, int cy) { return ink_.contains(cx, cy) ? ink_.at(cx, cy) : 0.0f; };
    const float top = at(x, y) + (at(x + 1, y) - at(x, y)) * tx;
    const float bottom = at(x, y + 1) + (at(x + 1, y + 1) - at(x, y + 1)) * tx;
    return top + (bottom - top) * ty;
}

PlacedInk ScalableInk::placed(Vec2 centre, float width) const {
    const float inkPerPixel = static_cast<float>(ink_.width()) / width;
    const Vec2 half = Vec2{static_cast<float>(ink_.width()), static_cast<float>(ink_.height())} * (0.5f / inkPerPixel);
    const int left = static_cast<int>(std::floor(centre.x - half.x));
    const int top = static_cast<int>(std::floor(centre.y - half.y));
    const int right = static_cast<int>(std::ceil(centre.x + half.x));
    const int bottom = static_cast<int>(std::ceil(centre.y + half.y));
    // Enough samples across each pixel that no ink pixel is skipped.
    const int samples = static_cast<int>(std::ceil(inkPerPixel)) + 1;
    const Vec2 origin = centre - half;
    PlacedInk out{Grid<float>(right - left, bottom - top), left, top};
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            float sum = 0.0f;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const Vec2 p{static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / static_cast<float>(samples),
                                 static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / static_cast<float>(samples)};
                    sum += sample((p - origin) * inkPerPixel);
                }
            }
            out.coverage.at(x - left, y - top) = sum / static_cast<float>(samples * samples);
        }
    }
    return out;
}

}  // namespace video
